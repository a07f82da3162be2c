#include "engine/FaceOverlap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <utility>

namespace {

// Planes closer than these steps (of the unit normal and of the distance from
// the origin) count as one.
const float kNormalStep = 1e-4f;
const float kDistanceStep = 1e-3f;
// Triangles that only touch along an edge or at a corner do not overlap.
const float kTouching = 1e-5f;

typedef std::array<float, 2> Point;
typedef std::array<Point, 3> Flat;

// The plane's key: the unit normal, which way the face looks included, and
// the distance, both in steps.
typedef std::array<long, 4> PlaneKey;

bool planeOf(const float* p, PlaneKey& key, int& dropped) {
    const float ux = p[3] - p[0], uy = p[4] - p[1], uz = p[5] - p[2];
    const float vx = p[6] - p[0], vy = p[7] - p[1], vz = p[8] - p[2];
    float n[3] = {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length == 0.0f) {
        return false;
    }
    for (float& c : n) {
        c /= length;
    }
    const float d = n[0] * p[0] + n[1] * p[1] + n[2] * p[2];
    key = {std::lround(n[0] / kNormalStep), std::lround(n[1] / kNormalStep), std::lround(n[2] / kNormalStep),
           std::lround(d / kDistanceStep)};
    dropped = 0;
    for (int k = 1; k < 3; ++k) {
        if (std::fabs(n[k]) > std::fabs(n[dropped])) {
            dropped = k;
        }
    }
    return true;
}

Flat flatten(const float* p, int dropped) {
    const int a = dropped == 0 ? 1 : 0;
    const int b = dropped == 2 ? 1 : 2;
    return Flat{Point{p[a], p[b]}, Point{p[3 + a], p[3 + b]}, Point{p[6 + a], p[6 + b]}};
}

// Whether an edge of s separates s and t: both on its two sides, at most
// touching.
bool edgeSeparates(const Flat& s, const Flat& t) {
    for (size_t e = 0; e < 3; ++e) {
        const Point& a = s[e];
        const Point& b = s[(e + 1) % 3];
        const float nx = a[1] - b[1], ny = b[0] - a[0];
        float sLow = INFINITY, sHigh = -INFINITY, tLow = INFINITY, tHigh = -INFINITY;
        for (size_t k = 0; k < 3; ++k) {
            const float ds = nx * s[k][0] + ny * s[k][1];
            const float dt = nx * t[k][0] + ny * t[k][1];
            sLow = std::fmin(sLow, ds), sHigh = std::fmax(sHigh, ds);
            tLow = std::fmin(tLow, dt), tHigh = std::fmax(tHigh, dt);
        }
        const float slack = kTouching * (std::fabs(nx) + std::fabs(ny)) * (1.0f + std::fabs(sHigh) + std::fabs(tHigh));
        if (sHigh <= tLow + slack || tHigh <= sLow + slack) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<bool> markOverlappingFaces(const std::vector<float>& positions) {
    std::vector<bool> marks(positions.size() / 9, false);
    // The faces of each plane, by their triangle number.
    std::map<PlaneKey, std::vector<std::pair<size_t, Flat>>> planes;
    for (size_t t = 0; t + 9 <= positions.size(); t += 9) {
        PlaneKey key;
        int dropped = 0;
        if (!planeOf(&positions[t], key, dropped)) {
            continue;
        }
        planes[key].push_back(std::make_pair(t / 9, flatten(&positions[t], dropped)));
    }
    for (const auto& plane : planes) {
        const std::vector<std::pair<size_t, Flat>>& faces = plane.second;
        for (size_t i = 0; i < faces.size(); ++i) {
            for (size_t j = i + 1; j < faces.size(); ++j) {
                if (marks[faces[i].first] && marks[faces[j].first]) {
                    continue;
                }
                if (!edgeSeparates(faces[i].second, faces[j].second) &&
                    !edgeSeparates(faces[j].second, faces[i].second)) {
                    marks[faces[i].first] = true;
                    marks[faces[j].first] = true;
                }
            }
        }
    }
    return marks;
}

bool facesOverlapInOnePlane(const std::vector<float>& positions) {
    const std::vector<bool> marks = markOverlappingFaces(positions);
    return std::find(marks.begin(), marks.end(), true) != marks.end();
}
