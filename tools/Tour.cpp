// quendralvoss-tour: every room and every named target, as the player sees it.
//
//   quendralvoss-tour <out dir> [--res DIR] [--room N] [--size W H]
//
// Runs the game from the content in DIR (default ./res) in a window of W x H
// (default 640 x 480), starts it as a player does and builds each room and
// its story variants in turn (only room N with --room). In each it writes the
// view from the room's entry facing yaw 0, 90, 180 and 270 degrees, then, for
// every named scene object of the room, a view from 1.5 to 2 units away at
// eye height facing the centre of what is drawn of it, with the object chosen
// as the target so the caption names it. Every view is the whole play screen
// (overlays included) after the game ran a few frames at its fixed step. The
// shots are PNG files named after the variant and the target; a contact sheet
// per variant tiles them in the printed order.
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Angles.h"
#include "play/PlayScreen.h"
#include "play/SceneObject.h"
#include "tools/GameSession.h"
#include "tools/RoomVariant.h"
#include "tools/ShotPicture.h"
#include "tools/TargetView.h"

namespace {

const int kSettleFrames = 40;
const int kTurnFrames = 4;
const int kTargetFrames = 6;
const int kMaxPlaces = 8;
const int kSheetColumns = 4;
const int kSheetShrink = 4;
const int kSheetGap = 4;

// Lower case letters and digits, anything else one dash, none at the ends.
std::string fileWord(const std::string& text) {
    std::string word;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u)) {
            word += static_cast<char>(std::tolower(u));
        } else if (!word.empty() && word.back() != '-') {
            word += '-';
        }
    }
    while (!word.empty() && word.back() == '-') word.pop_back();
    return word.empty() ? "unnamed" : word;
}

struct Shot {
    std::string file;
    ShotPicture picture;
};

class Tour {
public:
    Tour(GameSession& game, const std::string& out) : game(game), out(out) {}

    // Writes the views of one variant and its contact sheet.
    void visit(const RoomVariant& variant) {
        shots.clear();
        const std::string base = fileWord(variant.label);
        build(variant);
        PlayScreen& play = game.play();
        entry = play.player.position;
        for (int quarter = 0; quarter < 4; ++quarter) {
            play.player.viewAngles.set(0.0f, 0.0f, kFullTurn * 0.25f * static_cast<float>(quarter));
            game.frames(kTurnFrames);
            char name[32];
            std::snprintf(name, sizeof name, "-yaw%03d", quarter * 90);
            capture(base + name, "entry, facing yaw " + std::to_string(quarter * 90));
        }
        // The named objects as the built room holds them; the room is built
        // the same way every time, so an index finds the same object again.
        std::vector<std::pair<size_t, std::string>> named;
        const std::vector<SceneObject*>& objects = play.world.worldList.objects();
        for (size_t k = 0; k < objects.size(); ++k) {
            if (!objects[k]->name.empty()) named.emplace_back(k, objects[k]->name);
        }
        int number = 0;
        for (const auto& target : named) {
            char prefix[32];
            std::snprintf(prefix, sizeof prefix, "-target%02d-", ++number);
            viewTarget(variant, target.first, target.second, base + prefix + fileWord(target.second));
        }
        writeSheet(base);
    }

private:
    void build(const RoomVariant& variant) {
        game.prepareVariant(variant);
        game.buildVariant(variant);
        game.frames(kSettleFrames);
    }

    // True when the world is still the quiet room the tour built: no room
    // change, scene or flight started by where the player was put.
    bool quiet(const RoomVariant& variant) const {
        const PlayScreen& play = game.play();
        return play.world.room == variant.room && play.isPlayerInControl();
    }

    SceneObject* objectAt(size_t index, const std::string& name) const {
        const std::vector<SceneObject*>& objects = game.play().world.worldList.objects();
        if (index < objects.size() && objects[index]->name == name) return objects[index];
        for (SceneObject* object : objects) {
            if (object->name == name) return object;
        }
        return nullptr;
    }

    void viewTarget(const RoomVariant& variant, size_t index, const std::string& name, const std::string& file) {
        PlayScreen& play = game.play();
        if (!quiet(variant)) build(variant);
        SceneObject* object = objectAt(index, name);
        if (!object) {
            std::printf("  (%s is gone from the room)\n", name.c_str());
            return;
        }
        const TargetView view(play, *object, entry, entry.z);
        int tries = 0;
        for (const Vec3& feet : view.places) {
            if (++tries > kMaxPlaces) break;
            object = objectAt(index, name);
            if (!object) break;
            const Vec3 start = object->position;
            play.player.position = feet;
            play.player.viewAngles = view.anglesFrom(play.player.playerEyePosition());
            game.frames(kTargetFrames);
            const float dx = play.player.position.x - feet.x, dy = play.player.position.y - feet.y;
            if (!quiet(variant)) {
                build(variant);
                continue;
            }
            if (dx * dx + dy * dy > 0.01f || std::fabs(play.player.position.z - feet.z) > 0.4f) continue;
            object = objectAt(index, name);
            if (!object) break;
            aimAndCapture(view, *object, start, file, "target \"" + name + "\"");
            return;
        }
        // Nowhere near it fits: look at it from the entry.
        if (!quiet(variant)) build(variant);
        object = objectAt(index, name);
        if (!object) return;
        const Vec3 start = object->position;
        play.player.position = entry;
        game.frames(kTargetFrames);
        aimAndCapture(view, *object, start, file, "target \"" + name + "\" (from the entry: no place near it fits)");
    }

    // Faces the target where it has moved to, makes it the chosen target
    // when it is in view, and takes the shot.
    void aimAndCapture(const TargetView& view, SceneObject& object, const Vec3& start, const std::string& file,
                       const std::string& what) {
        PlayScreen& play = game.play();
        TargetView moved = view;
        moved.centre.add(object.position.x - start.x, object.position.y - start.y, object.position.z - start.z);
        const Vec3 eye = play.player.playerEyePosition();
        play.player.viewAngles = moved.anglesFrom(eye);
        Vec3 gap = moved.centre;
        gap.subtract(eye);
        char away[96];
        std::snprintf(away, sizeof away, ", %.1f units away, centre (%.1f %.1f %.1f)", gap.length(), moved.centre.x,
                       moved.centre.y, moved.centre.z);
        play.rebuildTargetList();
        if (std::find(play.player.targets.begin(), play.player.targets.end(), &object) != play.player.targets.end()) {
            play.player.selectedTarget = &object;
        }
        game.frames(2);
        capture(file, what + away);
    }

    void capture(const std::string& file, const std::string& what) {
        ShotPicture picture(game.width(), game.height(), game.readBackBuffer());
        const std::string path = out + "/" + file + ".png";
        if (!picture.writePng(path)) std::fprintf(stderr, "quendralvoss-tour: cannot write %s\n", path.c_str());
        const double brightness = picture.meanBrightness();
        std::printf("  %2zu %-44s %s%s\n", shots.size() + 1, (file + ".png").c_str(), what.c_str(),
                    brightness < 2.0 ? "  [nearly black]" : "");
        shots.push_back(Shot{file, picture.shrunk(kSheetShrink)});
    }

    void writeSheet(const std::string& base) {
        if (shots.empty()) return;
        const int tw = shots[0].picture.width(), th = shots[0].picture.height();
        const int rows = (static_cast<int>(shots.size()) + kSheetColumns - 1) / kSheetColumns;
        ShotPicture sheet(kSheetColumns * (tw + kSheetGap) + kSheetGap, rows * (th + kSheetGap) + kSheetGap, 40);
        for (size_t k = 0; k < shots.size(); ++k) {
            const int col = static_cast<int>(k) % kSheetColumns, row = static_cast<int>(k) / kSheetColumns;
            sheet.paste(shots[k].picture, kSheetGap + col * (tw + kSheetGap), kSheetGap + row * (th + kSheetGap));
        }
        const std::string path = out + "/" + base + "-sheet.png";
        if (!sheet.writePng(path)) std::fprintf(stderr, "quendralvoss-tour: cannot write %s\n", path.c_str());
        std::printf("  sheet %s: the shots above, %d to a row\n", (base + "-sheet.png").c_str(), kSheetColumns);
    }

    GameSession& game;
    std::string out;
    Vec3 entry;
    std::vector<Shot> shots;
};

}  // namespace

int main(int argc, char** argv) {
    std::string out;
    std::string res = "res";
    int onlyRoom = -1;
    int width = 640;
    int height = 480;
    bool usage = false;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--res" && k + 1 < argc) {
            res = argv[++k];
        } else if (arg == "--room" && k + 1 < argc) {
            onlyRoom = std::atoi(argv[++k]);
        } else if (arg == "--size" && k + 2 < argc) {
            width = std::atoi(argv[++k]);
            height = std::atoi(argv[++k]);
        } else if (out.empty() && arg[0] != '-') {
            out = arg;
        } else {
            usage = true;
        }
    }
    if (usage || out.empty() || width < 64 || height < 48) {
        std::fprintf(stderr, "usage: %s <out dir> [--res DIR] [--room N] [--size W H]\n", argv[0]);
        return 1;
    }
    mkdir(out.c_str(), 0777);
    out = GameSession::absolute(out);
    GameSession game("quendralvoss-tour");
    if (!game.start("quendralvoss tour", width, height, res)) return 1;
    game.frame();
    if (!game.enterPlay()) return 1;
    game.frames(10);

    Tour tour(game, out);
    for (int32_t n = 0; n < kRoomVariantCount; ++n) {
        const RoomVariant& variant = kRoomVariants[n];
        if (onlyRoom >= 0 && variant.room != onlyRoom) continue;
        std::printf("%s\n", variant.label);
        tour.visit(variant);
        std::fflush(stdout);
    }
    return 0;
}
