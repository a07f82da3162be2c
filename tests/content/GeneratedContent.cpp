#include "GeneratedContent.h"

#include <cstdio>
#include <cstdlib>

#include "engine/Scramble.h"

std::vector<uint8_t> readPlain(const std::string& path) {
    std::vector<uint8_t> data;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return data;
    int c;
    while ((c = std::fgetc(f)) != EOF) data.push_back(uint8_t(c));
    std::fclose(f);
    unscrambleBuffer(data.data(), uint32_t(data.size()));
    return data;
}

void removeTree(const std::string& dir) {
    const std::string cmd = "rm -rf '" + dir + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

std::string GeneratedContent::root;
bool GeneratedContent::generatedA = false;
std::string GeneratedContent::generationError;
