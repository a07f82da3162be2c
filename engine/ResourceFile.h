#ifndef QUENDRALVOSS_ENGINE_RESOURCEFILE_H
#define QUENDRALVOSS_ENGINE_RESOURCEFILE_H

#include <cstdint>
#include <memory>

// Reads the whole resource file at path and unscrambles it. Returns a buffer
// that the caller owns, with its length in length; null (length 0)
// when the file is missing, empty, unreadable or past 2 GiB, since every
// decoder takes a signed length.
std::unique_ptr<uint8_t[]> readResourceFile(const char* path, uint32_t& length);

#endif
