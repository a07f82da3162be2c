#ifndef QUENDRALVOSS_ENGINE_MEMORYREADER_H
#define QUENDRALVOSS_ENGINE_MEMORYREADER_H

#include <cstdint>
#include <memory>

// One whole resource file held in memory, unscrambled, read in order as bytes
// and little-endian 32-bit words. Every load and read sets the failure flag to
// its own outcome; reads past the end yield 0 and never leave the buffer.
class MemoryReader {
public:
    MemoryReader();
    ~MemoryReader();
    MemoryReader(const MemoryReader&) = delete;
    MemoryReader& operator=(const MemoryReader&) = delete;

    bool failed() const;
    // Replaces the contents with the unscrambled file at path; a missing,
    // unreadable or empty file leaves the reader empty and failed.
    void loadFile(const char* path);
    // Drops the contents and clears the flag.
    void release();
    // The next byte, or 0 and a failure at the end (position unchanged).
    uint8_t readByte();
    // The next four bytes as a little-endian word, or 0 and a failure when
    // fewer than four are left (position unchanged).
    uint32_t readU32();

    int32_t getPosition() const { return position; }
    int32_t getLength() const { return length; }

private:
    int32_t position;
    int32_t length;
    std::unique_ptr<uint8_t[]> data;
    uint8_t errorFlag;
};

#endif
