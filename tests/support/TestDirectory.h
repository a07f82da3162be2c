#ifndef QUENDRALVOSS_TESTS_TESTDIRECTORY_H
#define QUENDRALVOSS_TESTS_TESTDIRECTORY_H

#include <cstdint>
#include <string>
#include <vector>

// A fresh temporary directory that becomes the working directory for the
// lifetime of the object and is removed afterwards, with the old working
// directory restored.
class TestDirectory {
public:
    TestDirectory();
    ~TestDirectory();
    TestDirectory(const TestDirectory&) = delete;
    TestDirectory& operator=(const TestDirectory&) = delete;

    const std::string& path() const { return root; }

private:
    std::string root;
    std::string previous;
};

// Writes bytes to path (relative to the working directory), creating parent
// directories; returns false when that fails.
bool writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// Writes bytes scrambled, the way every resource file is stored.
bool writeScrambledFile(const std::string& path, std::vector<uint8_t> bytes);
// The bytes of path, empty when it cannot be read.
std::vector<uint8_t> readFileBytes(const std::string& path);

#endif
