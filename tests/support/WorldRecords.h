#ifndef QUENDRALVOSS_TESTS_WORLDRECORDS_H
#define QUENDRALVOSS_TESTS_WORLDRECORDS_H

// The whole world list as plain records, for holding the world a game was
// saved in against the world its load rebuilt: every object, named or not,
// with its name, mesh, textures, pose, collision box, look (second pass,
// sphere mapping, draw distance), animation, each glow sprite and the play
// state's lists that hold it; the room's effects; and what the player's boxes
// overlap.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/ResourceCache.h"
#include "play/BackdropLayer.h"
#include "play/ClothMesh.h"
#include "play/GlowSprite.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/PlayScreen.h"
#include "play/SweepEffect.h"
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

// One glow sprite as the player sees it: where it sits, how large, in what
// colour and pictures, and how it blinks.
struct GlowRecord {
    int32_t vertex = -1;
    Vec3 extent;
    float colour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    int32_t texture = -1;
    int32_t haloTexture = -1;
    float blinkPeriod = 0.0f;
    float blinkEdge = 0.0f;
    bool colourCycling = false;
};

// The mesh number that stands for no cross-fade running.
const int32_t kNoFadeSource = -3;

struct ObjectRecord {
    std::string name;
    int32_t mesh = -1;
    int32_t texture = -1;
    int32_t secondTexture = -1;
    Vec3 position, rotation, halfSize;
    float drawDistance = 0.0f;
    bool sphereMapped = false;
    bool secondPassShown = true;
    float animTime = 0.0f;
    float animSpeed = 1.0f;
    int32_t fadeSource = kNoFadeSource;
    std::vector<GlowRecord> glowList;
    int32_t glows = 0;
    uint8_t lists = 0;
};

inline bool listHolds(const std::vector<SceneObject*>& list, const SceneObject* object) {
    return std::find(list.begin(), list.end(), object) != list.end();
}

inline int32_t textureNumber(const Texture* t) { return resourceNumberOf(gResourceCache->textureTable(), t); }
inline int32_t meshNumber(const Mesh* m) { return resourceNumberOf(gResourceCache->meshTable(), m); }

// One object's record, the lists left out.
inline ObjectRecord objectRecord(const SceneObject& o) {
    ObjectRecord r;
    r.name = o.name;
    r.mesh = meshNumber(o.sceneObjectMesh());
    r.texture = textureNumber(o.sceneObjectTexture());
    r.secondTexture = textureNumber(o.sceneObjectSecondTexture());
    r.position = o.position;
    r.rotation = o.rotation;
    r.halfSize = o.halfSize;
    r.drawDistance = o.drawDistance;
    r.sphereMapped = o.sphereMapped;
    r.secondPassShown = o.reflectionShown;
    r.animTime = o.animTime;
    r.animSpeed = o.animSpeed;
    r.fadeSource = o.sceneObjectFadeSource() ? meshNumber(o.sceneObjectFadeSource()) : kNoFadeSource;
    for (const std::unique_ptr<GlowSprite>& sprite : o.attachments()) {
        GlowRecord g;
        g.vertex = sprite->vertexIndex;
        g.extent = sprite->quadExtent;
        std::copy(sprite->colour, sprite->colour + 4, g.colour);
        g.texture = textureNumber(sprite->spriteTexture);
        g.haloTexture = textureNumber(sprite->haloTexture);
        g.blinkPeriod = sprite->blinkPeriod;
        g.blinkEdge = sprite->blinkEdge;
        g.colourCycling = sprite->colourCycling;
        r.glowList.push_back(g);
    }
    r.glows = static_cast<int32_t>(r.glowList.size());
    return r;
}

// Every object of the world list in list order.
inline std::vector<ObjectRecord> worldRecords(const PlayScreen& p) {
    std::vector<ObjectRecord> records;
    for (const SceneObject* o : p.world.worldList.objects()) {
        ObjectRecord r = objectRecord(*o);
        r.lists = static_cast<uint8_t>((listHolds(p.story.tunnelFloorList, o) ? kInFloorList : 0) |
                                       (listHolds(p.story.tunnelRowList, o) ? kInRowList : 0) |
                                       (listHolds(p.story.reactionList, o) ? kInReactionList : 0));
        records.push_back(r);
    }
    return records;
}

inline std::string numberText(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(v));
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
    if (r.animSpeed != 1.0f) out += " speed " + numberText(r.animSpeed);
    if (r.animSpeed == 0.0f) out += " held at " + numberText(r.animTime);
    if (r.fadeSource != kNoFadeSource) out += " fading from " + std::to_string(r.fadeSource);
    if (!r.secondPassShown) out += " no second pass";
    if (r.sphereMapped) out += " sphere-mapped";
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

// The tolerance of a float the builds take from the same figures: it lets a
// last-digit difference of two spellings through (0.8039216 and 0.803922),
// not a real drift.
const float kFigureTolerance = 1e-5f;

inline bool figuresAgree(float a, float b) { return std::fabs(a - b) <= kFigureTolerance; }

// The parts of a glow sprite that can only be equal or not.
inline std::string glowKey(const GlowRecord& g) {
    return std::to_string(g.vertex) + "," + std::to_string(g.texture) + "," + std::to_string(g.haloTexture) +
           (g.colourCycling ? ",c" : ",-");
}

// The parts of two records that can only be equal or not.
inline std::string recordKey(const ObjectRecord& r) {
    std::string key = r.name + "|" + std::to_string(r.mesh) + "|" + std::to_string(r.texture) + "|" +
                      std::to_string(r.secondTexture) + "|" + (r.sphereMapped ? "s" : "-") +
                      (r.secondPassShown ? "p" : "-") + "|" + std::to_string(r.fadeSource) + "|" +
                      std::to_string(r.glows) + "|" + std::to_string(r.lists);
    for (const GlowRecord& g : r.glowList) key += "|" + glowKey(g);
    return key;
}

// The tolerances of a comparison: a place to the saved precision (a saved
// float keeps four decimals), turns, boxes and draw distances as built.
struct RecordTolerance {
    float position = 2.5e-4f;
    float rotation = 5e-4f;
    float size = 1e-5f;
    float drawDistance = 1e-3f;
};

// A cycling sprite's colour follows its own clock, which is not saved: only
// its alpha is its own.
inline bool glowColoursAgree(const GlowRecord& a, const GlowRecord& b) {
    for (int k = a.colourCycling && b.colourCycling ? 3 : 0; k < 4; ++k) {
        if (!figuresAgree(a.colour[k], b.colour[k])) return false;
    }
    return true;
}

inline bool glowsAgree(const GlowRecord& a, const GlowRecord& b) {
    if (!glowColoursAgree(a, b)) return false;
    return vectorGap(a.extent, b.extent) <= kFigureTolerance && figuresAgree(a.blinkPeriod, b.blinkPeriod) &&
           figuresAgree(a.blinkEdge, b.blinkEdge);
}

// The open tunnel's moving rings each draw their speed at random whenever
// they are built, live or by a load, and the speeds are not saved: theirs
// are not compared.
inline bool speedIsDrawnAtRandom(int32_t room, const ObjectRecord& r) {
    return room == room::kTunnel && (r.lists & kInRowList) != 0 && r.animSpeed != 0.0f;
}

// The mesh time shows only in a held pose: a running animation's clock is
// not saved and starts again with the room's build.
inline bool animationsAgree(int32_t room, const ObjectRecord& a, const ObjectRecord& b) {
    if (speedIsDrawnAtRandom(room, a) && speedIsDrawnAtRandom(room, b)) return true;
    if (!figuresAgree(a.animSpeed, b.animSpeed)) return false;
    return a.animSpeed != 0.0f || figuresAgree(a.animTime, b.animTime);
}

inline bool recordsAgree(int32_t room, const ObjectRecord& a, const ObjectRecord& b, const RecordTolerance& t) {
    if (a.glowList.size() != b.glowList.size()) return false;
    for (size_t k = 0; k < a.glowList.size(); ++k) {
        if (!glowsAgree(a.glowList[k], b.glowList[k])) return false;
    }
    return placeGap(room, a.position, b.position) <= t.position && vectorGap(a.rotation, b.rotation) <= t.rotation &&
           vectorGap(a.halfSize, b.halfSize) <= t.size &&
           std::fabs(a.drawDistance - b.drawDistance) <= t.drawDistance &&
           animationsAgree(room, a, b);
}

// " property: live a, rebuilt b;" for one property of a difference.
inline std::string propertyText(const std::string& property, const std::string& live, const std::string& rebuilt) {
    return " " + property + ": live " + live + ", rebuilt " + rebuilt + ";";
}
inline std::string colourText(const float* c) {
    return "(" + numberText(c[0]) + ", " + numberText(c[1]) + ", " + numberText(c[2]) + ", " + numberText(c[3]) + ")";
}

// What differs between two glow sprites k of the same object, in words.
inline std::string glowDifference(size_t k, const GlowRecord& a, const GlowRecord& b) {
    const std::string sprite = "glow " + std::to_string(k) + " ";
    std::string out;
    if (a.vertex != b.vertex) {
        out += propertyText(sprite + "vertex", std::to_string(a.vertex), std::to_string(b.vertex));
    }
    if (vectorGap(a.extent, b.extent) > kFigureTolerance) {
        out += propertyText(sprite + "extent", vectorText(a.extent), vectorText(b.extent));
    }
    if (!glowColoursAgree(a, b)) out += propertyText(sprite + "colour", colourText(a.colour), colourText(b.colour));
    if (a.texture != b.texture || a.haloTexture != b.haloTexture) {
        out += propertyText(sprite + "textures", std::to_string(a.texture) + "/" + std::to_string(a.haloTexture),
                            std::to_string(b.texture) + "/" + std::to_string(b.haloTexture));
    }
    if (!figuresAgree(a.blinkPeriod, b.blinkPeriod) || !figuresAgree(a.blinkEdge, b.blinkEdge)) {
        out += propertyText(sprite + "blink", numberText(a.blinkPeriod) + "/" + numberText(a.blinkEdge),
                            numberText(b.blinkPeriod) + "/" + numberText(b.blinkEdge));
    }
    if (a.colourCycling != b.colourCycling) {
        out += propertyText(sprite + "colour cycling", a.colourCycling ? "on" : "off", b.colourCycling ? "on" : "off");
    }
    return out;
}

// What differs between the live record a and the rebuilt record b of the
// same object, property by property, in words.
inline std::string recordDifference(int32_t room, const ObjectRecord& a, const ObjectRecord& b,
                                    const RecordTolerance& t = {}) {
    std::string out;
    if (a.name != b.name) out += propertyText("name", "\"" + a.name + "\"", "\"" + b.name + "\"");
    if (a.mesh != b.mesh) out += propertyText("mesh", std::to_string(a.mesh), std::to_string(b.mesh));
    if (a.texture != b.texture || a.secondTexture != b.secondTexture) {
        out += propertyText("textures", std::to_string(a.texture) + "/" + std::to_string(a.secondTexture),
                            std::to_string(b.texture) + "/" + std::to_string(b.secondTexture));
    }
    if (placeGap(room, a.position, b.position) > t.position) {
        out += propertyText("position", vectorText(a.position), vectorText(b.position));
    }
    if (vectorGap(a.rotation, b.rotation) > t.rotation) {
        out += propertyText("rotation", vectorText(a.rotation), vectorText(b.rotation));
    }
    if (vectorGap(a.halfSize, b.halfSize) > t.size) {
        out += propertyText("box", vectorText(a.halfSize), vectorText(b.halfSize));
    }
    if (std::fabs(a.drawDistance - b.drawDistance) > t.drawDistance) {
        out += propertyText("draw distance", numberText(a.drawDistance), numberText(b.drawDistance));
    }
    if (a.sphereMapped != b.sphereMapped) {
        out += propertyText("sphere mapping", a.sphereMapped ? "on" : "off", b.sphereMapped ? "on" : "off");
    }
    if (a.secondPassShown != b.secondPassShown) {
        out += propertyText("second pass", a.secondPassShown ? "shown" : "hidden",
                            b.secondPassShown ? "shown" : "hidden");
    }
    if (!animationsAgree(room, a, b)) {
        out += figuresAgree(a.animSpeed, b.animSpeed)
                   ? propertyText("held mesh time", numberText(a.animTime), numberText(b.animTime))
                   : propertyText("animation speed", numberText(a.animSpeed), numberText(b.animSpeed));
    }
    if (a.fadeSource != b.fadeSource) {
        out += propertyText("cross-fade source", std::to_string(a.fadeSource), std::to_string(b.fadeSource));
    }
    if (a.glows != b.glows) out += propertyText("glows", std::to_string(a.glows), std::to_string(b.glows));
    for (size_t k = 0; k < std::min(a.glowList.size(), b.glowList.size()); ++k) {
        out += glowDifference(k, a.glowList[k], b.glowList[k]);
    }
    if (a.lists != b.lists) out += propertyText("lists", std::to_string(a.lists), std::to_string(b.lists));
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
        if (near) line += "; the nearest loaded one differs:" + recordDifference(room, r, *near, tolerance);
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

// The room's effects as the player sees them, each property in words under
// its own name ("grid source row", "cloth 2 wave", ...): present or not, and
// what each present one was built and set with.
// Effect figures are written to five digits: a last-digit difference of two
// spellings of a figure passes, a real drift does not.
inline std::string effectNumber(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.5g", static_cast<double>(v));
    return buffer;
}

inline std::string effectVector(const Vec3& v) {
    return "(" + effectNumber(v.x) + ", " + effectNumber(v.y) + ", " + effectNumber(v.z) + ")";
}

inline std::map<std::string, std::string> effectRecords(const PlayScreen& p) {
    std::map<std::string, std::string> out;
    const RoomEffects& e = p.effects;
    out["grid"] = e.groundGrid ? "present" : "none";
    if (e.groundGrid) {
        const GroundGrid& g = *e.groundGrid;
        out["grid origin"] = effectVector(g.restPoints[0][0]);
        out["grid far corner"] = effectVector(g.restPoints[GroundGrid::kCells - 1][GroundGrid::kCells - 1]);
        out["grid source"] = std::to_string(g.sourceRow) + ", " + std::to_string(g.sourceColumn) + " radius " +
                             std::to_string(g.sourceRadius);
        out["grid source wave"] = effectNumber(g.sourceFrequency) + " Hz, " + effectNumber(g.sourceAmplitude) +
                                  " high, " + effectNumber(g.sourceOffset) + " offset";
    }
    for (int k = 0; k < 4; ++k) {
        const std::string cloth = "cloth " + std::to_string(k);
        out[cloth] = e.clothMeshes[k] ? "present" : "none";
        if (!e.clothMeshes[k]) continue;
        const ClothMesh& c = *e.clothMeshes[k];
        out[cloth + " hung at"] = effectVector(c.restPoints[0][0]);
        out[cloth + " wave"] = effectNumber(c.waveAmplitude);
        out[cloth + " textures"] = std::to_string(textureNumber(c.clothTexture)) + "/" +
                                   std::to_string(textureNumber(c.sheenTexture));
    }
    out["sweep"] = e.sweepEffect ? "present" : "none";
    if (e.sweepEffect) {
        const SweepEffect& w = *e.sweepEffect;
        out["sweep progress"] = effectNumber(w.progress) + " toward " + effectNumber(w.targetProgress) + " at " +
                                effectNumber(w.rate);
        out["sweep texture"] = std::to_string(textureNumber(w.effectTexture));
        out["sweep instance"] = w.instance ? recordText(objectRecord(*w.instance)) : "none";
    }
    out["noise"] = e.noiseOverlay ? "present" : "none";
    if (e.noiseOverlay) {
        const NoiseOverlay& n = *e.noiseOverlay;
        out["noise level"] =
            effectNumber(n.level) + " toward " + effectNumber(n.targetLevel) + " at " + effectNumber(n.rate);
        out["noise texture"] = std::to_string(textureNumber(n.noiseTexture));
    }
    out["backdrop"] = e.backdropLayer ? "present" : "none";
    if (e.backdropLayer) {
        const BackdropLayer& b = *e.backdropLayer;
        out["backdrop meshes"] = std::to_string(meshNumber(b.driftMesh)) + "/" + std::to_string(meshNumber(b.skyMesh)) +
                                 "/" + std::to_string(meshNumber(b.costumeMesh));
        out["backdrop textures"] = std::to_string(textureNumber(b.driftTexture)) + "/" +
                                   std::to_string(textureNumber(b.skyTexture)) + "/" +
                                   std::to_string(textureNumber(b.costumeTexture)) + "/" +
                                   std::to_string(textureNumber(b.costumeOverlayTexture));
    }
    return out;
}

// The effects' differences between the live world (saved) and the rebuilt one
// (loaded), one line per property, "" when all agree.
inline std::string compareEffects(const std::map<std::string, std::string>& saved,
                                  const std::map<std::string, std::string>& loaded) {
    std::string out;
    std::map<std::string, std::string> all = saved;
    all.insert(loaded.begin(), loaded.end());
    for (const auto& entry : all) {
        const auto a = saved.find(entry.first);
        const auto b = loaded.find(entry.first);
        const std::string live = a == saved.end() ? "-" : a->second;
        const std::string rebuilt = b == loaded.end() ? "-" : b->second;
        if (live != rebuilt) out += "\n    effect " + entry.first + ": live " + live + ", rebuilt " + rebuilt;
    }
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
