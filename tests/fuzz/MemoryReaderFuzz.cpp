// The memory reader on any file, read in an order that the file's own bytes
// choose: reads stay within the buffer, a read that fails leaves the position
// where it was, and words read as the little-endian bytes they are.
#include <vector>

#include "engine/MemoryReader.h"
#include "engine/Scramble.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchDirectory();
    fuzz::writeScrambled(fuzz::kInputFile, data, size);
    MemoryReader reader;
    reader.loadFile(fuzz::kInputFile);
    fuzz::require(reader.failed() == (size == 0), "the load failed on a readable file or passed on an empty one");
    // Each input byte picks the next read: a byte, a word, or both in turn.
    for (size_t k = 0; k < size + 8; ++k) {
        const int32_t before = reader.getPosition();
        const uint8_t choice = k < size ? data[k] % 3 : static_cast<uint8_t>(k % 2);
        if (choice == 0) {
            const uint8_t byte = reader.readByte();
            if (reader.failed()) {
                fuzz::require(before >= reader.getLength() && byte == 0, "a byte read failed inside the buffer");
            } else {
                fuzz::require(byte == data[before], "a byte read the wrong byte");
            }
        } else {
            const uint32_t word = reader.readU32();
            if (reader.failed()) {
                fuzz::require(reader.getLength() - before < 4 && word == 0, "a word read failed inside the buffer");
            } else {
                const uint32_t expected = data[before] | data[before + 1] << 8 | data[before + 2] << 16 |
                                          static_cast<uint32_t>(data[before + 3]) << 24;
                fuzz::require(word == expected, "a word read the wrong bytes");
            }
        }
        fuzz::require(reader.failed() ? reader.getPosition() == before : reader.getPosition() > before,
                      "the position moved on a failed read or stood on a good one");
        fuzz::require(reader.getPosition() <= reader.getLength(), "the position left the buffer");
    }
    reader.release();
    fuzz::require(!reader.failed() && reader.getLength() == 0, "release kept the contents or the failure");
    return 0;
}
