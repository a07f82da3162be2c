// The shared field table of the save file: every kind of row written in table
// order and read back, negated booleans, floats inside a vector member,
// damaged and missing words, a failed write; and the tutorial's word, which
// is such a negated row.
#include <gtest/gtest.h>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/SaveCodec.h"
#include "engine/FileStream.h"
#include "play/SaveFieldTable.h"
#include "support/PlayHarness.h"
#include "support/TestDirectory.h"
#include "text/Text.h"

using namespace playtest;

namespace {

struct Sample {
    bool flag;
    bool notDone;
    bool knocked;
    bool untried;
    int32_t count;
    float speed;
    Vec3 place;
};

const SaveField<Sample> kSampleFields[] = {
    {kFieldBool, false, &Sample::flag, nullptr, nullptr, nullptr, nullptr},
    {kFieldBool, true, &Sample::notDone, nullptr, nullptr, nullptr, nullptr},
    {kFieldBoolAsInt, false, &Sample::knocked, nullptr, nullptr, nullptr, nullptr},
    {kFieldBoolAsInt, true, &Sample::untried, nullptr, nullptr, nullptr, nullptr},
    {kFieldInt, false, nullptr, &Sample::count, nullptr, nullptr, nullptr},
    {kFieldFloat, false, nullptr, nullptr, &Sample::speed, nullptr, nullptr},
    {kFieldFloat, false, nullptr, nullptr, nullptr, &Sample::place, &Vec3::z},
    {kFieldFloat, false, nullptr, nullptr, nullptr, &Sample::place, &Vec3::x},
};
const int32_t kSampleCount = 8;

const Sample kSome = {true, true, true, false, -42, 2.5f, Vec3(1.25f, 7.0f, -0.5f)};
// Every field away from kSome.
const Sample kOther = {false, false, false, true, 9, -1.0f, Vec3(3.0f, 4.0f, 5.0f)};

bool saveSample(const char* path, const Sample& sample) {
    FileStream out;
    out.openWrite(path);
    return writeSaveFields(out, sample, kSampleFields, kSampleCount);
}

bool loadSample(const char* path, Sample& sample) {
    FileStream in;
    in.openRead(path);
    return readSaveFields(in, sample, kSampleFields, kSampleCount);
}

class SaveFieldTableTest : public testing::Test {
protected:
    void SetUp() override {
        gGameState = kGameStatePlay;
        gFatalErrorText.clear();
    }
    TestDirectory directory;
};

}  // namespace

TEST_F(SaveFieldTableTest, RowsAreWrittenInTableOrderAndReadBack) {
    ASSERT_TRUE(saveSample("sample.sav", kSome));
    // A negated boolean stores its opposite; a vector row stores only its own
    // component, in the order of the table rather than of the vector.
    const std::vector<uint32_t> expected = {792u, 990u, 670u, 670u, encodeSaveInt(-42), 669669u + 25000u,
                                            669669u - 5000u, 669669u + 12500u};
    EXPECT_EQ(expected, fileWords("sample.sav"));

    Sample loaded = kOther;
    ASSERT_TRUE(loadSample("sample.sav", loaded));
    EXPECT_TRUE(loaded.flag);
    EXPECT_TRUE(loaded.notDone);
    EXPECT_TRUE(loaded.knocked);
    EXPECT_FALSE(loaded.untried);
    EXPECT_EQ(-42, loaded.count);
    EXPECT_FLOAT_EQ(2.5f, loaded.speed);
    EXPECT_FLOAT_EQ(1.25f, loaded.place.x);
    EXPECT_FLOAT_EQ(4.0f, loaded.place.y);  // not in the table
    EXPECT_FLOAT_EQ(-0.5f, loaded.place.z);
    EXPECT_EQ(kGameStatePlay, gGameState);
}

TEST_F(SaveFieldTableTest, DamagedBooleansAreReportedAndTheRestIsRead) {
    ASSERT_TRUE(saveSample("sample.sav", kSome));
    std::vector<uint32_t> words = fileWords("sample.sav");
    // A bad word reads as false: a negated row becomes true.
    words[0] = 670u;
    words[1] = 0u;
    writeWords("damaged.sav", words);
    Sample loaded = kOther;
    loaded.flag = true;
    EXPECT_TRUE(loadSample("damaged.sav", loaded));
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted));
    EXPECT_FALSE(loaded.flag);
    EXPECT_TRUE(loaded.notDone);
    EXPECT_EQ(-42, loaded.count);
    EXPECT_FLOAT_EQ(1.25f, loaded.place.x);
}

TEST_F(SaveFieldTableTest, AShortFileStopsAtTheMissingWord) {
    ASSERT_TRUE(saveSample("sample.sav", kSome));
    const std::vector<uint8_t> whole = readFileBytes("sample.sav");
    ASSERT_EQ(4u * kSampleCount, whole.size());
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        ASSERT_TRUE(writeFileBytes("short.sav", std::vector<uint8_t>(whole.begin(), whole.begin() + cut)));
        Sample loaded = kOther;
        EXPECT_FALSE(loadSample("short.sav", loaded)) << cut;
        // The whole words before the cut are stored, nothing from the cut on.
        const size_t read = cut / 4;
        EXPECT_EQ(read > 0, loaded.flag) << cut;
        EXPECT_EQ(read > 4 ? -42 : 9, loaded.count) << cut;
        EXPECT_FLOAT_EQ(read > 7 ? 1.25f : 3.0f, loaded.place.x) << cut;
    }
    EXPECT_EQ(kGameStatePlay, gGameState);
}

TEST_F(SaveFieldTableTest, AFailedWriteStopsTheSave) {
    FileStream closed;
    EXPECT_FALSE(writeSaveFields(closed, kSome, kSampleFields, kSampleCount));
    EXPECT_TRUE(closed.failed());
}

// The tutorial's one word says whether it still runs: a running tutorial
// restarts from the look hint, a finished one has learned every stage, and a
// damaged word is reported and read as finished.
TEST(TutorialSaveWord, RunningFinishedAndDamaged) {
    ScreenSession s;
    ASSERT_TRUE(reachPlayByNewGame(s));
    TutorialHints& t = play(s).tutorial;
    const auto saveWord = [&t]() {
        FileStream out;
        out.openWrite("tutorial.sav");
        EXPECT_TRUE(t.saveTutorialState(out));
        out.close();
        return fileWords("tutorial.sav");
    };
    const auto loadWord = [&t](uint32_t word) {
        writeWords("tutorial.sav", {word});
        FileStream in;
        in.openRead("tutorial.sav");
        return t.loadTutorialState(in);
    };

    t.lookDownLearned = t.walkLeftLearned = true;
    EXPECT_EQ((std::vector<uint32_t>{792u}), saveWord());
    ASSERT_TRUE(loadWord(990u));
    EXPECT_TRUE(t.lookUpLearned && t.walkBackLearned && t.targetSelectionLearned && t.executionLearned);
    EXPECT_EQ("", t.text);
    EXPECT_EQ((std::vector<uint32_t>{990u}), saveWord());

    ASSERT_TRUE(loadWord(792u));
    EXPECT_FALSE(t.lookDownLearned || t.actionSelectionLearned || t.executionLearned);
    EXPECT_EQ(text::kTutorialHints[0][0], t.text);
    EXPECT_EQ(kGameStatePlay, gGameState);

    ASSERT_TRUE(loadWord(791u));
    EXPECT_EQ(kGameStateError, gGameState);
    EXPECT_NE(std::string::npos, gFatalErrorText.find(text::kErrorSaveCorrupted));
    EXPECT_TRUE(t.walkRightLearned && t.executionLearned);

    // An empty file fails without touching the flags.
    writeFileBytes("tutorial.sav", {});
    FileStream in;
    in.openRead("tutorial.sav");
    EXPECT_FALSE(t.loadTutorialState(in));
    EXPECT_TRUE(t.executionLearned);
}
