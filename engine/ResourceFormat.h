#ifndef QUENDRALVOSS_ENGINE_RESOURCEFORMAT_H
#define QUENDRALVOSS_ENGINE_RESOURCEFORMAT_H

#include <cstdint>

// The shapes of resource file that the game's content uses and that the
// system's decoders read safely. The decoders trust what they are given (a
// chunk that claims more bytes than the file holds, a sound of no channels or
// of 8 samples a second can hang or crash them), so the loaders hand them only
// bytes that pass these checks; anything else fails the load as a missing file
// does. Each check takes the unscrambled bytes and never reads past length.

// A PNG: the signature, a header of 1 to 8192 pixels a side with a valid bit
// depth and colour type, every chunk lying within the bytes, image data, and
// the end chunk last.
bool isSafePicture(const uint8_t* bytes, uint32_t length);

// A RIFF/WAVE sound of PCM samples: every chunk within the bytes, a format
// chunk before the data chunk, 1 or 2 channels of 8 or 16 bits, a rate from
// 8000 to 96000 a second, and a block size and byte rate that agree.
bool isSafeSound(const uint8_t* bytes, uint32_t length);

// An Ogg Vorbis track: the Ogg signature on a first page that holds the
// Vorbis identification header, with 1 or 2 channels and a rate from 8000 to
// 96000 a second.
bool isSafeMusic(const uint8_t* bytes, uint32_t length);

#endif
