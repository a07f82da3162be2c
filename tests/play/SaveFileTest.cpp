// "game.sav" written and read by the play screen through the run loop: the
// golden bytes of a new game, a round trip of every field, short files,
// damaged words and failed writes.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/ActionEntry.h"
#include "app/ActionId.h"
#include "app/FatalError.h"
#include "app/SaveCodec.h"
#include "engine/FrameTimer.h"
#include "engine/ScreenSize2D.h"
#include "play/PlayStateTable.h"
#include "play/RoomId.h"
#include "script/StepIds.h"
#include "support/PlayHarness.h"
#include "support/WorldRecords.h"
#include "text/Text.h"

using namespace playtest;

namespace {

const uint32_t kTrue = 792;
const uint32_t kFalse = 990;
const uint32_t kIntZero = 669;
const uint32_t kFloatZero = 669669;

// The words of "game.sav" right after a new game in the ghost costume with
// unbound controls: version, bindings, the 53 play-state words, the player
// at its spawn pose with the four starting actions, the running tutorial.
std::vector<uint32_t> newGameWords() {
    std::vector<uint32_t> w = {670};
    for (int k = 0; k < 8; ++k) w.push_back(668);
    for (int k = 0; k < 4; ++k) w.push_back(kFloatZero);
    w.push_back(kTrue);                                  // 1 ghost
    w.push_back(kFalse);                                 // 2
    w.push_back(kFalse);                                 // 3
    w.push_back(kFloatZero);                             // 4
    for (int k = 5; k <= 13; ++k) w.push_back(kFalse);  // 5..13
    w.push_back(kFloatZero);                             // 14
    for (int k = 15; k <= 32; ++k) w.push_back(kFalse);
    w.push_back(kIntZero);                   // 33
    w.push_back(kIntZero);                   // 34 as an int
    w.push_back(kIntZero);                   // 35 as an int
    w.push_back(kTrue);                      // 36
    w.push_back(kFalse);                     // 37
    w.push_back(kIntZero);                   // 38
    w.push_back(0xfff99615u);                // 39: -109.0 is -420331
    w.push_back(kIntZero);                   // 40
    w.push_back(kTrue);                      // 41
    for (int k = 42; k <= 48; ++k) w.push_back(kFalse);
    w.push_back(kFloatZero);                 // 49
    w.push_back(kFloatZero);                 // 50
    w.push_back(kFalse);                     // 51
    w.push_back(kFloatZero);                 // 52
    w.push_back(kIntZero);                   // 53: room 0
    w.push_back(669669 + 35000);             // x 3.5
    w.push_back(669669 + 50100);             // y 5.01
    w.push_back(kFloatZero);                 // z
    w.push_back(669669 + 4000);              // pitch 0.4
    w.push_back(kFloatZero);                 // yaw
    w.push_back(673);                        // four actions
    for (uint32_t id = 0; id < 4; ++id) w.push_back(669 + id);
    w.push_back(kTrue);  // tutorial still running
    return w;
}

// After a fatal error the run loop has entered the error screen; this puts
// the game back into play for the next case.
void backToPlay() {
    gGameState = kGameStatePlay;
    gFatalErrorText.clear();
    gScreenSize2D->width = 48.0f;
    gScreenSize2D->height = 36.0f;
    gFrameTimer->fps = 60.0f;
}

void save(ScreenSession& s) {
    gSaveRequest = 1;
    s.frames(1);
    ASSERT_EQ(kGameStatePauseMenu, gGameState);
    s.tap(SDLK_ESCAPE);
    ASSERT_EQ(kGameStatePlay, gGameState);
}

void load(ScreenSession& s) {
    gLoadRequest = 1;
    s.frames(1);
}

class SaveFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reachPlayByNewGame(s)); }
    ScreenSession s;
};

}  // namespace

TEST_F(SaveFileTest, ANewGameSavesTheGoldenWords) {
    // The procession has walked on since the first frame; the golden words
    // hold its starting place.
    play(s).story.storyValue04 = 0.0f;
    save(s);
    EXPECT_EQ(newGameWords(), fileWords(saveFileName()));
    EXPECT_EQ(292u + 16u, readFileBytes(saveFileName()).size());
    // Nothing is left beside it.
    EXPECT_TRUE(readFileBytes(std::string(saveFileName()) + ".tmp").empty());
}

TEST_F(SaveFileTest, EveryFieldRoundTrips) {
    PlayScreen& p = play(s);
    p.enterRoom(room::kShed);
    // Every saved field away from its new-game value: booleans flipped,
    // integers and floats distinct per word.
    std::vector<float> expected;
    for (int32_t k = 0; k < kPlayStateFieldCount; ++k) {
        const PlayStateField& f = kPlayStateFields[k];
        float value = 3.0f;
        if (f.word != 0 && f.word != kRoomWord) {
            if (f.kind == kFieldBool || f.kind == kFieldBoolAsInt) {
                p.story.*f.boolMember = f.defaultValue == 0.0f;
                value = p.story.*f.boolMember ? 1.0f : 0.0f;
            } else if (f.kind == kFieldInt) {
                p.story.*f.intMember = 7 * f.word - 100;
                value = static_cast<float>(p.story.*f.intMember);
            } else {
                p.story.*f.floatMember = -3.14159f + 0.25371f * static_cast<float>(f.word);
                value = p.story.*f.floatMember;
            }
        }
        expected.push_back(value);
    }
    p.player.position.set(1.23456f, -6.5f, 0.0f);
    p.player.viewAngles.set(0.0f, -0.3f, 2.5f);
    p.player.removeActionById(action::kTrick);
    for (int32_t id : {5, 17, 1}) {
        p.player.appendAction(id);
    }
    p.tutorial.executionLearned = true;
    save(s);
    EXPECT_EQ(292u + 4u * 6u, readFileBytes(saveFileName()).size());

    gNewGameRequest = 1;
    s.frames(1);
    ASSERT_EQ(room::kStreet, p.world.room);
    ASSERT_FALSE(p.story.nightAlmostOver);
    load(s);
    ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
    for (int32_t k = 0; k < kPlayStateFieldCount; ++k) {
        const PlayStateField& f = kPlayStateFields[k];
        if (f.word == 0 || f.word == kRoomWord) continue;
        if (f.kind == kFieldBool || f.kind == kFieldBoolAsInt) {
            EXPECT_EQ(expected[k] != 0.0f, p.story.*f.boolMember) << "word " << f.word;
        } else if (f.kind == kFieldInt) {
            EXPECT_EQ(static_cast<int32_t>(expected[k]), p.story.*f.intMember) << "word " << f.word;
        } else {
            EXPECT_NEAR(expected[k], p.story.*f.floatMember, 0.0001f) << "word " << f.word;
        }
    }
    // The unsaved fields start from their new-game values.
    EXPECT_FLOAT_EQ(1.0f, p.story.personGlow);
    EXPECT_FLOAT_EQ(0.0f, p.story.endingProgress);
    EXPECT_EQ(step::kNone, p.script.scriptStep);
    EXPECT_EQ(room::kShed, p.world.room);
    EXPECT_NEAR(1.23456f, p.player.position.x, 0.0001f);
    EXPECT_FLOAT_EQ(-6.5f, p.player.position.y);
    EXPECT_NEAR(-0.3f, p.player.viewAngles.y, 0.0001f);
    EXPECT_NEAR(2.5f, p.player.viewAngles.z, 0.0001f);
    std::vector<int32_t> ids;
    for (const std::unique_ptr<ActionEntry>& entry : p.player.actions()) ids.push_back(entry->actionId);
    EXPECT_EQ((std::vector<int32_t>{0, 1, 3, 5, 17, 1}), ids);
    // A finished tutorial chooses the last "ask".
    EXPECT_TRUE(p.tutorial.executionLearned && p.tutorial.actionSelectionLearned);
    EXPECT_EQ(p.player.actions().back().get(), p.player.selectedAction);
}

TEST_F(SaveFileTest, EveryShortenedFileFailsWithAReadError) {
    PlayScreen& p = play(s);
    save(s);
    const std::vector<uint8_t> whole = readFileBytes(saveFileName());
    ASSERT_EQ(308u, whole.size());
    for (size_t length = 0; length < whole.size(); ++length) {
        writeFileBytes(saveFileName(), std::vector<uint8_t>(whole.begin(), whole.begin() + length));
        load(s);
        ASSERT_EQ(kGameStateError, gGameState) << length;
        ASSERT_EQ(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted)) << length;
        ASSERT_NE(std::string::npos, gFatalErrorText.find(text::kErrorFileRead)) << length;
        // A file cut inside the play state never builds a room from a
        // missing word.
        ASSERT_TRUE(p.world.room == room::kNone || p.world.room == room::kStreet) << length;
        backToPlay();
    }
    writeFileBytes(saveFileName(), whole);
    load(s);
    EXPECT_EQ(kGameStatePlay, gGameState);
}

TEST_F(SaveFileTest, DamagedWordsReportACorruptFile) {
    PlayScreen& p = play(s);
    save(s);
    std::vector<uint32_t> words = fileWords(saveFileName());
    // Word 5 (the flower) is neither boolean code: reported, read as false,
    // and the rest of the file is still read.
    std::vector<uint32_t> badFlag = words;
    badFlag[13 + 4] = 670;
    badFlag[13 + 5] = kTrue;  // lockOpened
    writeWords(saveFileName(), badFlag);
    load(s);
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted));
    EXPECT_FALSE(p.story.flowerTaken);
    EXPECT_TRUE(p.story.lockOpened);
    backToPlay();

    // A room that does not exist is a damaged file, not a room to build.
    for (uint32_t roomWord : {669u + 8u, 669u - 1u, 669u + 1000u}) {
        std::vector<uint32_t> badRoom = words;
        badRoom[13 + 52] = roomWord;
        writeWords(saveFileName(), badRoom);
        load(s);
        EXPECT_EQ(kGameStateError, gGameState);
        EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted)) << roomWord;
        EXPECT_EQ(std::string::npos, gFatalErrorText.find(text::kErrorFileRead)) << roomWord;
        EXPECT_EQ(room::kNone, p.world.room);
        backToPlay();
    }

    // Action ids outside 0..18 are carried, named "use unknown item on" and
    // never used to index the names.
    std::vector<uint32_t> strange(words.begin(), words.begin() + 13 + 53 + 5);
    strange.push_back(669 + 3);
    strange.push_back(669 + 99);
    strange.push_back(669 - 5);
    strange.push_back(669 + 2);
    strange.push_back(kFalse);
    writeWords(saveFileName(), strange);
    load(s);
    ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
    EXPECT_EQ(text::kActionUnknown, p.selection.currentActionName());
    EXPECT_FALSE(p.selection.selectNextActionWrapping());
    EXPECT_EQ(text::kActionUnknown, p.selection.currentActionName());
    EXPECT_FALSE(p.selection.selectNextActionWrapping());
    EXPECT_EQ(text::kActionNames[2], p.selection.currentActionName());
    EXPECT_TRUE(p.selection.selectNextActionWrapping());
    EXPECT_EQ(99, p.player.selectedAction->actionId);
    s.frames(3);
    EXPECT_EQ(kGameStatePlay, gGameState);
}

// The game never takes the first four actions away, so it never writes an
// empty action list; a file that holds none (or a negative count) is damaged
// and must not reach play, where the first action press would find nothing.
TEST_F(SaveFileTest, ASaveWithoutActionsIsCorrupt) {
    PlayScreen& p = play(s);
    save(s);
    const std::vector<uint32_t> words = fileWords(saveFileName());
    const size_t countWord = 13 + 53 + 5;
    ASSERT_EQ(669u + 4u, words[countWord]);
    for (int32_t count : {0, -1, -4}) {
        std::vector<uint32_t> empty(words.begin(), words.begin() + countWord);
        empty.push_back(static_cast<uint32_t>(669 + count));
        empty.push_back(kFalse);
        writeWords(saveFileName(), empty);
        load(s);
        EXPECT_EQ(kGameStateError, gGameState) << count;
        EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted)) << count;
        EXPECT_EQ(std::string::npos, gFatalErrorText.find(text::kErrorFileRead)) << count;
        backToPlay();
    }
    writeWords(saveFileName(), words);
    load(s);
    EXPECT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
    EXPECT_EQ(4u, p.player.actions().size());
}

TEST_F(SaveFileTest, AFailedSaveKeepsTheOldFile) {
    PlayScreen& p = play(s);
    save(s);
    const std::vector<uint8_t> old = readFileBytes(saveFileName());
    p.player.position.set(8.0f, 4.0f, 0.0f);

    // The temporary file cannot be created.
    const std::string temporary = std::string(saveFileName()) + ".tmp";
    ASSERT_EQ(0, mkdir(temporary.c_str(), 0700));
    gSavedOk = 0;
    gSaveRequest = 1;
    s.frames(1);
    EXPECT_EQ(kGameStatePauseMenu, gGameState);
    EXPECT_EQ(1, gSaveFailed);
    EXPECT_EQ(0, gSavedOk);
    EXPECT_EQ(old, readFileBytes(saveFileName()));
    rmdir(temporary.c_str());
    s.tap(SDLK_ESCAPE);
    ASSERT_EQ(kGameStatePlay, gGameState);

    // The disk takes only 100 bytes: the writes land in the buffer, the close
    // fails, and the short file never replaces the save.
    gSaveFailed = 0;
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    gSaveRequest = 1;
    s.frames(1);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_EQ(1, gSaveFailed);
    EXPECT_EQ(0, gSavedOk);
    EXPECT_EQ(old, readFileBytes(saveFileName()));
    EXPECT_TRUE(readFileBytes(temporary).empty());
    s.tap(SDLK_ESCAPE);

    // With room again the save goes through and replaces the old one.
    gSaveRequest = 1;
    s.frames(1);
    EXPECT_EQ(1, gSavedOk);
    EXPECT_NE(old, readFileBytes(saveFileName()));
}

TEST_F(SaveFileTest, AnErrorRaisedInTheFrameIsNotTakenOverByTheMenu) {
    save(s);
    std::vector<uint32_t> words = fileWords(saveFileName());
    words[13 + 4] = 12345;
    writeWords(saveFileName(), words);
    // The load fails and Escape is down in the same frame.
    holdKey(SDLK_ESCAPE, true);
    load(s);
    holdKey(SDLK_ESCAPE, false);
    EXPECT_EQ(kGameStateError, gGameState);
    s.frames(2);
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted));
}

namespace {

// A place a hair's breadth from a wall, on the side of the wall away from
// zero, where the save's truncation toward zero moves the player into it.
struct WallCase {
    const char* label;
    int32_t room;
    void (*flags)(StoryState& story);
    float x, y;     // the feet, a hair from the wall
    float walkYaw;  // along the wall
};

void noFlags(StoryState&) {}
void shedSwept(StoryState& s) { s.broomTaken = true; }
void hallQuiet(StoryState& s) {
    s.nightAlmostOver = true;
    s.storyValue49 = s.storyValue50 = s.storyValue52 = 1.0f;
    s.storyFlag51 = true;
}

// The street's south wall (face y 0.6, the player north of it), the hall of
// room 7 under its north wall (face y -2.38571) and beside its east wall
// (face x -8.951), the house's west wall in room 4 (face x 1.50197) and the
// shed's east wall in room 3 (face x -3.3528): both signs on both axes.
const WallCase kWallCases[] = {
    {"room 0, y above zero", 0, noFlags, 7.5f, 0.80005f, 0.0f},
    {"room 7, y below zero", 7, hallQuiet, -10.0f, -2.58576f, 3.1415927f},
    {"room 4, x above zero", 4, noFlags, 1.70199f, 33.0f, 1.5707964f},
    {"room 3, x below zero", 3, shedSwept, -3.55285f, 38.8f, 1.5707964f},
    {"room 7, x below zero", 7, hallQuiet, -9.15105f, -2.7f, 4.712389f},
};

// The objects the player would stand in with the feet at feet.
std::string holdingAt(PlayScreen& p, const Vec3& feet) {
    const Vec3 kept = p.player.position;
    p.player.position = feet;
    const std::string holding = objectsHoldingPlayer(p);
    p.player.position = kept;
    return holding;
}

float truncatedBySave(float v) { return decodeSaveFloat(encodeSaveFloat(v)); }

}  // namespace

// A player who saved a hair's breadth from a wall comes back beside it, not
// in it: after the load the player walks on along the wall at 60 frames a
// second and the feet stay on the floor.
TEST_F(SaveFileTest, APlayerSavedAHairFromAWallWalksOnAlongIt) {
    writeEveryCatalogResource();
    PlayScreen& p = play(s);
    for (const WallCase& c : kWallCases) {
        SCOPED_TRACE(c.label);
        gNewGameRequest = 1;
        s.frames(1);
        c.flags(p.story);
        p.enterRoom(c.room);
        p.view.roomFade = 1.0f;
        // Standing on the floor, a hair from the wall, facing along it.
        p.player.position.set(c.x, c.y, c.room == room::kHall ? 1.1f : 0.0f);
        p.player.viewAngles.set(0.0f, 0.0f, c.walkYaw);
        framesAt60(s, 20);
        ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
        const Vec3 saved = p.player.position;
        ASSERT_EQ(c.x, saved.x);
        ASSERT_EQ(c.y, saved.y);
        ASSERT_EQ("", objectsHoldingPlayer(p));
        // The save's truncation alone would put the player inside the wall.
        const Vec3 truncated(truncatedBySave(saved.x), truncatedBySave(saved.y), truncatedBySave(saved.z));
        ASSERT_NE("", holdingAt(p, truncated));

        save(s);
        gNewGameRequest = 1;
        s.frames(1);
        load(s);
        ASSERT_EQ(kGameStatePlay, gGameState) << gFatalErrorText;
        ASSERT_EQ(c.room, p.world.room);
        EXPECT_EQ("", objectsHoldingPlayer(p));
        EXPECT_LE(placeGap(-1, saved, p.player.position), 2.5e-4f);

        const Vec3 start = p.player.position;
        holdKey(SDLK_w, true);
        framesAt60(s, 30);
        holdKey(SDLK_w, false);
        framesAt60(s, 10);
        const Vec3& end = p.player.position;
        const float along = std::hypot(end.x - start.x, end.y - start.y);
        EXPECT_GT(along, 0.6f) << "walked from " << vectorText(start) << " to " << vectorText(end);
        EXPECT_NEAR(saved.z, end.z, 0.05f) << "the feet left the floor";
        EXPECT_EQ("", objectsHoldingPlayer(p));
    }
}
