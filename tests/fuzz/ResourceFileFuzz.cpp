// Reading a resource file on any bytes: the whole file comes back unscrambled,
// exactly as unscrambling the bytes in memory gives, and scrambling it again
// gives the file; an empty file reads as missing.
#include <cstring>
#include <memory>
#include <vector>

#include "engine/ResourceFile.h"
#include "engine/Scramble.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::enterScratchDirectory();
    fuzz::writePlain(fuzz::kInputFile, data, size);
    uint32_t length = 99;
    const std::unique_ptr<uint8_t[]> contents = readResourceFile(fuzz::kInputFile, length);
    if (size == 0) {
        fuzz::require(contents == nullptr && length == 0, "an empty file read as a resource");
        return 0;
    }
    fuzz::require(contents != nullptr && length == size, "a file came back short");
    std::vector<uint8_t> expected(data, data + size);
    unscrambleBuffer(expected.data(), static_cast<uint32_t>(size));
    fuzz::require(std::memcmp(contents.get(), expected.data(), size) == 0, "the file and the buffer unscramble apart");
    scrambleBuffer(contents.get(), length);
    fuzz::require(std::memcmp(contents.get(), data, size) == 0, "scrambling does not undo unscrambling");
    return 0;
}
