#include "play/PlayStateTable.h"

#include "engine/CountOf.h"

// Words 1 to 53 in save order, then the fields a new game resets without
// saving them. The costume flags are reset to false here; the costume itself
// is applied afterwards.
const PlayStateField kPlayStateFields[] = {
    {1, kFieldBool, &StoryState::costumeGhost, nullptr, nullptr, 0.0f},
    {2, kFieldBool, &StoryState::costumeWerewolf, nullptr, nullptr, 0.0f},
    {3, kFieldBool, &StoryState::costumeDeath, nullptr, nullptr, 0.0f},
    {4, kFieldFloat, nullptr, nullptr, &StoryState::storyValue04, 0.0f},
    {5, kFieldBool, &StoryState::flowerTaken, nullptr, nullptr, 0.0f},
    {6, kFieldBool, &StoryState::lockOpened, nullptr, nullptr, 0.0f},
    {7, kFieldBool, &StoryState::storyFlag07, nullptr, nullptr, 0.0f},
    {8, kFieldBool, &StoryState::candleTaken, nullptr, nullptr, 0.0f},
    {9, kFieldBool, &StoryState::keyTaken, nullptr, nullptr, 0.0f},
    {10, kFieldBool, &StoryState::bristlesTaken, nullptr, nullptr, 0.0f},
    {11, kFieldBool, &StoryState::broomstickTaken, nullptr, nullptr, 0.0f},
    {12, kFieldBool, &StoryState::broomstickInCrack, nullptr, nullptr, 0.0f},
    {13, kFieldBool, &StoryState::moniqueHasFlower, nullptr, nullptr, 0.0f},
    {14, kFieldFloat, nullptr, nullptr, &StoryState::storyValue14, 0.0f},
    {15, kFieldBool, &StoryState::hatTaken, nullptr, nullptr, 0.0f},
    {16, kFieldBool, &StoryState::hatOnBroomstick, nullptr, nullptr, 0.0f},
    {17, kFieldBool, &StoryState::knifeTaken, nullptr, nullptr, 0.0f},
    {18, kFieldBool, &StoryState::ropeTaken, nullptr, nullptr, 0.0f},
    {19, kFieldBool, &StoryState::rockTaken, nullptr, nullptr, 0.0f},
    {20, kFieldBool, &StoryState::storyFlag20, nullptr, nullptr, 0.0f},
    {21, kFieldBool, &StoryState::storyFlag21, nullptr, nullptr, 0.0f},
    {22, kFieldBool, &StoryState::storyFlag22, nullptr, nullptr, 0.0f},
    {23, kFieldBool, &StoryState::storyFlag23, nullptr, nullptr, 0.0f},
    {24, kFieldBool, &StoryState::storyFlag24, nullptr, nullptr, 0.0f},
    {25, kFieldBool, &StoryState::coinHeld, nullptr, nullptr, 0.0f},
    {26, kFieldBool, &StoryState::coinInserted, nullptr, nullptr, 0.0f},
    {27, kFieldBool, &StoryState::coinInWell, nullptr, nullptr, 0.0f},
    {28, kFieldBool, &StoryState::ropeOnPole, nullptr, nullptr, 0.0f},
    {29, kFieldBool, &StoryState::broomTaken, nullptr, nullptr, 0.0f},
    {30, kFieldBool, &StoryState::bonePlaced, nullptr, nullptr, 0.0f},
    {31, kFieldBool, &StoryState::boneTaken, nullptr, nullptr, 0.0f},
    {32, kFieldBool, &StoryState::dogGotBone, nullptr, nullptr, 0.0f},
    {33, kFieldInt, nullptr, &StoryState::storyCount33, nullptr, 0.0f},
    {34, kFieldBoolAsInt, &StoryState::doorKnocked, nullptr, nullptr, 0.0f},
    {35, kFieldBoolAsInt, &StoryState::storyCount35, nullptr, nullptr, 0.0f},
    {36, kFieldBool, &StoryState::storyFlag36, nullptr, nullptr, 1.0f},
    {37, kFieldBool, &StoryState::storyFlag37, nullptr, nullptr, 0.0f},
    {38, kFieldInt, nullptr, &StoryState::chairKnocks, nullptr, 0.0f},
    {39, kFieldFloat, nullptr, nullptr, &StoryState::chairAngle, -109.0f},
    {40, kFieldInt, nullptr, &StoryState::storyCount40, nullptr, 0.0f},
    {41, kFieldBool, &StoryState::storyFlag41, nullptr, nullptr, 1.0f},
    {42, kFieldBool, &StoryState::storyFlag42, nullptr, nullptr, 0.0f},
    {43, kFieldBool, &StoryState::storyFlag43, nullptr, nullptr, 0.0f},
    {44, kFieldBool, &StoryState::specialTrickLearned, nullptr, nullptr, 0.0f},
    {45, kFieldBool, &StoryState::nightAlmostOver, nullptr, nullptr, 0.0f},
    {46, kFieldBool, &StoryState::treatTaken, nullptr, nullptr, 0.0f},
    {47, kFieldBool, &StoryState::letterTaken, nullptr, nullptr, 0.0f},
    {48, kFieldBool, &StoryState::storyFlag48, nullptr, nullptr, 0.0f},
    {49, kFieldFloat, nullptr, nullptr, &StoryState::storyValue49, 0.0f},
    {50, kFieldFloat, nullptr, nullptr, &StoryState::storyValue50, 0.0f},
    {51, kFieldBool, &StoryState::storyFlag51, nullptr, nullptr, 0.0f},
    {52, kFieldFloat, nullptr, nullptr, &StoryState::storyValue52, 0.0f},
    // The room belongs to the world, not the story: no member names it.
    {kRoomWord, kFieldInt, nullptr, nullptr, nullptr, -1.0f},
    {0, kFieldFloat, nullptr, nullptr, &StoryState::personGlow, 1.0f},
    {0, kFieldFloat, nullptr, nullptr, &StoryState::endingProgress, 0.0f},
};

const int32_t kPlayStateFieldCount = COUNT_OF(kPlayStateFields);

namespace {

// The row as a field of the shared save table; play-state booleans are never
// stored negated and no float lies inside a vector.
SaveField<StoryState> saveFieldOf(const PlayStateField& field) {
    return SaveField<StoryState>{
        field.kind, false, field.boolMember, field.intMember, field.floatMember, nullptr, nullptr};
}

}  // namespace

int32_t& playStateInt(PlayScreen& screen, const PlayStateField& field) {
    return field.intMember ? screen.story.*field.intMember : screen.world.room;
}

int32_t playStateInt(const PlayScreen& screen, const PlayStateField& field) {
    return field.intMember ? screen.story.*field.intMember : screen.world.room;
}

uint32_t encodePlayStateField(const PlayScreen& screen, const PlayStateField& field) {
    if (field.kind == kFieldInt) {
        return encodeSaveInt(playStateInt(screen, field));
    }
    return encodeSaveField(screen.story, saveFieldOf(field));
}

void decodePlayStateField(PlayScreen& screen, const PlayStateField& field, uint32_t word) {
    if (field.kind == kFieldInt) {
        playStateInt(screen, field) = decodeSaveInt(word);
        return;
    }
    decodeSaveField(screen.story, saveFieldOf(field), word);
}

void resetPlayStateField(PlayScreen& screen, const PlayStateField& field) {
    switch (field.kind) {
    case kFieldBool:
    case kFieldBoolAsInt:
        screen.story.*field.boolMember = field.defaultValue != 0.0f;
        break;
    case kFieldInt:
        playStateInt(screen, field) = static_cast<int32_t>(field.defaultValue);
        break;
    case kFieldFloat:
        screen.story.*field.floatMember = field.defaultValue;
        break;
    }
}
