#ifndef QUENDRALVOSS_TESTS_STORY_STORYSNAPSHOT_H
#define QUENDRALVOSS_TESTS_STORY_STORYSNAPSHOT_H

// What a saved game must bring back: every play-state value, the player's
// place, view and actions, every object of the room, named or not (see
// support/WorldRecords.h), which kinds of object the room's three object
// lists hold, and which effects the room has. Taken from the game that saved
// and from the game that loaded, and compared; the differences are listed in
// words.
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "app/ActionEntry.h"
#include "play/PlayScreen.h"
#include "play/PlayStateTable.h"
#include "play/SceneObject.h"
#include "support/Room0Plan.h"
#include "support/WorldRecords.h"

namespace story {

// For one of the object lists: each mesh number among its members, and
// whether every world object showing that mesh is a member.
typedef std::map<int32_t, bool> ListKinds;

struct StorySnapshot {
    int32_t room = -1;
    std::vector<float> values;  // the play-state fields in table order
    Vec3 position;
    float pitch = 0.0f, yaw = 0.0f;
    std::vector<int32_t> actions;
    std::vector<playtest::ObjectRecord> objects;
    ListKinds rowList, floorList, reactionList;
    std::string effects;
};

inline ListKinds listKinds(const PlayScreen& p, const std::vector<SceneObject*>& list) {
    ListKinds kinds;
    for (const SceneObject* o : list) kinds[playtest::meshNumber(o)] = true;
    for (const SceneObject* o : p.world.worldList.objects()) {
        const int32_t mesh = playtest::meshNumber(o);
        if (!kinds.count(mesh)) continue;
        bool member = false;
        for (const SceneObject* m : list) member = member || m == o;
        if (!member) kinds[mesh] = false;
    }
    return kinds;
}

inline StorySnapshot takeSnapshot(const PlayScreen& p) {
    StorySnapshot s;
    s.room = p.world.room;
    for (int32_t k = 0; k < kPlayStateFieldCount; ++k) {
        const PlayStateField& f = kPlayStateFields[k];
        if (f.word == 0) continue;
        switch (f.kind) {
        case kFieldBool:
        case kFieldBoolAsInt:
            s.values.push_back(p.story.*f.boolMember ? 1.0f : 0.0f);
            break;
        case kFieldInt:
            s.values.push_back(static_cast<float>(playStateInt(p, f)));
            break;
        case kFieldFloat:
            s.values.push_back(p.story.*f.floatMember);
            break;
        }
    }
    s.position = p.player.position;
    s.pitch = p.player.viewAngles.y;
    s.yaw = p.player.viewAngles.z;
    for (const std::unique_ptr<ActionEntry>& e : p.player.actions()) s.actions.push_back(e->actionId);
    s.objects = playtest::worldRecords(p);
    s.rowList = listKinds(p, p.story.tunnelRowList);
    s.floorList = listKinds(p, p.story.tunnelFloorList);
    s.reactionList = listKinds(p, p.story.reactionList);
    s.effects = std::string(p.effects.groundGrid ? "grid " : "") + (p.effects.sweepEffect ? "sweep " : "") +
                (p.effects.noiseOverlay ? "noise " : "") + (p.effects.backdropLayer ? "backdrop " : "");
    for (const EffectSlot<ClothMesh>& cloth : p.effects.clothMeshes) s.effects += cloth ? "cloth " : "";
    return s;
}

inline std::string listText(const ListKinds& kinds) {
    std::string out;
    for (const auto& k : kinds) out += std::to_string(k.first) + (k.second ? "(all) " : "(some) ");
    return out.empty() ? "(empty)" : out;
}

// The differences between the saved game and the loaded one, "" when none.
// Saved floats keep four decimals; what moves by itself may have moved on by
// one frame of frameStep seconds.
inline std::string compareSnapshots(const StorySnapshot& saved, const StorySnapshot& loaded, float frameStep) {
    std::string out;
    if (saved.room != loaded.room) out += "room " + std::to_string(loaded.room) + "; ";
    int k = 0;
    for (int32_t f = 0; f < kPlayStateFieldCount; ++f) {
        if (kPlayStateFields[f].word == 0) continue;
        const float a = saved.values[static_cast<size_t>(k)];
        const float b = loaded.values[static_cast<size_t>(k)];
        float allowed = kPlayStateFields[f].kind == kFieldFloat ? 1.5e-4f : 0.0f;
        // The frame that loads the game goes on to run the world one step:
        // the procession walks, the tunnel closes, the eyes open a little.
        const float StoryState::*member = kPlayStateFields[f].floatMember;
        if (member == &StoryState::storyValue04) allowed += 0.4f * frameStep;
        if (member == &StoryState::storyValue50) allowed += 0.08f * frameStep;
        if (member == &StoryState::storyValue52) allowed += 0.2f * frameStep;
        if (std::fabs(a - b) > allowed) {
            out += "word " + std::to_string(kPlayStateFields[f].word) + " " + std::to_string(a) + " became " +
                   std::to_string(b) + "; ";
        }
        ++k;
    }
    if (playtest::placeGap(-1, saved.position, loaded.position) > 1.5e-4f) out += "player position; ";
    if (std::fabs(saved.pitch - loaded.pitch) > 1.5e-4f || std::fabs(saved.yaw - loaded.yaw) > 1.5e-4f) {
        out += "player view; ";
    }
    if (saved.actions != loaded.actions) out += "actions; ";
    // What walks, turns or sinks by itself may have moved on by one frame.
    playtest::RecordTolerance tolerance;
    tolerance.position = 0.05f;
    tolerance.rotation = 0.05f;
    const std::string objects = playtest::compareWorlds(saved.room, saved.objects, loaded.objects, tolerance);
    if (!objects.empty()) out += "objects:" + objects + "\n; ";
    if (saved.rowList != loaded.rowList) {
        out += "row list " + listText(saved.rowList) + "became " + listText(loaded.rowList) + "; ";
    }
    if (saved.floorList != loaded.floorList) {
        out += "floor list " + listText(saved.floorList) + "became " + listText(loaded.floorList) + "; ";
    }
    if (saved.reactionList != loaded.reactionList) out += "reaction list; ";
    if (saved.effects != loaded.effects) out += "effects " + saved.effects + "became " + loaded.effects + "; ";
    return out;
}

}  // namespace story

#endif
