#include "GeneratedContent.h"

#include <cstdlib>
#include <memory>

#include "engine/ResourceFile.h"

std::vector<uint8_t> readPlain(const std::string& path) {
    uint32_t length = 0;
    const std::unique_ptr<uint8_t[]> contents = readResourceFile(path.c_str(), length);
    return std::vector<uint8_t>(contents.get(), contents.get() + length);
}

void removeTree(const std::string& dir) {
    const std::string cmd = "rm -rf '" + dir + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

std::string GeneratedContent::root;
bool GeneratedContent::generatedA = false;
std::string GeneratedContent::generationError;
