#ifndef QUENDRALVOSS_TESTS_WORLDRECORDS_H
#define QUENDRALVOSS_TESTS_WORLDRECORDS_H

// The whole world list as plain records, for holding the world a game was
// saved in against the world its load rebuilt: every object, named or not,
// with its name, mesh, textures, pose, collision box, look, glow sprites and
// the play state's lists that hold it; and what the player's boxes overlap.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/ResourceCache.h"
#include "play/PlayScreen.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"

namespace playtest {

// The number of the resource a cache handle holds: -1 for the blank entry,
// -2 for a handle the cache does not know.
template <class Table, class Handle>
int32_t resourceNumberOf(const Table& table, const Handle* handle) {
    const std::string* key = table.keyOf(handle);
    if (!key) return -2;
    if (key->size() < 9 || key->compare(0, 4, "res/") != 0) return -1;
    return std::stoi(key->substr(4));
}

// Which of the play state's object lists hold an object.
enum ListBits : uint8_t { kInFloorList = 1, kInRowList = 2, kInReactionList = 4 };

struct ObjectRecord {
    std::string name;
    int32_t mesh = -1;
    int32_t texture = -1;
    int32_t secondTexture = -1;
    Vec3 position, rotation, halfSize;
    float drawDistance = 0.0f;
    bool sphereMapped = false;
    int32_t glows = 0;
    uint8_t lists = 0;
};

inline bool listHolds(const std::vector<SceneObject*>& list, const SceneObject* object) {
    return std::find(list.begin(), list.end(), object) != list.end();
}

// Every object of the world list in list order.
inline std::vector<ObjectRecord> worldRecords(const PlayScreen& p) {
    std::vector<ObjectRecord> records;
    for (const SceneObject* o : p.world.worldList.objects()) {
        ObjectRecord r;
        r.name = o->name;
        r.mesh = resourceNumberOf(gResourceCache->meshTable(), o->sceneObjectMesh());
        r.texture = resourceNumberOf(gResourceCache->textureTable(), o->sceneObjectTexture());
        r.secondTexture = resourceNumberOf(gResourceCache->textureTable(), o->sceneObjectSecondTexture());
        r.position = o->position;
        r.rotation = o->rotation;
        r.halfSize = o->halfSize;
        r.drawDistance = o->drawDistance;
        r.sphereMapped = o->sphereMapped;
        r.glows = static_cast<int32_t>(o->attachments().size());
        r.lists = static_cast<uint8_t>((listHolds(p.story.tunnelFloorList, o) ? kInFloorList : 0) |
                                       (listHolds(p.story.tunnelRowList, o) ? kInRowList : 0) |
                                       (listHolds(p.story.reactionList, o) ? kInReactionList : 0));
        records.push_back(r);
    }
    return records;
}

inline std::string numberText(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.5g", static_cast<double>(v));
    return buffer;
}
inline std::string vectorText(const Vec3& v) {
    return "(" + numberText(v.x) + ", " + numberText(v.y) + ", " + numberText(v.z) + ")";
}

inline std::string recordText(const ObjectRecord& r) {
    std::string out = r.name.empty() ? std::string("unnamed") : "\"" + r.name + "\"";
    out += " mesh " + std::to_string(r.mesh) + " textures " + std::to_string(r.texture) + "/" +
           std::to_string(r.secondTexture) + " at " + vectorText(r.position);
    if (r.rotation.x != 0.0f || r.rotation.y != 0.0f || r.rotation.z != 0.0f) {
        out += " turned " + vectorText(r.rotation);
    }
    if (r.halfSize.x != kNoCollision) out += " box " + vectorText(r.halfSize);
    if (r.glows) out += " glows " + std::to_string(r.glows);
    if (r.lists & kInFloorList) out += " [floor list]";
    if (r.lists & kInRowList) out += " [row list]";
    if (r.lists & kInReactionList) out += " [reaction list]";
    return out;
}

// How far apart two places are; the street of room 0 and the tunnel of room
// 7 repeat every 30 units along x, so there x counts modulo 30.
inline float placeGap(int32_t room, const Vec3& a, const Vec3& b) {
    float dx = std::fabs(a.x - b.x);
    if (room == room::kStreet || room == room::kTunnel) dx = std::fabs(std::remainder(a.x - b.x, 30.0f));
    return std::max(dx, std::max(std::fabs(a.y - b.y), std::fabs(a.z - b.z)));
}
inline float vectorGap(const Vec3& a, const Vec3& b) {
    return std::max(std::fabs(a.x - b.x), std::max(std::fabs(a.y - b.y), std::fabs(a.z - b.z)));
}

// The parts of two records that can only be equal or not.
inline std::string recordKey(const ObjectRecord& r) {
    return r.name + "|" + std::to_string(r.mesh) + "|" + std::to_string(r.texture) + "|" +
           std::to_string(r.secondTexture) + "|" + (r.sphereMapped ? "s" : "-") + "|" + std::to_string(r.glows) + "|" +
           std::to_string(r.lists);
}

// The tolerances of a comparison: a place to the saved precision (a saved
// float keeps four decimals), turns, boxes and draw distances as built.
struct RecordTolerance {
    float position = 2.5e-4f;
    float rotation = 5e-4f;
    float size = 1e-5f;
    float drawDistance = 1e-3f;
};

inline bool recordsAgree(int32_t room, const ObjectRecord& a, const ObjectRecord& b, const RecordTolerance& t) {
    return placeGap(room, a.position, b.position) <= t.position && vectorGap(a.rotation, b.rotation) <= t.rotation &&
           vectorGap(a.halfSize, b.halfSize) <= t.size && std::fabs(a.drawDistance - b.drawDistance) <= t.drawDistance;
}

// What differs between two records of the same object, in words.
inline std::string recordDifference(int32_t room, const ObjectRecord& a, const ObjectRecord& b) {
    std::string out;
    if (a.name != b.name) out += " name \"" + b.name + "\";";
    if (a.mesh != b.mesh) out += " mesh " + std::to_string(b.mesh) + ";";
    if (a.texture != b.texture || a.secondTexture != b.secondTexture) {
        out += " textures " + std::to_string(b.texture) + "/" + std::to_string(b.secondTexture) + ";";
    }
    if (placeGap(room, a.position, b.position) > 0.0f) out += " at " + vectorText(b.position) + ";";
    if (vectorGap(a.rotation, b.rotation) > 0.0f) out += " turned " + vectorText(b.rotation) + ";";
    if (vectorGap(a.halfSize, b.halfSize) > 0.0f) out += " box " + vectorText(b.halfSize) + ";";
    if (a.drawDistance != b.drawDistance) out += " draw distance " + numberText(b.drawDistance) + ";";
    if (a.sphereMapped != b.sphereMapped) out += b.sphereMapped ? " sphere-mapped;" : " not sphere-mapped;";
    if (a.glows != b.glows) out += " glows " + std::to_string(b.glows) + ";";
    if (a.lists != b.lists) out += " lists " + std::to_string(b.lists) + ";";
    return out;
}

// The differences between the world a game was saved in (saved) and the one
// its load built (loaded), "" when every object has its match: one line per
// object without a match (with the nearest object of its name and mesh on the
// other side), then the meshes whose object counts differ.
inline std::string compareWorlds(int32_t room, const std::vector<ObjectRecord>& saved,
                                 const std::vector<ObjectRecord>& loaded, const RecordTolerance& tolerance = {}) {
    std::map<std::string, std::vector<size_t>> loadedByKey;
    for (size_t k = 0; k < loaded.size(); ++k) loadedByKey[recordKey(loaded[k])].push_back(k);
    std::vector<bool> used(loaded.size(), false);
    std::vector<size_t> unmatched;
    for (size_t k = 0; k < saved.size(); ++k) {
        const auto bucket = loadedByKey.find(recordKey(saved[k]));
        bool found = false;
        if (bucket != loadedByKey.end()) {
            size_t best = 0;
            float bestGap = 1e30f;
            for (size_t m : bucket->second) {
                if (used[m] || !recordsAgree(room, saved[k], loaded[m], tolerance)) continue;
                const float gap = placeGap(room, saved[k].position, loaded[m].position);
                if (gap < bestGap) {
                    bestGap = gap;
                    best = m;
                    found = true;
                }
            }
            if (found) used[best] = true;
        }
        if (!found) unmatched.push_back(k);
    }
    std::vector<std::string> lines;
    for (size_t k : unmatched) {
        const ObjectRecord& r = saved[k];
        std::string line = "missing after the load: " + recordText(r);
        const ObjectRecord* near = nullptr;
        for (size_t m = 0; m < loaded.size(); ++m) {
            if (used[m] || loaded[m].name != r.name || loaded[m].mesh != r.mesh) continue;
            if (!near || placeGap(room, r.position, loaded[m].position) < placeGap(room, r.position, near->position)) {
                near = &loaded[m];
            }
        }
        if (near) line += "; the nearest loaded one differs:" + recordDifference(room, r, *near);
        lines.push_back(line);
    }
    for (size_t m = 0; m < loaded.size(); ++m) {
        if (!used[m]) lines.push_back("added by the load: " + recordText(loaded[m]));
    }
    std::map<int32_t, std::pair<int, int>> counts;
    for (const ObjectRecord& r : saved) ++counts[r.mesh].first;
    for (const ObjectRecord& r : loaded) ++counts[r.mesh].second;
    for (const auto& c : counts) {
        if (c.second.first != c.second.second) {
            lines.push_back("mesh " + std::to_string(c.first) + ": " + std::to_string(c.second.first) + " saved, " +
                            std::to_string(c.second.second) + " loaded");
        }
    }
    std::string out;
    const size_t shown = std::min<size_t>(lines.size(), 16);
    for (size_t k = 0; k < shown; ++k) out += "\n    " + lines[k];
    if (lines.size() > shown) out += "\n    ... and " + std::to_string(lines.size() - shown) + " more";
    return out;
}

// The random numbers a test draws every room build from, so that the live
// build and the load's rebuild agree on what is random in a room (room 1's
// scattered field, new on every visit and never saved).
const unsigned kRoomSeed = 20231031u;

// The longest step the frame timer hands out: a player standing on an object
// sinks into it by less than one step's fall before the landing lifts it.
const float kLongestFrameStep = 0.045f;

inline bool boxesOverlap(const Vec3& c, const Vec3& h, const Vec3& o, const Vec3& e) {
    return c.x + h.x >= o.x - e.x && o.x + e.x >= c.x - h.x && c.y + h.y >= o.y - e.y && o.y + e.y >= c.y - h.y &&
           c.z + h.z >= o.z - e.z && o.z + e.z >= c.z - h.z;
}

// The objects that hold the player inside them, "" when none: those that the
// walking box overlaps, and those that the body box overlaps still when lifted
// by one longest step off what the player stands on.
inline std::string objectsHoldingPlayer(const PlayScreen& p) {
    const Vec3 walkCentre = p.player.playerBoxCentre();
    const Vec3 walkHalf = p.player.playerBoxHalfSize();
    Vec3 bodyCentre = p.player.playerFeetProbe();
    bodyCentre.z += kLongestFrameStep;
    std::string out;
    for (const SceneObject* o : p.world.worldList.objects()) {
        const bool walking = boxesOverlap(walkCentre, walkHalf, o->position, o->halfSize);
        const bool body = boxesOverlap(bodyCentre, p.player.halfSize, o->position, o->halfSize);
        if (!walking && !body) continue;
        ObjectRecord r;
        r.name = o->name;
        r.position = o->position;
        r.halfSize = o->halfSize;
        r.mesh = resourceNumberOf(gResourceCache->meshTable(), o->sceneObjectMesh());
        out += std::string(walking ? "walking box" : "body box") + " in " + recordText(r) + "; ";
    }
    if (!out.empty()) out = "the player at " + vectorText(p.player.position) + ": " + out;
    return out;
}

}  // namespace playtest

#endif
