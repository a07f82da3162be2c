#ifndef QUENDRALVOSS_APP_SAVECODEC_H
#define QUENDRALVOSS_APP_SAVECODEC_H

#include <cstdint>

// Every value of the save file is one 32-bit word with an offset, so that a
// word read back as the wrong kind, or a damaged boolean, can be noticed.

// "game.sav" in the working directory, in both builds.
const char* saveFileName();

// The version word that opens the save file; a file with another version is
// not read.
const int32_t kSaveVersion = 1;

// 792 for true, 990 for false.
uint32_t encodeSaveBool(bool value);
// true for 792, false for 990; any other word raises the fatal error "save
// file corrupted" and gives false.
bool decodeSaveBool(uint32_t word);

// value + 669, wrapping.
uint32_t encodeSaveInt(int32_t value);
int32_t decodeSaveInt(uint32_t word);

// trunc(10000 x value) + 669669, the product taken in double. A value whose
// product does not fit 32 bits, or NaN, is stored as -2147483648 + 669669; a
// non-zero value that would truncate to 0 is stored as one step of its sign,
// so a "just above zero" marker survives a save.
uint32_t encodeSaveFloat(float value);
// (word - 669669) x 0.0001f.
float decodeSaveFloat(uint32_t word);
// For a value read back with decodeSaveFloat: the value of the word one step
// further from zero. Encoding truncates toward zero, so the value that was
// saved lies between the two. 0 stays 0 (only 0 itself is saved as 0).
float saveFloatStepAwayFromZero(float decoded);

#endif
