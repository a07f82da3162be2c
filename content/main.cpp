// quendralvoss-content: writes the game's res/ directory.
// Usage: quendralvoss-content <res-dir> [threads]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "content/Generator.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <res-dir> [threads]\n", argv[0]);
        return 2;
    }
    int threads = int(std::thread::hardware_concurrency());
    if (argc > 2) threads = std::atoi(argv[2]);
    if (threads < 1) threads = 8;
    std::string error;
    if (!generateContent(argv[1], threads, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
