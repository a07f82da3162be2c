#include "tools/ShotDifference.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The next number of a PPM header, skipping white space and comments.
bool readHeaderNumber(FILE* file, int& value) {
    int c = std::fgetc(file);
    while (c == '#' || c == ' ' || c == '\t' || c == '\n' || c == '\r') {
        if (c == '#') {
            while (c != '\n' && c != EOF) c = std::fgetc(file);
        }
        c = std::fgetc(file);
    }
    if (c < '0' || c > '9') return false;
    value = 0;
    while (c >= '0' && c <= '9') {
        if (value > 100000) return false;
        value = value * 10 + (c - '0');
        c = std::fgetc(file);
    }
    // One white-space character ends the number; after the last it is where
    // the pixels start.
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

bool readPpmShot(const std::string& path, PpmShot& shot) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char magic[2] = {0, 0};
    int levels = 0;
    bool ok = std::fread(magic, 1, 2, file) == 2 && magic[0] == 'P' && magic[1] == '6' &&
              readHeaderNumber(file, shot.width) && readHeaderNumber(file, shot.height) &&
              readHeaderNumber(file, levels) && levels == 255 && shot.width > 0 && shot.height > 0;
    if (ok) {
        shot.rgb.resize(static_cast<size_t>(shot.width) * static_cast<size_t>(shot.height) * 3);
        ok = std::fread(shot.rgb.data(), 1, shot.rgb.size(), file) == shot.rgb.size();
    }
    std::fclose(file);
    return ok;
}

ShotDifference compareShots(const PpmShot& a, const PpmShot& b, int tolerance) {
    ShotDifference difference;
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size()) {
        difference.sizesMatch = false;
        return difference;
    }
    difference.pixels = static_cast<int64_t>(a.rgb.size() / 3);
    for (size_t p = 0; p < a.rgb.size(); p += 3) {
        int most = 0;
        for (int c = 0; c < 3; ++c) {
            const int d = std::abs(static_cast<int>(a.rgb[p + c]) - static_cast<int>(b.rgb[p + c]));
            difference.largest[c] = std::max(difference.largest[c], d);
            most = std::max(most, d);
        }
        if (most != 0) ++difference.differing;
        if (most > tolerance) ++difference.beyondTolerance;
    }
    return difference;
}

void addShotDifference(ShotDifference& total, const ShotDifference& part) {
    for (int c = 0; c < 3; ++c) {
        total.largest[c] = std::max(total.largest[c], part.largest[c]);
    }
    total.differing += part.differing;
    total.beyondTolerance += part.beyondTolerance;
    total.pixels += part.pixels;
    total.sizesMatch = total.sizesMatch && part.sizesMatch;
}

int largestDifference(const ShotDifference& difference) {
    return std::max(difference.largest[0], std::max(difference.largest[1], difference.largest[2]));
}

std::string shotRoom(const std::string& fileName) {
    std::string room = fileName;
    const size_t dot = room.rfind('.');
    if (dot != std::string::npos) room.erase(dot);
    const size_t dash = room.rfind('-');
    if (dash != std::string::npos && dash + 1 < room.size() &&
        room.find_first_not_of("0123456789", dash + 1) == std::string::npos) {
        room.erase(dash);
    }
    return room;
}
