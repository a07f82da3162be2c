#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/SaveCodec.h"

class SaveCodecTest : public testing::Test {
protected:
    void SetUp() override {
        gGameState = kGameStatePlay;
        gFatalErrorText.clear();
    }
};

TEST_F(SaveCodecTest, BooleansRoundTripAndBadWordsAreCorruption) {
    EXPECT_EQ(792u, encodeSaveBool(true));
    EXPECT_EQ(990u, encodeSaveBool(false));
    EXPECT_TRUE(decodeSaveBool(encodeSaveBool(true)));
    EXPECT_FALSE(decodeSaveBool(encodeSaveBool(false)));
    EXPECT_EQ(kGameStatePlay, gGameState);
    for (uint32_t bad : {0u, 791u, 993u}) {
        gGameState = kGameStatePlay;
        EXPECT_FALSE(decodeSaveBool(bad));
        EXPECT_EQ(kGameStateError, gGameState) << bad;
        EXPECT_NE(std::string::npos, gFatalErrorText.find("save file corrupted"));
    }
}

TEST_F(SaveCodecTest, IntegersWrapWithTheirOffset) {
    for (int32_t v : {0, -1, 2147483647 - 669, 12345}) {
        EXPECT_EQ(v, decodeSaveInt(encodeSaveInt(v)));
    }
    EXPECT_EQ(0u, encodeSaveInt(-669));
    EXPECT_EQ(669u, encodeSaveInt(0));
    EXPECT_EQ(std::numeric_limits<int32_t>::min(), decodeSaveInt(encodeSaveInt(std::numeric_limits<int32_t>::min())));
}

TEST_F(SaveCodecTest, FloatsTruncateInDouble) {
    for (float v : {1.0f, -2.5f, 0.25f}) {
        EXPECT_FLOAT_EQ(v, decodeSaveFloat(encodeSaveFloat(v)));
    }
    EXPECT_EQ(6999u + 669669u, encodeSaveFloat(0.7f));
    EXPECT_NEAR(0.6999f, decodeSaveFloat(encodeSaveFloat(0.7f)), 1e-6f);
    EXPECT_EQ(669669u - 1u, encodeSaveFloat(-0.00015f));
    EXPECT_NEAR(-0.0001f, decodeSaveFloat(encodeSaveFloat(-0.00015f)), 1e-9f);
    EXPECT_EQ(669669u, encodeSaveFloat(0.0f));
    EXPECT_EQ(669669u, encodeSaveFloat(-0.0f));
}

// Room 7 marks its tunnel with 0.0001, which as a float is just under one
// step; it must still read back as above zero.
TEST_F(SaveCodecTest, TinyNonZeroFloatsKeepTheirSign) {
    EXPECT_EQ(669670u, encodeSaveFloat(0.0001f));
    EXPECT_GT(decodeSaveFloat(encodeSaveFloat(0.0001f)), 0.0f);
    EXPECT_EQ(669668u, encodeSaveFloat(-0.00001f));
    EXPECT_LT(decodeSaveFloat(encodeSaveFloat(-0.00001f)), 0.0f);
}

TEST_F(SaveCodecTest, OutOfRangeAndNanFloatsUseTheLowestWord) {
    const uint32_t lowest = static_cast<uint32_t>(std::numeric_limits<int32_t>::min()) + 669669u;
    EXPECT_EQ(lowest, encodeSaveFloat(214749.0f));
    EXPECT_EQ(lowest, encodeSaveFloat(-300000.0f));
    EXPECT_EQ(lowest, encodeSaveFloat(std::numeric_limits<float>::infinity()));
    EXPECT_EQ(lowest, encodeSaveFloat(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_NEAR(-214748.36f, decodeSaveFloat(lowest), 0.05f);
    EXPECT_EQ(214748u * 10000u + 669669u, encodeSaveFloat(214748.0f));
}

TEST_F(SaveCodecTest, SaveFileIsNamedGameSav) { EXPECT_STREQ("game.sav", saveFileName()); }

// A value read back lies at most one step nearer to zero than the one saved:
// the step away from zero gives the next word's value on either side of zero,
// so the saved value lies between the two; 0 (saved only for 0) stays.
TEST_F(SaveCodecTest, TheStepAwayFromZeroIsTheNextWordsValue) {
    for (float saved : {0.80005f, -2.58576f, 1.70199f, -9.15105f, 0.00015f, 123.45678f}) {
        const uint32_t word = encodeSaveFloat(saved);
        const float loaded = decodeSaveFloat(word);
        const float further = saveFloatStepAwayFromZero(loaded);
        EXPECT_EQ(decodeSaveFloat(saved > 0.0f ? word + 1u : word - 1u), further) << saved;
        EXPECT_LE(std::fabs(loaded), std::fabs(saved)) << saved;
        EXPECT_GE(std::fabs(further), std::fabs(saved)) << saved;
    }
    EXPECT_EQ(0.0f, saveFloatStepAwayFromZero(0.0f));
    EXPECT_FLOAT_EQ(0.0002f, saveFloatStepAwayFromZero(decodeSaveFloat(encodeSaveFloat(0.0001f))));
}
