#ifndef QUENDRALVOSS_TESTS_MESHFILE_H
#define QUENDRALVOSS_TESTS_MESHFILE_H

// Builds mesh files for the tests, field by field, so that a test can also
// write a wrong magic, wrong counts or a cut-off file.
#include <cstdint>
#include <string>
#include <vector>

struct MeshFileFrame {
    int32_t time;                    // units of 0.0001 s
    std::vector<int32_t> positions;  // 3 per vertex, units of 0.0001
    std::vector<int8_t> normals;     // 3 per vertex, units of 1/127
};

struct MeshFile {
    std::string magic = "msh1";
    int32_t vertexCount = 0;
    std::vector<int32_t> texCoords;  // 2 per vertex
    int32_t frameCount = 0;
    std::vector<MeshFileFrame> frames;

    // A mesh of vertexCount vertices, every position, normal and texture
    // coordinate zero, with one frame per key time.
    static MeshFile plain(int32_t vertices, const std::vector<int32_t>& keyTimes) {
        MeshFile file;
        file.vertexCount = vertices;
        file.texCoords.assign(static_cast<size_t>(2 * vertices), 0);
        file.frameCount = static_cast<int32_t>(keyTimes.size());
        for (int32_t time : keyTimes) {
            file.frames.push_back({time, std::vector<int32_t>(static_cast<size_t>(3 * vertices), 0),
                                   std::vector<int8_t>(static_cast<size_t>(3 * vertices), 0)});
        }
        return file;
    }

    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> out(magic.begin(), magic.end());
        auto put = [&out](int32_t v) {
            const uint32_t u = static_cast<uint32_t>(v);
            for (int k = 0; k < 4; ++k) {
                out.push_back(static_cast<uint8_t>(u >> (8 * k)));
            }
        };
        put(vertexCount);
        for (int32_t v : texCoords) {
            put(v);
        }
        put(frameCount);
        for (const MeshFileFrame& frame : frames) {
            put(frame.time);
            for (int32_t v : frame.positions) {
                put(v);
            }
            for (int8_t n : frame.normals) {
                out.push_back(static_cast<uint8_t>(n));
            }
        }
        return out;
    }
};

#endif
