#include "support/TestDirectory.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "engine/Scramble.h"

TestDirectory::TestDirectory() {
    char buffer[4096];
    previous = getcwd(buffer, sizeof buffer) ? buffer : ".";
    char pattern[] = "/tmp/quendralvoss-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    root = made ? made : "/tmp";
    if (chdir(root.c_str()) != 0) {
        std::perror("chdir");
    }
}

TestDirectory::~TestDirectory() {
    if (chdir(previous.c_str()) != 0) {
        std::perror("chdir");
    }
    std::error_code ignored;
    if (root != "/tmp") {
        std::filesystem::remove_all(root, ignored);
    }
}

bool writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path target(path);
    std::error_code ignored;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), ignored);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool writeScrambledFile(const std::string& path, std::vector<uint8_t> bytes) {
    scrambleBuffer(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return writeFileBytes(path, bytes);
}

std::vector<uint8_t> readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
