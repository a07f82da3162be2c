#ifndef QUENDRALVOSS_ENGINE_SCRAMBLE_H
#define QUENDRALVOSS_ENGINE_SCRAMBLE_H

#include <cstdint>

// Every resource file is stored scrambled with the game's 8-byte key. Both
// functions walk the buffer from its last byte to its first; step i uses key
// byte i mod 8, so the key index counts steps from the end of the buffer.

// Scrambles count bytes of buffer in place: each stored byte is the running sum
// (mod 256) of the plain bytes from the end up to it, each with its key byte.
void scrambleBuffer(uint8_t* buffer, uint32_t count);

// Reverses scrambleBuffer in place. A count of 0 leaves the buffer untouched.
void unscrambleBuffer(uint8_t* buffer, uint32_t count);

#endif
