#include "engine/MemoryReader.h"

#include "engine/ResourceFile.h"

MemoryReader::MemoryReader() : position(0), length(0), errorFlag(0) {}

MemoryReader::~MemoryReader() = default;

bool MemoryReader::failed() const { return errorFlag != 0; }

void MemoryReader::loadFile(const char* path) {
    position = 0;
    length = 0;
    data.reset();

    uint32_t size = 0;
    data = readResourceFile(path, size);
    if (!data) {
        errorFlag = 1;
        return;
    }
    length = static_cast<int32_t>(size);
    errorFlag = 0;
}

void MemoryReader::release() {
    position = 0;
    length = 0;
    data.reset();
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
    const uint8_t* p = data.get() + position;
    position += 4;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
