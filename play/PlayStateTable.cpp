#include "play/PlayStateTable.h"

#include "engine/CountOf.h"

// Words 1 to 53 in save order, then the fields a new game resets without
// saving them. The costume flags are reset to false here; the costume itself
// is applied afterwards.
const PlayStateField kPlayStateFields[] = {
    {1, kFieldBool, &PlayScreen::costumeGhost, nullptr, nullptr, 0.0f},
    {2, kFieldBool, &PlayScreen::costumeWerewolf, nullptr, nullptr, 0.0f},
    {3, kFieldBool, &PlayScreen::costumeDeath, nullptr, nullptr, 0.0f},
    {4, kFieldFloat, nullptr, nullptr, &PlayScreen::storyValue04, 0.0f},
    {5, kFieldBool, &PlayScreen::flowerTaken, nullptr, nullptr, 0.0f},
    {6, kFieldBool, &PlayScreen::lockOpened, nullptr, nullptr, 0.0f},
    {7, kFieldBool, &PlayScreen::storyFlag07, nullptr, nullptr, 0.0f},
    {8, kFieldBool, &PlayScreen::candleTaken, nullptr, nullptr, 0.0f},
    {9, kFieldBool, &PlayScreen::keyTaken, nullptr, nullptr, 0.0f},
    {10, kFieldBool, &PlayScreen::bristlesTaken, nullptr, nullptr, 0.0f},
    {11, kFieldBool, &PlayScreen::broomstickTaken, nullptr, nullptr, 0.0f},
    {12, kFieldBool, &PlayScreen::broomstickInCrack, nullptr, nullptr, 0.0f},
    {13, kFieldBool, &PlayScreen::moniqueHasFlower, nullptr, nullptr, 0.0f},
    {14, kFieldFloat, nullptr, nullptr, &PlayScreen::storyValue14, 0.0f},
    {15, kFieldBool, &PlayScreen::hatTaken, nullptr, nullptr, 0.0f},
    {16, kFieldBool, &PlayScreen::hatOnBroomstick, nullptr, nullptr, 0.0f},
    {17, kFieldBool, &PlayScreen::knifeTaken, nullptr, nullptr, 0.0f},
    {18, kFieldBool, &PlayScreen::ropeTaken, nullptr, nullptr, 0.0f},
    {19, kFieldBool, &PlayScreen::rockTaken, nullptr, nullptr, 0.0f},
    {20, kFieldBool, &PlayScreen::storyFlag20, nullptr, nullptr, 0.0f},
    {21, kFieldBool, &PlayScreen::storyFlag21, nullptr, nullptr, 0.0f},
    {22, kFieldBool, &PlayScreen::storyFlag22, nullptr, nullptr, 0.0f},
    {23, kFieldBool, &PlayScreen::storyFlag23, nullptr, nullptr, 0.0f},
    {24, kFieldBool, &PlayScreen::storyFlag24, nullptr, nullptr, 0.0f},
    {25, kFieldBool, &PlayScreen::coinHeld, nullptr, nullptr, 0.0f},
    {26, kFieldBool, &PlayScreen::coinInserted, nullptr, nullptr, 0.0f},
    {27, kFieldBool, &PlayScreen::coinInWell, nullptr, nullptr, 0.0f},
    {28, kFieldBool, &PlayScreen::ropeOnPole, nullptr, nullptr, 0.0f},
    {29, kFieldBool, &PlayScreen::broomTaken, nullptr, nullptr, 0.0f},
    {30, kFieldBool, &PlayScreen::bonePlaced, nullptr, nullptr, 0.0f},
    {31, kFieldBool, &PlayScreen::boneTaken, nullptr, nullptr, 0.0f},
    {32, kFieldBool, &PlayScreen::dogGotBone, nullptr, nullptr, 0.0f},
    {33, kFieldInt, nullptr, &PlayScreen::storyCount33, nullptr, 0.0f},
    {34, kFieldBoolAsInt, &PlayScreen::doorKnocked, nullptr, nullptr, 0.0f},
    {35, kFieldBoolAsInt, &PlayScreen::storyCount35, nullptr, nullptr, 0.0f},
    {36, kFieldBool, &PlayScreen::storyFlag36, nullptr, nullptr, 1.0f},
    {37, kFieldBool, &PlayScreen::storyFlag37, nullptr, nullptr, 0.0f},
    {38, kFieldInt, nullptr, &PlayScreen::chairKnocks, nullptr, 0.0f},
    {39, kFieldFloat, nullptr, nullptr, &PlayScreen::chairAngle, -109.0f},
    {40, kFieldInt, nullptr, &PlayScreen::storyCount40, nullptr, 0.0f},
    {41, kFieldBool, &PlayScreen::storyFlag41, nullptr, nullptr, 1.0f},
    {42, kFieldBool, &PlayScreen::storyFlag42, nullptr, nullptr, 0.0f},
    {43, kFieldBool, &PlayScreen::storyFlag43, nullptr, nullptr, 0.0f},
    {44, kFieldBool, &PlayScreen::specialTrickLearned, nullptr, nullptr, 0.0f},
    {45, kFieldBool, &PlayScreen::nightAlmostOver, nullptr, nullptr, 0.0f},
    {46, kFieldBool, &PlayScreen::treatTaken, nullptr, nullptr, 0.0f},
    {47, kFieldBool, &PlayScreen::letterTaken, nullptr, nullptr, 0.0f},
    {48, kFieldBool, &PlayScreen::storyFlag48, nullptr, nullptr, 0.0f},
    {49, kFieldFloat, nullptr, nullptr, &PlayScreen::storyValue49, 0.0f},
    {50, kFieldFloat, nullptr, nullptr, &PlayScreen::storyValue50, 0.0f},
    {51, kFieldBool, &PlayScreen::storyFlag51, nullptr, nullptr, 0.0f},
    {52, kFieldFloat, nullptr, nullptr, &PlayScreen::storyValue52, 0.0f},
    {53, kFieldInt, nullptr, &PlayScreen::room, nullptr, -1.0f},
    {0, kFieldFloat, nullptr, nullptr, &PlayScreen::personGlow, 1.0f},
    {0, kFieldFloat, nullptr, nullptr, &PlayScreen::endingProgress, 0.0f},
};

const int32_t kPlayStateFieldCount = COUNT_OF(kPlayStateFields);

namespace {

// The row as a field of the shared save table; play-state booleans are never
// stored negated and no float lies inside a vector.
SaveField<PlayScreen> saveFieldOf(const PlayStateField& field) {
    return SaveField<PlayScreen>{
        field.kind, false, field.boolMember, field.intMember, field.floatMember, nullptr, nullptr};
}

}  // namespace

uint32_t encodePlayStateField(const PlayScreen& screen, const PlayStateField& field) {
    return encodeSaveField(screen, saveFieldOf(field));
}

void decodePlayStateField(PlayScreen& screen, const PlayStateField& field, uint32_t word) {
    decodeSaveField(screen, saveFieldOf(field), word);
}

void resetPlayStateField(PlayScreen& screen, const PlayStateField& field) {
    switch (field.kind) {
    case kFieldBool:
    case kFieldBoolAsInt:
        screen.*field.boolMember = field.defaultValue != 0.0f;
        break;
    case kFieldInt:
        screen.*field.intMember = static_cast<int32_t>(field.defaultValue);
        break;
    case kFieldFloat:
        screen.*field.floatMember = field.defaultValue;
        break;
    }
}
