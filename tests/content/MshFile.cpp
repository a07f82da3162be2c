#include "MshFile.h"

namespace {

struct Cursor {
    const std::vector<uint8_t>& d;
    size_t at = 0;
    bool over = false;
    int32_t next() {
        if (at + 4 > d.size()) {
            over = true;
            return 0;
        }
        const uint32_t v = uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 |
                           uint32_t(d[at + 3]) << 24;
        at += 4;
        return int32_t(v);
    }
    int8_t byte() {
        if (at >= d.size()) {
            over = true;
            return 0;
        }
        return int8_t(d[at++]);
    }
};

}  // namespace

bool parseMsh(const std::vector<uint8_t>& data, MshFile& out, std::string& why) {
    if (data.size() < 4 || data[0] != 'm' || data[1] != 's' || data[2] != 'h' || data[3] != '1') {
        why = "magic";
        return false;
    }
    Cursor c{data};
    c.at = 4;
    const int32_t count = c.next();
    if (count < 1 || count % 3 != 0) {
        why = "vertex count " + std::to_string(count);
        return false;
    }
    out.vertexCount = count;
    for (int i = 0; i < count; ++i) {
        out.u.push_back(float(c.next() * 0.0001));
        out.v.push_back(float(1.0 - c.next() * 0.0001));
    }
    const int32_t frames = c.next();
    if (c.over || frames < 1) {
        why = "frame count";
        return false;
    }
    out.expectedSize = 12 + 8 * size_t(count) + size_t(frames) * (4 + 15 * size_t(count));
    float previous = 0;
    for (int f = 0; f < frames; ++f) {
        const float t = float(c.next() * 0.0001);
        if (t < 0 || t < previous) {
            why = "key time order";
            return false;
        }
        previous = t;
        out.keyTimes.push_back(t);
        std::vector<float> p(size_t(count) * 3), n(size_t(count) * 3);
        for (float& x : p) x = float(c.next() * 0.0001);
        for (float& x : n) x = c.byte() / 127.0f;
        if (c.over) {
            why = "ends early";
            return false;
        }
        out.positions.push_back(p);
        out.normals.push_back(n);
    }
    return true;
}
