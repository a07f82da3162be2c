#ifndef QUENDRALVOSS_TESTS_CONTENT_MSHFILE_H
#define QUENDRALVOSS_TESTS_CONTENT_MSHFILE_H

#include <cstdint>
#include <string>
#include <vector>

// A reader of the keyframe mesh file written independently of the generator,
// by the file's own rules: magic "msh1", V > 0 and divisible by 3, V UV
// pairs (x 0.0001, v flipped), F > 0, F records of key time, positions and
// signed-byte normals; key times >= 0 and non-decreasing; the file at least
// 12 + 8V + F(4 + 15V) bytes long.
struct MshFile {
    int vertexCount = 0;
    std::vector<float> u, v;  // v as the game uses it: 1 - stored value
    std::vector<float> keyTimes;
    std::vector<std::vector<float>> positions;  // per frame, 3V
    std::vector<std::vector<float>> normals;    // per frame, 3V
    size_t expectedSize = 0;
};

// Parses data into out; false with the reason in `why` when the data breaks
// a rule.
bool parseMsh(const std::vector<uint8_t>& data, MshFile& out, std::string& why);

#endif
