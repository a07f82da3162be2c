#include "content/MeshWriter.h"

#include <algorithm>
#include <cmath>

namespace {

void putInt(std::vector<uint8_t>& out, int32_t value) {
    const uint32_t u = uint32_t(value);
    out.push_back(uint8_t(u));
    out.push_back(uint8_t(u >> 8));
    out.push_back(uint8_t(u >> 16));
    out.push_back(uint8_t(u >> 24));
}

int32_t fixed(float value) { return int32_t(std::lround(double(value) * 10000.0)); }

int8_t normalByte(float value) {
    const long b = std::lround(double(value) * 127.0);
    return int8_t(std::max(-127L, std::min(127L, b)));
}

}  // namespace

std::vector<uint8_t> encodeMesh(const KeyframeMesh& mesh) {
    const int count = mesh.vertexCount();
    if (count <= 0 || count % 3 != 0 || mesh.frames.empty()) return {};
    std::vector<uint8_t> out;
    out.reserve(12 + 8 * size_t(count) + mesh.frames.size() * (4 + 15 * size_t(count)));
    out.push_back('m');
    out.push_back('s');
    out.push_back('h');
    out.push_back('1');
    putInt(out, count);
    for (int i = 0; i < count; ++i) {
        putInt(out, fixed(mesh.u[size_t(i)]));
        putInt(out, fixed(mesh.v[size_t(i)]));
    }
    putInt(out, int32_t(mesh.frames.size()));
    for (const KeyframeMesh::Frame& f : mesh.frames) {
        putInt(out, fixed(f.time));
        for (const V3& p : f.positions) {
            putInt(out, fixed(p.x));
            putInt(out, fixed(p.y));
            putInt(out, fixed(p.z));
        }
        for (const V3& n : f.normals) {
            const V3 unit = normalized(n);
            out.push_back(uint8_t(normalByte(unit.x)));
            out.push_back(uint8_t(normalByte(unit.y)));
            out.push_back(uint8_t(normalByte(unit.z)));
        }
    }
    return out;
}
