#ifndef QUENDRALVOSS_ENGINE_FILESTREAM_H
#define QUENDRALVOSS_ENGINE_FILESTREAM_H

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

// A stdio file opened for raw reading or writing. Every operation other than
// failed() and the destructor sets the failure flag to its own outcome, so the
// caller tests failed() right after each operation it cares about. Values of
// 4 and 8 bytes are little-endian.
class FileStream {
public:
    FileStream();
    ~FileStream();
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Outcome of the last operation: true when it failed.
    bool failed() const;

    // Closes any open file, then opens path ("rb"). Only regular files open:
    // a directory or device fails and leaves no file open.
    void openRead(const char* path);
    // Closes any open file, then creates or truncates path ("wb").
    void openWrite(const char* path);
    // Flushes the open file; with none open it only clears the flag.
    void flush();
    // Flushes the open file and has the system write it to the disk (fsync),
    // so it survives a power loss; fails with no file or when either fails.
    void syncToDisk();
    // Closes the file; with none open it only clears the flag. A failed close
    // (its last flush) fails, and the file is released all the same.
    void close();
    // Length of the file in bytes, rewinding to the start; 0 and a failure when
    // no file is open, seeking fails or the length does not fit in 32 bits.
    uint32_t size();
    // The whole file in a buffer the caller owns; null and a failure when
    // size() fails, the file is empty, the buffer cannot be had or the read
    // comes up short.
    std::unique_ptr<uint8_t[]> readAll();
    // Writes count raw bytes; fails with no file or a short write.
    void writeBytes(const void* buffer, uint32_t count);

    // "0"/"1" bytes; any other byte read fails and yields false.
    bool readBool();
    void writeBool(bool value);
    int8_t readI8();
    uint8_t readU8();
    void writeI8(int8_t value);
    void writeU8(uint8_t value);
    int32_t readI32();
    uint32_t readU32();
    void writeI32(int32_t value);
    void writeU32(uint32_t value);
    int64_t readI64();
    uint64_t readU64();
    void writeI64(int64_t value);
    void writeU64(uint64_t value);
    // Bytes up to a zero byte; the end of the file first fails with "".
    std::string readString();
    // The bytes and a zero byte; an embedded zero stops the copy with a
    // failure, the terminator is still written.
    void writeString(const std::string& text);
    // The bytes alone, no terminator.
    void writeText(const std::string& text);

private:
    bool readRaw(void* out, size_t width);
    void openWith(const char* path, const char* mode);

    FILE* file;
    uint8_t failedFlag;
};

#endif
