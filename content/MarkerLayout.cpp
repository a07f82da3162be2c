#include "content/MarkerLayout.h"

#include <algorithm>
#include <map>

bool arrangeMarkers(std::vector<MeshVertex>& vertices, const std::vector<Marker>& markers,
                    V3 padPoint, int padBone) {
    const int triangles = int(vertices.size() / 3);
    int needed = triangles;
    std::map<int, const Marker*> slotOf;  // slot -> marker
    std::map<int, int> used;              // source triangle -> slot
    for (const Marker& m : markers) {
        const int slot = m.vertexIndex / 3;
        if (m.triangle < 0 || m.triangle >= triangles || m.corner < 0 || m.corner > 2) return false;
        if (slotOf.count(slot) || used.count(m.triangle)) return false;
        slotOf[slot] = &m;
        used[m.triangle] = slot;
        needed = std::max(needed, slot + 1);
    }
    std::vector<MeshVertex> out(size_t(needed) * 3);
    int source = 0;
    for (int slot = 0; slot < needed; ++slot) {
        MeshVertex* dst = &out[size_t(slot) * 3];
        auto it = slotOf.find(slot);
        if (it != slotOf.end()) {
            const Marker& m = *it->second;
            const int want = m.vertexIndex % 3;
            for (int c = 0; c < 3; ++c)
                dst[(want + c) % 3] = vertices[size_t(m.triangle) * 3 + size_t((m.corner + c) % 3)];
            continue;
        }
        while (source < triangles && used.count(source)) ++source;
        if (source < triangles) {
            for (int c = 0; c < 3; ++c) dst[c] = vertices[size_t(source) * 3 + size_t(c)];
            ++source;
        } else {
            for (int c = 0; c < 3; ++c) {
                dst[c].position = padPoint;
                dst[c].normal = V3(0, 0, 1);
                dst[c].bone = padBone;
            }
        }
    }
    // Triangles left over (when a marker slot lies inside the list) go last.
    for (; source < triangles; ++source) {
        if (used.count(source)) continue;
        for (int c = 0; c < 3; ++c) out.push_back(vertices[size_t(source) * 3 + size_t(c)]);
    }
    vertices.swap(out);
    return true;
}
