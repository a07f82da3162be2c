#include "engine/MemoryReader.h"

#include <cstdlib>

#include "engine/FileStream.h"
#include "engine/Scramble.h"

MemoryReader::MemoryReader() : position(0), length(0), data(nullptr), errorFlag(0) {}

MemoryReader::~MemoryReader() { free(data); }

bool MemoryReader::failed() const { return errorFlag != 0; }

void MemoryReader::loadFile(const char* path) {
    position = 0;
    length = 0;
    free(data);
    data = nullptr;

    FileStream stream;
    stream.openRead(path);
    if (stream.failed()) {
        errorFlag = 1;
        return;
    }
    const uint32_t size = stream.size();
    data = stream.readAll();
    stream.close();
    // The reader counts with signed positions; a file past 2 GiB is no
    // resource of ours and is refused rather than wrapped.
    if (!data || size > 0x7fffffffu) {
        free(data);
        data = nullptr;
        errorFlag = 1;
        return;
    }
    length = static_cast<int32_t>(size);
    unscrambleBuffer(data, size);
    errorFlag = 0;
}

void MemoryReader::release() {
    position = 0;
    length = 0;
    free(data);
    data = nullptr;
    errorFlag = 0;
}

uint8_t MemoryReader::readByte() {
    if (!data || position >= length) {
        errorFlag = 1;
        return 0;
    }
    errorFlag = 0;
    return data[position++];
}

uint32_t MemoryReader::readU32() {
    if (!data || length - position < 4) {
        errorFlag = 1;
        return 0;
    }
    errorFlag = 0;
    const uint8_t* p = data + position;
    position += 4;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
