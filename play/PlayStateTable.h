#ifndef QUENDRALVOSS_PLAY_PLAYSTATETABLE_H
#define QUENDRALVOSS_PLAY_PLAYSTATETABLE_H

#include <cstdint>

#include "play/PlayScreen.h"
#include "play/SaveFieldTable.h"
#include "play/StoryState.h"

// One field of the play state: its word in the save file (1..53; 0 for a
// field that is only reset, never saved), how it is stored, which story member
// it is (exactly one pointer is set, by kind; none for the room word, which is
// the world's room) and its new-game value.
struct PlayStateField {
    int32_t word;
    SaveFieldKind kind;
    bool StoryState::*boolMember;
    int32_t StoryState::*intMember;
    float StoryState::*floatMember;
    float defaultValue;
};

// Every saved word in save order, then the unsaved fields that a new game
// resets. Reset, save and load all walk this one table.
extern const PlayStateField kPlayStateFields[];
extern const int32_t kPlayStateFieldCount;
// The number of words the play state takes in the save file.
const int32_t kPlayStateWordCount = 53;
// The word that holds the room; it is read last and the room built from it.
const int32_t kRoomWord = 53;

// The field's value as its save word.
uint32_t encodePlayStateField(const PlayScreen& screen, const PlayStateField& field);
// Stores the decoded word in the field (a bad boolean word raises "save file
// corrupted" and stores false).
void decodePlayStateField(PlayScreen& screen, const PlayStateField& field, uint32_t word);
// Sets the field to its new-game value.
void resetPlayStateField(PlayScreen& screen, const PlayStateField& field);
// The integer field in screen: its story member, or for the room word the
// world's room.
int32_t& playStateInt(PlayScreen& screen, const PlayStateField& field);
int32_t playStateInt(const PlayScreen& screen, const PlayStateField& field);

#endif
