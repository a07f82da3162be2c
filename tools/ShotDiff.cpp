// quendralvoss-shotdiff: how far two sets of the bench's shots differ.
//
//   quendralvoss-shotdiff A.ppm B.ppm [--tolerance N]
//   quendralvoss-shotdiff DIR_A DIR_B [--tolerance N]
//
// Compares two shots, or every .ppm file of DIR_A with the file of the same
// name in DIR_B, pixel by pixel. Prints per shot, and for two folders per room
// (the shots of one room variant together), the largest difference per
// channel (R, G, B), how many pixels differ and how many by more than N. Exits 0 when every shot is
// there, of the same size and no channel differs by more than N levels
// (default 2, rounding), 1 otherwise, 2 when it cannot run.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tools/ShotDifference.h"

namespace {

bool isFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The names of the .ppm files in folder, sorted.
std::vector<std::string> shotNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ppm") == 0) names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

void printLine(const std::string& label, const ShotDifference& d) {
    if (!d.sizesMatch) {
        std::printf("%-34s sizes differ\n", label.c_str());
        return;
    }
    const double share = d.pixels > 0 ? 100.0 * static_cast<double>(d.differing) / static_cast<double>(d.pixels) : 0.0;
    std::printf("%-34s max R %3d G %3d B %3d  differing %9lld of %9lld (%6.3f%%), beyond %7lld\n", label.c_str(),
                d.largest[0], d.largest[1], d.largest[2], static_cast<long long>(d.differing),
                static_cast<long long>(d.pixels), share, static_cast<long long>(d.beyondTolerance));
}

// Compares one pair; false when either cannot be read.
bool comparePair(const std::string& a, const std::string& b, int tolerance, ShotDifference& difference) {
    PpmShot first, second;
    if (!readPpmShot(a, first)) {
        std::fprintf(stderr, "quendralvoss-shotdiff: cannot read %s\n", a.c_str());
        return false;
    }
    if (!readPpmShot(b, second)) {
        std::fprintf(stderr, "quendralvoss-shotdiff: cannot read %s\n", b.c_str());
        return false;
    }
    difference = compareShots(first, second, tolerance);
    return true;
}

bool withinTolerance(const ShotDifference& d, int tolerance) {
    return d.sizesMatch && largestDifference(d) <= tolerance;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> paths;
    int tolerance = 2;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--tolerance" && k + 1 < argc) {
            tolerance = std::atoi(argv[++k]);
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2) {
        std::fprintf(stderr, "usage: %s A.ppm B.ppm | DIR_A DIR_B [--tolerance N]\n", argv[0]);
        return 2;
    }
    if (!isFolder(paths[0]) || !isFolder(paths[1])) {
        ShotDifference difference;
        if (!comparePair(paths[0], paths[1], tolerance, difference)) return 2;
        printLine("shot", difference);
        return withinTolerance(difference, tolerance) ? 0 : 1;
    }
    const std::vector<std::string> names = shotNames(paths[0]);
    if (names.empty()) {
        std::fprintf(stderr, "quendralvoss-shotdiff: no .ppm files in %s\n", paths[0].c_str());
        return 2;
    }
    bool equal = true;
    std::map<std::string, ShotDifference> rooms;
    std::vector<std::string> roomOrder;
    ShotDifference all;
    for (const std::string& name : names) {
        ShotDifference difference;
        if (!comparePair(paths[0] + "/" + name, paths[1] + "/" + name, tolerance, difference)) {
            equal = false;
            continue;
        }
        printLine(name, difference);
        equal = equal && withinTolerance(difference, tolerance);
        const std::string room = shotRoom(name);
        if (rooms.find(room) == rooms.end()) roomOrder.push_back(room);
        addShotDifference(rooms[room], difference);
        addShotDifference(all, difference);
    }
    std::printf("per room:\n");
    for (const std::string& room : roomOrder) printLine(room, rooms[room]);
    printLine("all", all);
    std::printf("%s (tolerance %d)\n", equal ? "equal up to rounding" : "DIFFERENT", tolerance);
    return equal ? 0 : 1;
}
