// The player record: its starting actions, removal and validation of the
// choices, footsteps heard through the sound log with a seeded random source,
// the head bob, and the player block of the save file word by word.
#include "play/Player.h"

#include <cstdlib>

#include "app/ActionEntry.h"
#include "app/ActionId.h"
#include "app/SaveCodec.h"
#include "engine/FileStream.h"
#include "play/SceneObject.h"
#include "tests/play/PlayFixture.h"
#include "text/Text.h"

using namespace playtest;

namespace {

class PlayerTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        player.constructPlayer();
    }
    void TearDown() override {
        player.destroyPlayer();
        PlayFixture::TearDown();
    }

    std::vector<int32_t> ids() const {
        std::vector<int32_t> out;
        for (const std::unique_ptr<ActionEntry>& entry : player.actions()) {
            out.push_back(entry->actionId);
        }
        return out;
    }
    void give(int32_t id) { player.appendAction(id); }
    // Walks for seconds at 60 frames a second the way the play screen drives
    // the intensity, with one surface flag; returns the footsteps heard.
    std::vector<SoundCue> walk(float seconds, int flag) {
        cues.clear();
        const float dt = 1.0f / 60.0f;
        for (int frame = 0; frame < static_cast<int>(seconds * 60.0f + 0.5f); ++frame) {
            player.walkIntensity += 4.0f * dt;
            player.updateFootsteps(dt, flag == 1, flag == 2, flag == 3, flag == 4);
        }
        return cues;
    }

    Player player;
};

TEST_F(PlayerTest, ResetRemoveAndValidate) {
    EXPECT_EQ((std::vector<int32_t>{0, 1, 2, 3}), ids());
    ASSERT_NE(nullptr, player.selectedAction);
    EXPECT_EQ(0, player.selectedAction->actionId);
    EXPECT_EQ(std::string("yourself"), player.selfTarget()->name);
    EXPECT_FLOAT_EQ(-999.0f, player.selfTarget()->position.x);
    EXPECT_FLOAT_EQ(1.0f, player.airTime);

    // An id held twice loses only its first entry; an absent id changes nothing.
    give(2);
    player.removeActionById(action::kTrick);
    EXPECT_EQ((std::vector<int32_t>{0, 1, 3, 2}), ids());
    player.removeActionById(action::kUseSpecialTrick);
    EXPECT_EQ(4u, player.actions().size());

    // Removing the chosen entry leaves no choice behind; validation picks ask.
    player.removeActionById(action::kKnockOn);
    EXPECT_EQ(nullptr, player.selectedAction);
    EXPECT_TRUE(player.validateCurrentAction());
    EXPECT_EQ(1, player.selectedAction->actionId);
    EXPECT_FALSE(player.validateCurrentAction());
    // Without ask, the first entry.
    player.removeActionById(action::kAsk);
    EXPECT_TRUE(player.validateCurrentAction());
    EXPECT_EQ(3, player.selectedAction->actionId);

    // An empty list gets the placeholder and the first exception.
    player.clearPlayerLists();
    EXPECT_TRUE(player.validateCurrentAction());
    EXPECT_EQ(-1, player.selectedAction->actionId);
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("exception:\n1"));

    // Targets: the first entry when the choice left, the placeholder (owned by
    // the player, made once) for an empty list.
    gGameState = kGameStatePlay;
    SceneObject other;
    other.constructSceneObject();
    player.targets = {player.selfTarget(), &other};
    player.selectedTarget = &other;
    EXPECT_FALSE(player.validateCurrentTarget());
    player.forgetTarget(&other);
    EXPECT_EQ(1u, player.targets.size());
    EXPECT_TRUE(player.validateCurrentTarget());
    EXPECT_EQ(player.selfTarget(), player.selectedTarget);
    player.targets.clear();
    EXPECT_TRUE(player.validateCurrentTarget());
    EXPECT_EQ(std::string("unknown object"), player.selectedTarget->name);
    EXPECT_NE(std::string::npos, gFatalErrorText.find("exception:\n2"));
    SceneObject* placeholder = player.selectedTarget;
    player.targets.clear();
    player.validateCurrentTarget();
    EXPECT_EQ(placeholder, player.selectedTarget);
}

TEST_F(PlayerTest, PlaceholderAndSelfTargetAreFreedWithThePlayer) {
    const int32_t before = textureCount(117);
    player.targets.clear();
    player.validateCurrentTarget();
    EXPECT_EQ(before + 1, textureCount(117));
    player.destroyPlayer();
    EXPECT_EQ(0, textureCount(117));
    EXPECT_EQ(0, blankMeshCount());
}

TEST_F(PlayerTest, FootstepsFollowThePhaseAndTheSurface) {
    srand(1234);
    player.airTime = 0.0f;
    // Steps fall at 2/3, 4/3 and 2 s of phase, each from the group of its flag.
    const int32_t groups[5][2] = {{0, 0}, {280, 285}, {296, 301}, {286, 291}, {292, 295}};
    for (int flag = 1; flag <= 4; ++flag) {
        player.walkPhase = 0.0f;
        player.walkIntensity = 0.0f;
        const std::vector<SoundCue> steps = walk(2.1f, flag);
        ASSERT_EQ(3u, steps.size()) << flag;
        for (size_t k = 0; k < steps.size(); ++k) {
            EXPECT_GE(steps[k].number, groups[flag][0]);
            EXPECT_LE(steps[k].number, groups[flag][1]);
            EXPECT_EQ(-1, steps[k].channel);
            EXPECT_FLOAT_EQ(0.2f, steps[k].volume);
        }
    }
    // Never the same sound twice in a row, over many steps.
    const std::vector<SoundCue> many = walk(60.1f, 4);
    EXPECT_EQ(90u, many.size());
    for (size_t k = 1; k < many.size(); ++k) {
        EXPECT_NE(many[k - 1].number, many[k].number);
    }
    // Silence without a surface flag, and the next step may repeat anything.
    EXPECT_TRUE(walk(2.0f, 0).empty());
    EXPECT_EQ(-1, player.lastFootstepSound);
    // Silence in the air however hard the player walks.
    player.airTime = 0.55f;
    EXPECT_TRUE(walk(2.0f, 1).empty());
    // Standing still: no steps and the intensity decays to 0.
    player.airTime = 0.0f;
    cues.clear();
    player.walkIntensity = 0.5f;
    for (int frame = 0; frame < 120; ++frame) {
        player.updateFootsteps(1.0f / 60.0f, true, false, false, false);
    }
    EXPECT_TRUE(cues.empty());
    EXPECT_FLOAT_EQ(0.0f, player.walkIntensity);
}

TEST_F(PlayerTest, HeadBobAndSway) {
    player.position.set(1.0f, 2.0f, 3.0f);
    player.viewAngles.set(0.1f, 0.2f, 0.3f);
    player.walkPhase = 0.1f;
    player.walkIntensity = 0.0f;
    EXPECT_FLOAT_EQ(4.5f, player.playerEyePosition().z);
    EXPECT_FLOAT_EQ(0.1f, player.playerViewAngles().x);
    player.walkIntensity = 0.5f;
    EXPECT_NEAR(4.5f + cosf(0.9424778f) * 0.015f, player.playerEyePosition().z, 1e-5f);
    EXPECT_NEAR(0.1f + sinf(0.4712389f) * 0.005f, player.playerViewAngles().x, 1e-6f);
    EXPECT_FLOAT_EQ(0.2f, player.playerViewAngles().y);
    // The walking box starts at the step height: 0.34 to 1.6 above the feet.
    EXPECT_NEAR(3.34f, player.playerBoxCentre().z - player.playerBoxHalfSize().z, 1e-5f);
}

std::vector<uint8_t> wordsToBytes(const std::vector<uint32_t>& words) {
    std::vector<uint8_t> out;
    for (uint32_t w : words) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(w >> (8 * i)));
    }
    return out;
}

TEST_F(PlayerTest, PlayerBlockSavesAndLoadsByteForByte) {
    player.position.set(1.5f, -2.25f, 0.125f);
    player.viewAngles.set(0.7f, -0.5f, 6.0f);
    player.removeActionById(action::kTrick);
    give(14);
    give(1);
    {
        FileStream out;
        out.openWrite("block.sav");
        ASSERT_TRUE(player.savePlayer(out));
        out.close();
    }
    const std::vector<uint32_t> words = {
        encodeSaveFloat(1.5f),  encodeSaveFloat(-2.25f), encodeSaveFloat(0.125f), encodeSaveFloat(-0.5f),
        encodeSaveFloat(6.0f),  encodeSaveInt(5),        encodeSaveInt(0),        encodeSaveInt(1),
        encodeSaveInt(3),       encodeSaveInt(14),       encodeSaveInt(1)};
    const std::vector<uint8_t> bytes = readFileBytes("block.sav");
    ASSERT_EQ(wordsToBytes(words), bytes);

    Player loaded;
    loaded.constructPlayer();
    {
        FileStream in;
        in.openRead("block.sav");
        ASSERT_TRUE(loaded.loadPlayer(in));
    }
    EXPECT_EQ((std::vector<int32_t>{0, 1, 3, 14, 1}), [&] {
        std::vector<int32_t> out;
        for (const std::unique_ptr<ActionEntry>& e : loaded.actions()) out.push_back(e->actionId);
        return out;
    }());
    // The last ask read is chosen; the roll is not saved.
    EXPECT_EQ(loaded.actions()[4].get(), loaded.selectedAction);
    EXPECT_FLOAT_EQ(0.0f, loaded.viewAngles.x);
    EXPECT_FLOAT_EQ(-0.5f, loaded.viewAngles.y);
    EXPECT_FLOAT_EQ(-2.25f, loaded.position.y);
    EXPECT_EQ(-1, loaded.lastFootstepSound);
    EXPECT_FLOAT_EQ(1.0f, loaded.airTime);
    {
        FileStream out;
        out.openWrite("again.sav");
        ASSERT_TRUE(loaded.savePlayer(out));
    }
    EXPECT_EQ(bytes, readFileBytes("again.sav"));

    // Every cut short of the whole block fails, at a word's end or inside one.
    for (size_t cut = 0; cut < bytes.size(); cut += 2) {
        ASSERT_TRUE(writeFileBytes("short.sav", std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut)));
        FileStream in;
        in.openRead("short.sav");
        EXPECT_FALSE(loaded.loadPlayer(in)) << cut;
    }

    // An empty action list is written as six words, but the game never
    // writes one: read back, it is a damaged file.
    loaded.clearPlayerLists();
    {
        FileStream out;
        out.openWrite("empty.sav");
        ASSERT_TRUE(loaded.savePlayer(out));
    }
    EXPECT_EQ(24u, readFileBytes("empty.sav").size());
    {
        FileStream in;
        in.openRead("empty.sav");
        EXPECT_FALSE(player.loadPlayer(in));
    }
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted));
    loaded.destroyPlayer();
}

}  // namespace
