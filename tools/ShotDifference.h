#ifndef QUENDRALVOSS_TOOLS_SHOTDIFFERENCE_H
#define QUENDRALVOSS_TOOLS_SHOTDIFFERENCE_H

#include <cstdint>
#include <string>
#include <vector>

// A shot as the bench writes it: a binary PPM (P6, 255 levels) of RGB bytes,
// rows from the top.
struct PpmShot {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

// Reads a binary PPM with 255 levels; false when the file is missing, of
// another kind or cut short.
bool readPpmShot(const std::string& path, PpmShot& shot);

// How two shots differ: the largest difference per channel (R, G, B), how
// many pixels differ in any channel and how many by more than the tolerance
// in some channel, out of how many compared.
struct ShotDifference {
    int largest[3] = {0, 0, 0};
    int64_t differing = 0;
    int64_t beyondTolerance = 0;
    int64_t pixels = 0;
    bool sizesMatch = true;
};

// Compares a and b pixel by pixel, counting the pixels off by more than
// tolerance levels apart; shots of different sizes compare nothing and clear
// sizesMatch.
ShotDifference compareShots(const PpmShot& a, const PpmShot& b, int tolerance);

// Adds part to total: the larger of each channel's largest difference and the
// sums of the counts.
void addShotDifference(ShotDifference& total, const ShotDifference& part);

// The largest difference over the three channels.
int largestDifference(const ShotDifference& difference);

// The room a shot file belongs to: its name less the view number and the
// extension ("room-0-street-2.ppm" gives "room-0-street").
std::string shotRoom(const std::string& fileName);

#endif
