#ifndef QUENDRALVOSS_TESTS_SCRIPT_STORYBENCH_H
#define QUENDRALVOSS_TESTS_SCRIPT_STORYBENCH_H

// A running game brought into play by a new game, with the sound log open,
// for rules and scenes that play out over many frames: frames of the fake
// clock, the player's confirm closing every answer the scene shows, and the
// order of the steps a scene passes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FatalError.h"
#include "engine/ResourceCache.h"
#include "play/SoundCue.h"
#include "script/StepIds.h"
#include "support/PlayHarness.h"
#include "support/Room0Plan.h"

namespace storytest {

using playtest::meshNumber;

// The number of the picture a texture handle shows, -1 for any other.
inline int32_t textureNumber(const Texture* texture) {
    const std::string* key = gResourceCache->textureTable().keyOf(texture);
    if (!key || key->size() < 9 || key->compare(0, 4, "res/") != 0) return -1;
    return std::stoi(key->substr(4));
}

class StoryTest : public testing::Test {
protected:
    void SetUp() override {
        // The scenes' meshes and pictures that the play stand-ins lack.
        for (int32_t n : {183, 196, 208}) {
            playtest::writeResourceOnce(playtest::resourcePath(n), playtest::farMeshBytes());
        }
        for (int32_t n : {173, 185, 195, 243}) {
            playtest::writeResourceOnce(playtest::resourcePath(n), makePngBytes(4, 4, 90, 60, 30, 255));
        }
        playtest::writeResourceOnce(playtest::resourcePath(272), makeOggBytes(200));
        ASSERT_TRUE(playtest::reachPlayByNewGame(s));
        s.frames(30);
        gSoundCueLog = &cues;
    }
    void TearDown() override { gSoundCueLog = nullptr; }

    PlayScreen& play() { return playtest::play(s); }

    // One frame of 45 ms; fails the test when the game has left play for the
    // error screen.
    void frame() {
        s.frames(1);
        ASSERT_NE(kGameStateError, gGameState) << gFatalErrorText;
    }

    // Runs frames while the step machine has a scene or an answer stands (at
    // most limit frames), pressing confirm whenever an answer is fully open and
    // noting its text in lines. Gives the steps passed in order, from the one
    // set before.
    std::vector<int32_t> runScene(int limit = 4000) {
        PlayScreen& p = play();
        std::vector<int32_t> steps = {p.script.scriptStep};
        bool held = false;
        for (int i = 0; i < limit && gGameState == kGameStatePlay; ++i) {
            const bool open = p.answerPanel.openness == 1.0f && p.answerPanel.targetOpenness == 1.0f;
            if (p.script.scriptStep == step::kNone && !open && !held && p.answerPanel.targetOpenness == 0.0f) break;
            if (open && !held) lines.push_back(p.answerPanel.text);
            if (open || held) {
                screentest::pushKey(SDLK_RETURN, !held);
                held = !held;
            }
            s.frames(1);
            if (p.script.scriptStep != steps.back()) steps.push_back(p.script.scriptStep);
        }
        return steps;
    }

    // The cues of number n heard since the log was last cleared.
    int heard(int32_t n, float volume) const {
        int count = 0;
        for (const SoundCue& c : cues) count += c.number == n && c.volume == volume ? 1 : 0;
        return count;
    }

    bool has(ObjectName name) { return play().world.worldList.containsSceneObject(objectName(name)); }
    SceneObject* object(ObjectName name) { return play().findSceneObject(name); }

    screentest::ScreenSession s;
    std::vector<SoundCue> cues;
    std::vector<std::string> lines;
};

}  // namespace storytest

#endif
