#include "engine/ResourceFile.h"

#include "engine/FileStream.h"
#include "engine/Scramble.h"

std::unique_ptr<uint8_t[]> readResourceFile(const char* path, uint32_t& length) {
    length = 0;
    FileStream stream;
    stream.openRead(path);
    if (stream.failed()) {
        return nullptr;
    }
    const uint32_t size = stream.size();
    std::unique_ptr<uint8_t[]> contents = stream.readAll();
    stream.close();
    if (!contents || size > 0x7fffffffu) {
        return nullptr;
    }
    unscrambleBuffer(contents.get(), size);
    length = size;
    return contents;
}
