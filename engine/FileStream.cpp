#include "engine/FileStream.h"

#include <unistd.h>

#include <limits>
#include <new>
#include <sys/stat.h>

FileStream::FileStream() : file(nullptr), failedFlag(0) {}

FileStream::~FileStream() {
    if (file) {
        fclose(file);
    }
}

bool FileStream::failed() const { return failedFlag != 0; }

void FileStream::openWith(const char* path, const char* mode) {
    if (file) {
        // fclose releases the stream even when its final flush fails, so the
        // handle is dropped either way and never closed twice.
        const int closed = fclose(file);
        file = nullptr;
        if (closed != 0) {
            failedFlag = 1;
            return;
        }
    }
    file = fopen(path, mode);
    if (!file) {
        failedFlag = 1;
        return;
    }
    // fopen happily opens a directory on Linux, whose length then reads as
    // 2^63-1; refuse anything that is not a regular file.
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        fclose(file);
        file = nullptr;
        failedFlag = 1;
        return;
    }
    failedFlag = 0;
}

void FileStream::openRead(const char* path) { openWith(path, "rb"); }

void FileStream::openWrite(const char* path) { openWith(path, "wb"); }

void FileStream::flush() {
    failedFlag = (file && fflush(file) != 0) ? 1 : 0;
}

void FileStream::syncToDisk() {
    failedFlag = (!file || fflush(file) != 0 || fsync(fileno(file)) != 0) ? 1 : 0;
}

void FileStream::close() {
    if (!file) {
        failedFlag = 0;
        return;
    }
    // The stream is released even when the close fails (its last flush).
    const int closed = fclose(file);
    file = nullptr;
    failedFlag = closed != 0 ? 1 : 0;
}

uint32_t FileStream::size() {
    if (!file || fseek(file, 0, SEEK_END) != 0) {
        failedFlag = 1;
        return 0;
    }
    const long position = ftell(file);
    rewind(file);
    if (position < 0 ||
        static_cast<unsigned long>(position) > std::numeric_limits<uint32_t>::max()) {
        failedFlag = 1;
        return 0;
    }
    failedFlag = 0;
    return static_cast<uint32_t>(position);
}

std::unique_ptr<uint8_t[]> FileStream::readAll() {
    const uint32_t length = size();
    if (failedFlag || length == 0) {
        failedFlag = 1;
        return nullptr;
    }
    // Not value-initialised: the read fills it. A failed allocation is a
    // failed read, not an abort.
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[length]);
    if (!buffer) {
        failedFlag = 1;
        return nullptr;
    }
    if (fread(buffer.get(), 1, length, file) != length) {
        failedFlag = 1;
        return nullptr;
    }
    failedFlag = 0;
    return buffer;
}

void FileStream::writeBytes(const void* buffer, uint32_t count) {
    if (!file) {
        failedFlag = 1;
        return;
    }
    failedFlag = (fwrite(buffer, 1, count, file) != count) ? 1 : 0;
}

bool FileStream::readRaw(void* out, size_t width) {
    if (!file || fread(out, width, 1, file) != 1) {
        failedFlag = 1;
        return false;
    }
    failedFlag = 0;
    return true;
}

bool FileStream::readBool() {
    uint8_t byte = 0;
    if (!readRaw(&byte, 1)) {
        return false;
    }
    if (byte != '0' && byte != '1') {
        failedFlag = 1;
        return false;
    }
    return byte == '1';
}

void FileStream::writeBool(bool value) {
    const uint8_t byte = value ? '1' : '0';
    writeBytes(&byte, 1);
}

uint8_t FileStream::readU8() {
    uint8_t byte = 0;
    return readRaw(&byte, 1) ? byte : 0;
}

int8_t FileStream::readI8() { return static_cast<int8_t>(readU8()); }

void FileStream::writeU8(uint8_t value) { writeBytes(&value, 1); }

void FileStream::writeI8(int8_t value) { writeU8(static_cast<uint8_t>(value)); }

uint32_t FileStream::readU32() {
    uint8_t bytes[4] = {0, 0, 0, 0};
    if (!readRaw(bytes, 4)) {
        return 0;
    }
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

int32_t FileStream::readI32() { return static_cast<int32_t>(readU32()); }

void FileStream::writeU32(uint32_t value) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                              static_cast<uint8_t>(value >> 16),
                              static_cast<uint8_t>(value >> 24)};
    writeBytes(bytes, 4);
}

void FileStream::writeI32(int32_t value) { writeU32(static_cast<uint32_t>(value)); }

uint64_t FileStream::readU64() {
    uint8_t bytes[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    if (!readRaw(bytes, 8)) {
        return 0;
    }
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

int64_t FileStream::readI64() { return static_cast<int64_t>(readU64()); }

void FileStream::writeU64(uint64_t value) {
    uint8_t bytes[8];
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
    writeBytes(bytes, 8);
}

void FileStream::writeI64(int64_t value) { writeU64(static_cast<uint64_t>(value)); }

std::string FileStream::readString() {
    std::string text;
    for (;;) {
        uint8_t byte = 0;
        if (!readRaw(&byte, 1)) {
            return std::string();
        }
        if (byte == 0) {
            return text;
        }
        text.push_back(static_cast<char>(byte));
    }
}

void FileStream::writeString(const std::string& text) {
    bool ok = true;
    for (char c : text) {
        if (c == 0) {
            ok = false;
            break;
        }
        writeBytes(&c, 1);
        if (failedFlag) {
            ok = false;
            break;
        }
    }
    const uint8_t zero = 0;
    writeBytes(&zero, 1);
    if (!ok) {
        failedFlag = 1;
    }
}

void FileStream::writeText(const std::string& text) {
    for (char c : text) {
        writeBytes(&c, 1);
        if (failedFlag) {
            return;
        }
    }
    if (!file) {
        failedFlag = 1;
        return;
    }
    failedFlag = 0;
}
