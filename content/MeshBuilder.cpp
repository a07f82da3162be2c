#include "content/MeshBuilder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {
const float kPi = 3.14159265358979f;
}

void MeshBuilder::setUvRect(float u0, float v0, float u1, float v1) {
    uvRect[0] = u0;
    uvRect[1] = v0;
    uvRect[2] = u1;
    uvRect[3] = v1;
}

void MeshBuilder::push(V3 p, V3 n, float u, float v) {
    MeshVertex mv;
    mv.position = p;
    mv.normal = n;
    mv.u = uvRect[0] + (uvRect[2] - uvRect[0]) * u;
    mv.v = uvRect[1] + (uvRect[3] - uvRect[1]) * v;
    mv.bone = currentBone;
    vertices.push_back(mv);
}

void MeshBuilder::triangle(V3 a, V3 b, V3 c, float ua, float va, float ub, float vb, float uc,
                           float vc) {
    const V3 n = normalized(cross(b - a, c - a));
    push(a, n, ua, va);
    push(b, n, ub, vb);
    push(c, n, uc, vc);
}

void MeshBuilder::quad(V3 a, V3 b, V3 c, V3 d) {
    triangle(a, b, c, 0, 0, 1, 0, 1, 1);
    triangle(a, c, d, 0, 0, 1, 1, 0, 1);
}

void MeshBuilder::box(V3 c, V3 h) {
    const V3 p[8] = {c + V3(-h.x, -h.y, -h.z), c + V3(h.x, -h.y, -h.z), c + V3(h.x, h.y, -h.z),
                     c + V3(-h.x, h.y, -h.z),  c + V3(-h.x, -h.y, h.z), c + V3(h.x, -h.y, h.z),
                     c + V3(h.x, h.y, h.z),    c + V3(-h.x, h.y, h.z)};
    quad(p[0], p[1], p[5], p[4]);  // -y
    quad(p[1], p[2], p[6], p[5]);  // +x
    quad(p[2], p[3], p[7], p[6]);  // +y
    quad(p[3], p[0], p[4], p[7]);  // -x
    quad(p[4], p[5], p[6], p[7]);  // +z
    quad(p[3], p[2], p[1], p[0]);  // -z
}

void MeshBuilder::lathe(const Profile& profile, V3 base, int segments, float yScale) {
    const size_t n = profile.size();
    if (n < 2 || segments < 3) return;
    for (size_t k = 0; k + 1 < n; ++k) {
        const float r0 = profile[k].first, z0 = profile[k].second;
        const float r1 = profile[k + 1].first, z1 = profile[k + 1].second;
        const float dr = r1 - r0, dz = z1 - z0;
        const float v0 = float(k) / float(n - 1), v1 = float(k + 1) / float(n - 1);
        for (int s = 0; s < segments; ++s) {
            const float a0 = 2 * kPi * s / segments, a1 = 2 * kPi * (s + 1) / segments;
            auto at = [&](float r, float z, float a) {
                return base + V3(r * std::cos(a), r * std::sin(a) * yScale, z);
            };
            auto nrm = [&](float a) {
                return normalized(V3(dz * std::cos(a), dz * std::sin(a) / yScale, -dr));
            };
            const V3 p00 = at(r0, z0, a0), p01 = at(r0, z0, a1);
            const V3 p11 = at(r1, z1, a1), p10 = at(r1, z1, a0);
            const float u0 = float(s) / segments, u1 = float(s + 1) / segments;
            if (r0 > 0.0f) {
                push(p00, nrm(a0), u0, v0);
                push(p01, nrm(a1), u1, v0);
                push(p11, nrm(a1), u1, v1);
            }
            if (r1 > 0.0f) {
                push(p00, nrm(a0), u0, v0);
                push(p11, nrm(a1), u1, v1);
                push(p10, nrm(a0), u0, v1);
            }
        }
    }
}

void MeshBuilder::cylinder(V3 base, float radius, float height, int segments, bool caps) {
    Profile p;
    if (caps) p.push_back({0.0f, 0.0f});
    p.push_back({radius, 0.0f});
    p.push_back({radius, height});
    if (caps) p.push_back({0.0f, height});
    lathe(p, base, segments);
}

void MeshBuilder::cone(V3 base, float radius, float height, int segments) {
    lathe({{0.0f, 0.0f}, {radius, 0.0f}, {0.0f, height}}, base, segments);
}

void MeshBuilder::sphere(V3 centre, V3 radii, int slices, int stacks) {
    Profile p;
    for (int i = 0; i <= stacks; ++i) {
        const float a = -kPi / 2 + kPi * i / stacks;
        p.push_back({i == 0 || i == stacks ? 0.0f : std::cos(a), std::sin(a)});
    }
    const size_t from = vertices.size();
    lathe(p, V3(0, 0, 0), slices);
    for (size_t i = from; i < vertices.size(); ++i) {
        MeshVertex& v = vertices[i];
        const V3 unit = v.position;
        v.position = centre + mul(unit, radii);
        v.normal = normalized(V3(unit.x / radii.x, unit.y / radii.y, unit.z / radii.z));
    }
}

void MeshBuilder::extrude(const Profile& poly, float z0, float z1) {
    const size_t n = poly.size();
    if (n < 3) return;
    for (size_t i = 0; i < n; ++i) {
        const auto& a = poly[i];
        const auto& b = poly[(i + 1) % n];
        quad(V3(a.first, a.second, z0), V3(b.first, b.second, z0), V3(b.first, b.second, z1),
             V3(a.first, a.second, z1));
    }
    for (size_t i = 1; i + 1 < n; ++i) {
        const V3 a(poly[0].first, poly[0].second, 0), b(poly[i].first, poly[i].second, 0),
            c(poly[i + 1].first, poly[i + 1].second, 0);
        triangle(a + V3(0, 0, z1), b + V3(0, 0, z1), c + V3(0, 0, z1), a.x, a.y, b.x, b.y, c.x, c.y);
        triangle(a + V3(0, 0, z0), c + V3(0, 0, z0), b + V3(0, 0, z0), a.x, a.y, c.x, c.y, b.x, b.y);
    }
}

void MeshBuilder::tube(const std::vector<V3>& path, float radius, int segments) {
    if (path.size() < 2 || segments < 3) return;
    std::vector<V3> sideA, sideB;
    for (size_t i = 0; i < path.size(); ++i) {
        const V3 t = normalized(path[std::min(i + 1, path.size() - 1)] - path[i > 0 ? i - 1 : 0]);
        V3 up = std::fabs(t.z) < 0.9f ? V3(0, 0, 1) : V3(1, 0, 0);
        const V3 a = normalized(cross(up, t));
        sideA.push_back(a);
        sideB.push_back(cross(t, a));
    }
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        for (int s = 0; s < segments; ++s) {
            const float a0 = 2 * kPi * s / segments, a1 = 2 * kPi * (s + 1) / segments;
            auto dir = [&](size_t k, float a) {
                return sideA[k] * std::cos(a) + sideB[k] * std::sin(a);
            };
            const V3 n00 = dir(i, a0), n01 = dir(i, a1), n11 = dir(i + 1, a1), n10 = dir(i + 1, a0);
            const float u0 = float(s) / segments, u1 = float(s + 1) / segments;
            const float v0 = float(i) / (path.size() - 1), v1 = float(i + 1) / (path.size() - 1);
            push(path[i] + n00 * radius, n00, u0, v0);
            push(path[i] + n01 * radius, n01, u1, v0);
            push(path[i + 1] + n11 * radius, n11, u1, v1);
            push(path[i] + n00 * radius, n00, u0, v0);
            push(path[i + 1] + n11 * radius, n11, u1, v1);
            push(path[i + 1] + n10 * radius, n10, u0, v1);
        }
    }
}

void MeshBuilder::wallWithHoles(float y, float x0, float x1, float z0, float z1,
                                const std::vector<Hole>& holes, bool facingNegativeY) {
    // Split the wall on every hole edge and keep the cells outside all holes.
    std::vector<float> xs = {x0, x1}, zs = {z0, z1};
    for (const Hole& h : holes) {
        xs.push_back(std::max(x0, std::min(x1, h.x0)));
        xs.push_back(std::max(x0, std::min(x1, h.x1)));
        zs.push_back(std::max(z0, std::min(z1, h.z0)));
        zs.push_back(std::max(z0, std::min(z1, h.z1)));
    }
    std::sort(xs.begin(), xs.end());
    std::sort(zs.begin(), zs.end());
    const float du = x1 - x0, dv = z1 - z0;
    for (size_t i = 0; i + 1 < xs.size(); ++i)
        for (size_t k = 0; k + 1 < zs.size(); ++k) {
            const float a = xs[i], b = xs[i + 1], c = zs[k], d = zs[k + 1];
            if (b - a < 1e-5f || d - c < 1e-5f) continue;
            const float mx = (a + b) * 0.5f, mz = (c + d) * 0.5f;
            bool inside = false;
            for (const Hole& h : holes)
                if (mx > h.x0 && mx < h.x1 && mz > h.z0 && mz < h.z1) inside = true;
            if (inside) continue;
            const V3 p00(a, y, c), p10(b, y, c), p11(b, y, d), p01(a, y, d);
            const float u0 = (a - x0) / du, u1 = (b - x0) / du, v0 = (c - z0) / dv, v1 = (d - z0) / dv;
            if (facingNegativeY) {
                triangle(p00, p10, p11, u0, v0, u1, v0, u1, v1);
                triangle(p00, p11, p01, u0, v0, u1, v1, u0, v1);
            } else {
                triangle(p10, p00, p01, u1, v0, u0, v0, u0, v1);
                triangle(p10, p01, p11, u1, v0, u0, v1, u1, v1);
            }
        }
}

void MeshBuilder::merge(const MeshBuilder& other) {
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
}

void MeshBuilder::transform(const Transform& t, size_t from) {
    for (size_t i = from; i < vertices.size(); ++i) {
        vertices[i].position = t.point(vertices[i].position);
        vertices[i].normal = t.normal(vertices[i].normal);
    }
}

void MeshBuilder::flipFaces(size_t from) {
    for (size_t i = from; i + 2 < vertices.size(); i += 3) std::swap(vertices[i + 1], vertices[i + 2]);
    for (size_t i = from; i < vertices.size(); ++i) vertices[i].normal = vertices[i].normal * -1.0f;
}

void MeshBuilder::addBackFaces(size_t from) {
    const size_t end = vertices.size();
    for (size_t i = from; i + 2 < end; i += 3) {
        MeshVertex a = vertices[i], b = vertices[i + 1], c = vertices[i + 2];
        a.normal = a.normal * -1.0f;
        b.normal = b.normal * -1.0f;
        c.normal = c.normal * -1.0f;
        vertices.push_back(a);
        vertices.push_back(c);
        vertices.push_back(b);
    }
}

void MeshBuilder::smoothNormals(size_t from) {
    typedef std::tuple<long, long, long, int> Key;
    std::map<Key, V3> sums;
    auto keyOf = [](const MeshVertex& v) {
        return Key(std::lround(v.position.x * 10000), std::lround(v.position.y * 10000),
                   std::lround(v.position.z * 10000), v.bone);
    };
    for (size_t i = from; i < vertices.size(); ++i) {
        V3& s = sums[keyOf(vertices[i])];
        s = s + vertices[i].normal;
    }
    for (size_t i = from; i < vertices.size(); ++i) {
        const V3 n = normalized(sums[keyOf(vertices[i])]);
        if (length(n) > 0.5f) vertices[i].normal = n;
    }
}

void MeshBuilder::flatNormals(size_t from) {
    for (size_t i = from; i + 2 < vertices.size(); i += 3) {
        const V3 n = normalized(cross(vertices[i + 1].position - vertices[i].position,
                                      vertices[i + 2].position - vertices[i].position));
        vertices[i].normal = vertices[i + 1].normal = vertices[i + 2].normal = n;
    }
}

void MeshBuilder::planarUv(V3 uAxis, float u0, V3 vAxis, float v0, size_t from) {
    for (size_t i = from; i < vertices.size(); ++i) {
        vertices[i].u = dot(vertices[i].position, uAxis) + u0;
        vertices[i].v = dot(vertices[i].position, vAxis) + v0;
    }
}

void MeshBuilder::assignBone(int bone, size_t from) {
    for (size_t i = from; i < vertices.size(); ++i) vertices[i].bone = bone;
}
