#ifndef QUENDRALVOSS_CONTENT_GENERATOR_H
#define QUENDRALVOSS_CONTENT_GENERATOR_H

#include <cstdint>
#include <string>
#include <vector>

// Writes data scrambled whole with the game's key to path, creating nothing
// but the file; false when it cannot be written.
bool writeScrambledResource(const std::string& path, const std::vector<uint8_t>& plain);

// Writes the complete resource directory: every catalogue entry as
// resDir/N.dat and the font as resDir/0/0.dat .. 127.dat, using up to
// `threads` worker threads. Every file depends only on its own number, so the
// output is the same whatever the thread count. Returns false and names the
// failing files in `error` when any resource could not be made or written.
bool generateContent(const std::string& resDir, int threads, std::string& error);

#endif
