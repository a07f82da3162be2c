// quendralvoss-bench: what a frame of the real game costs in every room.
//
//   quendralvoss-bench [width height] [--res DIR] [--shots DIR] [--frames N]
//                      [--without PASS[,PASS...]] [--rooms N[,N...]]
//
// Runs the English GameApp in a window of width x height (default 1280 x 720)
// from the content in DIR (default ./res), in a scratch working directory so
// no save of the player's is touched. It starts the game as a player does
// (splash, new game, the intro), then builds each room and its story
// variants in turn, places the player at the room's entry, waits for the fade
// and turns the player through a full circle in N frames (default 240). The
// game's clock is stepped by 45 ms a frame and never sleeps, so every run of
// the same input draws the same frames; only the timings vary. With --shots
// the back buffer of four views per room is written to DIR as PPM files, for
// comparing what the frames show before and after a change. --without
// leaves parts of the frame out (clear, backdrop, objects, reflection, grid,
// cloth, glow, fog, vignette, noise, or cull to draw every object within
// reach), to find what each one costs. --rooms runs only the variants of the
// rooms numbered (0 to 7), for quicker looks at one room; its shots compare
// only with shots of a run over the same rooms (the clock and the random
// draws go on from the rooms before).
//
// Prints per room: the frame work (wall time of one pass of the run loop)
// p50, p99 and max, the main thread's and the whole process's CPU per frame
// (the latter includes llvmpipe's threads), the vertices of meshes, ground
// grid and cloth handed to OpenGL per frame (p50), the room build (from an empty world, loading every
// resource) and the first frame after it, and the peak resident memory; then
// cold start to the first
// splash frame, loading a save, and the machine's load before and after.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "app/GameState.h"
#include "engine/Angles.h"
#include "engine/VertexCounter.h"
#include "play/DrawPasses.h"
#include "play/PlayScreen.h"
#include "tools/GameSession.h"
#include "tools/RoomVariant.h"

namespace {

GameSession* session = nullptr;

double seconds(clockid_t clock) {
    timespec t;
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
double wallNow() { return seconds(CLOCK_MONOTONIC); }

// The costs of one frame, in milliseconds.
struct FrameCost {
    double wall;
    double mainCpu;
    double processCpu;
    double vertices;
};

// One pass of the run loop with the fake clock a step on, timed; exits the
// program when the game quits or ends on the error screen.
FrameCost frame() {
    const double wall0 = wallNow();
    const double main0 = seconds(CLOCK_THREAD_CPUTIME_ID);
    const double process0 = seconds(CLOCK_PROCESS_CPUTIME_ID);
    gVerticesSubmitted = 0;
    session->frame();
    return FrameCost{(wallNow() - wall0) * 1000.0, (seconds(CLOCK_THREAD_CPUTIME_ID) - main0) * 1000.0,
                     (seconds(CLOCK_PROCESS_CPUTIME_ID) - process0) * 1000.0,
                     static_cast<double>(gVerticesSubmitted)};
}

// The passes named in a comma-separated list, or false for an unknown name.
bool passesByName(const std::string& list, uint32_t& passes) {
    size_t from = 0;
    while (from <= list.size()) {
        const size_t comma = std::min(list.find(',', from), list.size());
        const uint32_t pass = drawPassByName(list.substr(from, comma - from).c_str());
        if (pass == 0) {
            return false;
        }
        passes |= pass;
        from = comma + 1;
    }
    return true;
}

// The room numbers in a comma-separated list, one bit each, or false for a
// number that names no room.
bool roomsByNumber(const std::string& list, uint32_t& rooms) {
    size_t from = 0;
    while (from <= list.size()) {
        const size_t comma = std::min(list.find(',', from), list.size());
        const std::string number = list.substr(from, comma - from);
        if (number.size() != 1 || number[0] < '0' || number[0] > '7') {
            return false;
        }
        rooms |= 1u << (number[0] - '0');
        from = comma + 1;
    }
    return true;
}

// The peak resident memory since the last reset, in MB; the reset lets each
// room report its own peak.
double peakResidentMb() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return 0.0;
    char line[256];
    double kb = 0.0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atof(line + 6);
    }
    std::fclose(status);
    return kb / 1024.0;
}
void resetPeakResident() {
    FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    if (refs) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

std::string machineLoad() {
    FILE* file = std::fopen("/proc/loadavg", "r");
    char text[128] = "unknown";
    if (file) {
        if (!std::fgets(text, sizeof text, file)) std::strcpy(text, "unknown");
        std::fclose(file);
    }
    std::string load = text;
    while (!load.empty() && load.back() == '\n') load.pop_back();
    return load;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())));
    return values[index];
}

// The back buffer as a binary PPM.
void writeShot(const std::string& path) {
    const std::vector<unsigned char> rgb = session->readBackBuffer();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "quendralvoss-bench: cannot write %s\n", path.c_str());
        return;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", session->width(), session->height());
    std::fwrite(rgb.data(), 1, rgb.size(), file);
    std::fclose(file);
}

}  // namespace

int main(int argc, char** argv) {
    const double start = wallNow();
    int width = 1280;
    int height = 720;
    int turnFrames = 240;
    std::string res = "res";
    std::string shots;
    std::string without;
    // Every room unless --rooms names some.
    uint32_t rooms = 0;
    std::vector<int> sizes;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--res" && k + 1 < argc) {
            res = argv[++k];
        } else if (arg == "--shots" && k + 1 < argc) {
            shots = argv[++k];
        } else if (arg == "--frames" && k + 1 < argc) {
            turnFrames = std::max(4, std::atoi(argv[++k]));
        } else if (arg == "--without" && k + 1 < argc) {
            without = argv[++k];
            if (!passesByName(without, gDrawPassesOff)) {
                std::fprintf(stderr, "%s: unknown pass in %s\n", argv[0], argv[k]);
                return 1;
            }
        } else if (arg == "--rooms" && k + 1 < argc) {
            if (!roomsByNumber(argv[++k], rooms)) {
                std::fprintf(stderr, "%s: unknown room in %s\n", argv[0], argv[k]);
                return 1;
            }
        } else {
            sizes.push_back(std::atoi(arg.c_str()));
        }
    }
    if (sizes.size() == 2) {
        width = sizes[0];
        height = sizes[1];
    } else if (!sizes.empty()) {
        std::fprintf(stderr,
                     "usage: %s [width height] [--res DIR] [--shots DIR] [--frames N] [--without PASS[,PASS...]] "
                     "[--rooms N[,N...]]\n",
                     argv[0]);
        return 1;
    }
    if (!shots.empty()) shots = GameSession::absolute(shots);
    const std::string loadBefore = machineLoad();
    GameSession game("quendralvoss-bench");
    session = &game;
    if (!game.start("quendralvoss benchmark", width, height, res)) return 1;
    frame();
    const double coldStart = (wallNow() - start) * 1000.0;

    if (!game.enterPlay()) return 1;
    PlayScreen& play = game.play();
    game.frames(10);

    std::printf("quendralvoss-bench: %dx%d, llvmpipe or whatever OpenGL the display gives, %ld cores, %d frames a "
                "room\n",
                width, height, sysconf(_SC_NPROCESSORS_ONLN), turnFrames);
    if (!without.empty()) {
        std::printf("left out: %s\n", without.c_str());
    }
    std::printf("%-18s %8s %8s %7s %7s %7s %9s %9s %8s %9s\n", "room", "build", "first", "p50", "p99", "max",
                "main cpu", "all cpu", "peak MB", "vertices");
    for (int32_t n = 0; n < kRoomVariantCount; ++n) {
        const RoomVariant& v = kRoomVariants[n];
        if (rooms != 0 && (rooms & (1u << v.room)) == 0) {
            continue;
        }
        game.prepareVariant(v);
        resetPeakResident();
        const double build0 = wallNow();
        game.buildVariant(v);
        const double build = (wallNow() - build0) * 1000.0;
        const double first = frame().wall;
        // The fade in and the player settling on the floor.
        game.frames(40);
        std::vector<double> wall, mainCpu, processCpu, vertices;
        for (int k = 0; k < turnFrames; ++k) {
            play.player.viewAngles.z = kFullTurn * static_cast<float>(k) / static_cast<float>(turnFrames);
            const FrameCost cost = frame();
            wall.push_back(cost.wall);
            mainCpu.push_back(cost.mainCpu);
            processCpu.push_back(cost.processCpu);
            vertices.push_back(cost.vertices);
            if (!shots.empty() && k % (turnFrames / 4) == 0) {
                char name[64];
                std::snprintf(name, sizeof name, "/room-%s-%d.ppm", v.label, k / (turnFrames / 4));
                for (char* c = name; *c; ++c) {
                    if (*c == ' ') *c = '-';
                }
                writeShot(shots + name);
            }
        }
        double mainSum = 0.0, processSum = 0.0;
        for (int k = 0; k < turnFrames; ++k) {
            mainSum += mainCpu[k];
            processSum += processCpu[k];
        }
        std::printf("%-18s %8.1f %8.1f %7.1f %7.1f %7.1f %9.2f %9.1f %8.0f %9.0f\n", v.label, build, first,
                    percentile(wall, 0.5), percentile(wall, 0.99), *std::max_element(wall.begin(), wall.end()),
                    mainSum / turnFrames, processSum / turnFrames, peakResidentMb(), percentile(vertices, 0.5));
        std::fflush(stdout);
    }

    // A save in the last room, then the load the main menu's continue asks
    // for, timed with the frame that carries it.
    gSaveRequest = 1;
    frame();
    gGameState = kGameStatePlay;
    gLoadRequest = 1;
    const double load = frame().wall;

    std::printf("cold start to the first splash frame: %.0f ms\n", coldStart);
    std::printf("save load with its frame: %.1f ms\n", load);
    std::printf("machine load before: %s, after: %s\n", loadBefore.c_str(), machineLoad().c_str());
    return 0;
}
