#ifndef QUENDRALVOSS_TESTS_STORY_STORYDRIVER_H
#define QUENDRALVOSS_TESTS_STORY_STORYDRIVER_H

// The scripted player: it runs the real GameApp from the generated content
// with a clock of fixed steps and plays the way a person does, through held
// and tapped keys only. It walks by turning toward a way point and holding
// "forward", finds its way around the room's obstacles with a grid planner,
// aims at a target, steps through the actions and the targets in view with
// "1" and "2", executes with "3" and closes every answer with Return. It reads
// the game's state to decide what to do next and to check what happened, the
// way a player reads the screen. A missed milestone stops the run with its
// name and the reason.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/ActionEntry.h"
#include "app/Costume.h"
#include "app/EndingScreen.h"
#include "app/FatalError.h"
#include "app/GameApp.h"
#include "app/GameState.h"
#include "app/IntroScreen.h"
#include "app/JoystickBindings.h"
#include "app/MainMenuScreen.h"
#include "app/PauseMenuScreen.h"
#include "engine/FrameTimer.h"
#include "engine/Platform.h"
#include "engine/ResourcesByNumber.h"
#include "play/PlayScreen.h"
#include "play/PlayStateTable.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "script/Room7Behaviour.h"
#include "support/PrivateDisplay.h"
#include "support/ScreenHarness.h"
#include "support/TestDirectory.h"
#include "support/WorldRecords.h"
#include "text/ObjectNames.h"
#include "story/GridPlanner.h"

namespace story {

// The frame step: the longest the frame timer hands out, so the story takes
// as few frames as the game allows.
const uint32_t kStepMs = 45;
const float kDt = 0.045f;
const float kTurnPerFrame = 1.3962634f * kDt;
const float kPi = 3.14159265f;

inline int framesIn(float seconds) { return static_cast<int>(seconds / kDt + 0.5f); }

inline float wrapAngle(float a) {
    while (a > kPi) a -= 2.0f * kPi;
    while (a <= -kPi) a += 2.0f * kPi;
    return a;
}

class StoryDriver {
public:
    // label names the run in the log ("en ghost"); costume is the one chosen
    // in the intro; seed fixes the game's random numbers.
    StoryDriver(const std::string& runLabel, int32_t chosenCostume, unsigned seed)
        : label(runLabel), costume(chosenCostume), randomSeed(seed) {
        if (!display.started()) fail("no X server of its own");
        const std::string generated = std::string(QV_BUILD_DIR) + "/res";
        if (access((generated + "/0/65.dat").c_str(), R_OK) != 0 || symlink(generated.c_str(), "res") != 0) {
            fail("the generated content is missing from " + generated);
        }
    }
    ~StoryDriver() { shutDown(); }
    StoryDriver(const StoryDriver&) = delete;
    StoryDriver& operator=(const StoryDriver&) = delete;

    // ---- the program ------------------------------------------------------

    // Starts the program as a player does: a window, the game, its splash.
    bool boot() {
        gControllerSetupDone = gSetupThenIntro = gNewGameRequest = gLoadRequest = 0;
        gSaveRequest = gSavedOk = gSaveFailed = gSaveAllowed = 0;
        gCostume = -1;
        gCurrentMusicTrack = -1;
        resetJoystickBindings();
        if (!initVideo("quendralvoss story", 320, 240, false)) return fail("no window");
        srand(randomSeed);
        app = new GameApp();
        screentest::fakeNow() = 0;
        gFrameTimer->lastTicks = 0;
        gFrameTimer->setClock(screentest::fakeTicks, screentest::fakeDelay);
        held.clear();
        sent.clear();
        if (gGameState == kGameStateError) return fail("start-up: " + gFatalErrorText);
        return true;
    }
    // Quits the program and starts it again, as a player who comes back later.
    bool restart() {
        shutDown();
        return boot();
    }
    void shutDown() {
        if (app) {
            delete app;
            app = nullptr;
            shutdownPlatform();
        }
    }

    PlayScreen& play() { return *app->getPlayScreen(); }

    // ---- failure and the milestone log --------------------------------------

    bool fail(const std::string& why) {
        if (failure.empty()) {
            failure = "missed milestone '" + milestoneName + "': " + why + where();
        }
        return false;
    }
    bool failed() const { return !failure.empty(); }
    const std::string& failureText() const { return failure; }

    // Runs one milestone; logs it with the room, the step and the flags it
    // set once it is reached.
    bool milestone(const std::string& name, const std::function<bool()>& body) {
        if (failed()) return false;
        milestoneName = name;
        const std::vector<uint32_t> before = stateWords();
        if (!body()) return fail("not reached");
        const std::vector<uint32_t> after = stateWords();
        std::string changed;
        for (size_t k = 0; k < after.size() && before.size() == after.size(); ++k) {
            if (before[k] != after[k] && k + 1 != 4) changed += " " + std::to_string(k + 1);
        }
        std::printf("[story %s] %-44s room %d  step %d  frame %6d  words changed:%s\n", label.c_str(),
                    name.c_str(), play().world.room, play().script.scriptStep, frames, changed.empty() ? " none" : changed.c_str());
        std::fflush(stdout);
        reached.push_back(name);
        return true;
    }
    const std::vector<std::string>& milestonesReached() const { return reached; }

    // The play-state words as the save file would hold them (empty before
    // the game runs); word 4, the procession's walk, changes all the time.
    std::vector<uint32_t> stateWords() {
        std::vector<uint32_t> words;
        if (!app || !app->getPlayScreen()) return words;
        for (int32_t k = 0; k < kPlayStateFieldCount; ++k) {
            if (kPlayStateFields[k].word != 0) words.push_back(encodePlayStateField(play(), kPlayStateFields[k]));
        }
        return words;
    }

    // ---- frames and keys ----------------------------------------------------

    // One frame of the run loop with the keys held now.
    bool frame() {
        if (failed()) return false;
        for (SDLKey key : held) {
            if (!sent.count(key)) screentest::pushKey(key, true);
        }
        for (SDLKey key : sent) {
            if (!held.count(key)) screentest::pushKey(key, false);
        }
        sent = held;
        screentest::fakeNow() += kStepMs;
        // Every room is built from the same random numbers, so the scattered
        // field of the garden (new on every visit, never saved) is the same
        // in the game that saved and in the one that loaded.
        PlayScreen& p = *app->getPlayScreen();
        const bool loading = gGameState == kGameStatePlay && gLoadRequest != 0;
        const bool building = gGameState == kGameStatePlay && p.world.pendingRoom >= 0 && p.view.roomFade == 0.0f &&
                              !p.answerPanel.isAnswerShowing();
        if (loading || building) srand(playtest::kRoomSeed);
        bool normalQuit = false;
        const bool ended = app->runFrame(normalQuit);
        ++frames;
        if (loading && gLoadRequest == 0 && gGameState == kGameStatePlay) {
            const std::string holding = playtest::objectsHoldingPlayer(p);
            if (!holding.empty()) return fail("after the load " + holding);
        }
        // Every step a scene passes shows at the end of some frame.
        const int32_t step = app->getPlayScreen()->script.scriptStep;
        if (step != -1 && (stepsSeen.empty() || stepsSeen.back() != step)) stepsSeen.push_back(step);
        if (gGameState == kGameStateError) return fail("the error screen: \"" + gFatalErrorText + "\"");
        if (ended) return fail("the program ended");
        return true;
    }
    bool runFrames(int count) {
        for (int i = 0; i < count; ++i) {
            if (!frame()) return false;
        }
        return true;
    }
    bool seconds(float s) { return runFrames(framesIn(s)); }
    void hold(SDLKey key, bool down) {
        if (down) {
            held.insert(key);
        } else {
            held.erase(key);
        }
    }
    void releaseAll() { held.clear(); }
    // Pressed for one frame, then let go.
    bool tap(SDLKey key) {
        hold(key, true);
        const bool ok = frame();
        hold(key, false);
        return ok && frame();
    }
    // Runs frames until ready() holds, at most the given seconds.
    bool waitFor(const std::function<bool()>& ready, float limit, const std::string& what) {
        for (int i = 0; i < framesIn(limit); ++i) {
            if (ready()) return true;
            if (!frame()) return false;
        }
        return ready() || fail("waited " + std::to_string(limit) + " s for " + what);
    }

    // ---- screens ------------------------------------------------------------

    // From the splash to the main menu, ready for input.
    bool reachMainMenu() {
        if (!waitFor([] { return gGameState == kGameStateSplash; }, 2, "the splash")) return false;
        if (!tap(SDLK_ESCAPE)) return false;
        MainMenuScreen* menu = app->getMainMenuScreen();
        return waitFor([&] { return gGameState == kGameStateMainMenu && menu->fade >= 1.0f; }, 10,
                       "the main menu");
    }

    // New game from the main menu, every intro page read, the costume chosen
    // on its page, and the first frame of play.
    bool newGameThroughIntro() {
        if (!reachMainMenu()) return false;
        MainMenuScreen* menu = app->getMainMenuScreen();
        while (menu->selected != 0) {
            if (!tap(SDLK_UP)) return false;
        }
        if (!tap(SDLK_RETURN)) return false;
        IntroScreen* intro = app->getIntroScreen();
        int pagesRead = 0;
        while (gGameState == kGameStateIntro) {
            if (intro->fade == 1.0f && intro->showing) {
                if (intro->page == 6) {
                    while (intro->selectedCostume != costume) {
                        if (!tap(intro->selectedCostume > costume ? SDLK_LEFT : SDLK_RIGHT)) return false;
                    }
                }
                ++pagesRead;
                if (!tap(SDLK_RETURN)) return false;
            } else if (!frame()) {
                return false;
            }
            if (frames > 100000) return fail("stuck in the intro");
        }
        if (pagesRead != 8) return fail("read " + std::to_string(pagesRead) + " intro pages, not 8");
        if (gGameState != kGameStatePlay) return fail("the intro did not lead into play");
        return frame();
    }

    // Continue from the main menu: the saved game, loaded in the first frame
    // of play.
    bool continueSavedGame() {
        if (!reachMainMenu()) return false;
        MainMenuScreen* menu = app->getMainMenuScreen();
        if (!menu->continueAllowed) return fail("the main menu offers no continue");
        while (menu->selected != 1) {
            if (!tap(menu->selected > 1 ? SDLK_UP : SDLK_DOWN)) return false;
        }
        if (!tap(SDLK_RETURN)) return false;
        if (gGameState != kGameStatePlay) return fail("continue did not lead into play");
        return true;
    }

    // Escape, "save", Return; the saved notice closed again with Return.
    bool saveThroughPauseMenu() {
        if (!waitInControl()) return false;
        releaseAll();
        if (!tap(SDLK_ESCAPE)) return false;
        if (gGameState != kGameStatePauseMenu) return fail("escape did not open the pause menu");
        PauseMenuScreen* pause = app->getPauseMenuScreen();
        while (pause->selected != 1) {
            if (!tap(pause->selected > 1 ? SDLK_UP : SDLK_DOWN)) return false;
        }
        if (!tap(SDLK_RETURN)) return false;
        if (!waitFor([] { return gGameState == kGameStatePauseMenu && (gSavedOk || gSaveFailed); }, 2,
                     "the save notice")) {
            return false;
        }
        if (gSaveFailed) return fail("the save failed");
        return true;
    }
    // Closes the saved notice and goes back to play.
    bool backToPlayFromNotice() {
        if (!tap(SDLK_RETURN)) return false;
        return gGameState == kGameStatePlay || fail("the notice did not lead back to play");
    }

    // The ending: every page turned with Return once it has faded in, until
    // the main menu comes back. Gives the number of pages turned and the
    // last page shown.
    bool readEnding(int& pagesTurned, int& lastPage) {
        if (!waitFor([] { return gGameState == kGameStateEnding; }, 30, "the ending")) return false;
        EndingScreen* ending = app->getEndingScreen();
        pagesTurned = 0;
        lastPage = 0;
        while (gGameState == kGameStateEnding) {
            lastPage = std::max(lastPage, static_cast<int>(ending->page));
            if (ending->fade == 1.0f && ending->showing) {
                if (!tap(SDLK_RETURN)) return false;
                ++pagesTurned;
            } else if (!frame()) {
                return false;
            }
            if (pagesTurned > 40) return fail("the ending does not end");
        }
        return gGameState == kGameStateMainMenu || fail("the ending did not lead to the main menu");
    }

    // ---- play ---------------------------------------------------------------

    bool inControl() { return play().isPlayerInControl(); }

    // Plays out whatever runs (answers, scenes, room changes) until the
    // player is in control again: every answer is read to the end and closed
    // with Return. The steps passed are recorded in stepsSeen.
    bool playOut(float limit = 120.0f) {
        releaseAll();
        int quiet = 0;
        for (int i = 0; i < framesIn(limit); ++i) {
            PlayScreen& p = play();
            if (gGameState != kGameStatePlay) return true;  // the ending took over
            quiet = p.isPlayerInControl() && p.view.roomFade >= 1.0f && !p.answerPanel.isAnswerShowing() &&
                            p.answerPanel.openness == 0.0f
                        ? quiet + 1
                        : 0;
            // Control must hold for a moment: some scenes hand it back for a
            // single frame between their steps.
            if (quiet >= 3) return true;
            if (!closeAnswerOrWait()) return false;
        }
        return fail("the scene did not give control back within " + std::to_string(limit) + " s");
    }
    bool waitInControl() { return playOut(); }

    // The step chain since the last clear, as text.
    std::string stepsText() const {
        std::string out;
        for (int32_t s : stepsSeen) out += std::to_string(s) + " ";
        return out;
    }

    // Turns the view toward point (yaw and pitch) without walking.
    bool face(const Vec3& point) {
        for (int i = 0; i < 400; ++i) {
            const Player& player = play().player;
            Vec3 angles;
            angles.setDirectionAngles(player.playerEyePosition(), point);
            const float pitch = std::max(-1.39f, std::min(1.39f, angles.y));
            if (steer(angles.z, pitch, false)) {
                releaseAll();
                return true;
            }
            if (!frame()) return false;
            if (!inControl()) return fail("lost control while turning");
        }
        return fail("could not turn toward the target");
    }
    // Turns toward yaw; stops early when a scene takes control on the way.
    bool faceYaw(float yaw) {
        for (int i = 0; i < 400; ++i) {
            if (!inControl() || steer(yaw, play().player.viewAngles.y, false)) {
                releaseAll();
                return true;
            }
            if (!frame()) return false;
        }
        return fail("could not turn");
    }

    // Chooses the action with "1" and the target with "2", as the caption
    // shows them, then executes with "3".
    bool act(int32_t actionId, ObjectName target) {
        PlayScreen& p = play();
        const std::string name = objectName(target);
        SceneObject* object = nullptr;
        for (SceneObject* o : p.world.worldList.objects()) {
            if (o->name == name) {
                object = o;
                break;
            }
        }
        if (!object && target != kObjYourself) return fail("\"" + name + "\" is not in the room");
        if (object && !face(object->position)) return false;
        for (int i = 0; i < 30 && !(p.player.selectedAction && p.player.selectedAction->actionId == actionId); ++i) {
            if (!tap(SDLK_1)) return false;
        }
        if (!p.player.selectedAction || p.player.selectedAction->actionId != actionId) {
            return fail("action " + std::to_string(actionId) + " is not in the action list");
        }
        for (int i = 0; i < 30 && !(p.player.selectedTarget && p.player.selectedTarget->name == name); ++i) {
            if (!tap(SDLK_2)) return false;
        }
        if (!p.player.selectedTarget || p.player.selectedTarget->name != name) {
            std::string seen;
            for (const SceneObject* o : p.player.targets) seen += "\"" + o->name + "\" ";
            return fail("\"" + name + "\" is not among the targets in view: " + seen);
        }
        stepsSeen.clear();
        return tap(SDLK_3);
    }
    // Acts and plays out what follows.
    bool actAndPlayOut(int32_t actionId, ObjectName target, float limit = 120.0f) {
        return act(actionId, target) && playOut(limit);
    }

    // ---- walking ------------------------------------------------------------

    // Walks to (x, y) around the obstacles of the floor the player stands on
    // and arrives within tolerance; a scene or room change on the way is a
    // failure.
    bool walkTo(float x, float y, float tolerance = 0.12f) {
        return walk(x, y, tolerance, true, nullptr, "");
    }
    // The same in a straight line, for climbs the floor planner does not see
    // (stairs, steps).
    bool walkStraight(float x, float y, float tolerance = 0.12f) {
        return walk(x, y, tolerance, false, nullptr, "");
    }
    // Walks toward (x, y) until until() holds (a trigger, an exit); arriving
    // without it is a failure.
    bool walkUntil(float x, float y, const std::function<bool()>& until, const std::string& what,
                   bool planned = true) {
        return walk(x, y, 0.08f, planned, &until, what);
    }
    // Walks over an exit toward (x, y) and waits until room is built and
    // faded in.
    bool walkIntoRoom(float x, float y, int32_t room, bool planned = true) {
        PlayScreen& p = play();
        if (!walkUntil(x, y, [&] { return p.world.pendingRoom == room; }, "the way to room " + std::to_string(room),
                       planned)) {
            return false;
        }
        return waitForRoom(room);
    }
    // Reads any answer that comes with the way (a door's), then waits for the
    // room to be built and faded in.
    bool waitForRoom(int32_t room) {
        releaseAll();
        PlayScreen& p = play();
        for (int i = 0; i < framesIn(20.0f); ++i) {
            if (p.world.room == room && p.world.pendingRoom == room::kNone) return playOut();
            if (!closeAnswerOrWait()) return false;
        }
        return fail("waited 20 s for room " + std::to_string(room));
    }
    // Closes the answer once it has fully opened, or lets one frame pass.
    bool closeAnswerOrWait() {
        const AnswerPanel& panel = play().answerPanel;
        if (panel.openness == 1.0f && panel.targetOpenness == 1.0f) return tap(SDLK_RETURN);
        return frame();
    }

    // The extra rule of a room's floor for the planner (room 7's path edge).
    std::function<bool(float, float)> extraBounds;

    int32_t costumeChosen() const { return costume; }
    std::vector<int32_t> stepsSeen;
    int frames = 0;

private:
    // Sets the keys that turn toward (yaw, pitch) and, when walk, go forward
    // once roughly facing; true when both angles are within half a frame's
    // turn.
    bool steer(float yaw, float pitch, bool walk) {
        const Player& player = play().player;
        const float yawError = wrapAngle(yaw - player.viewAngles.z);
        const float pitchError = pitch - player.viewAngles.y;
        const float tolerance = 0.5f * kTurnPerFrame;
        hold(SDLK_LEFT, yawError > tolerance);
        hold(SDLK_RIGHT, yawError < -tolerance);
        hold(SDLK_DOWN, pitchError > tolerance);
        hold(SDLK_UP, pitchError < -tolerance);
        hold(SDLK_w, walk && std::fabs(yawError) < 0.6f);
        return std::fabs(yawError) <= tolerance && std::fabs(pitchError) <= tolerance;
    }

    std::vector<Point2> planFrom(const Vec3& at, float x, float y) {
        const float margin = 8.0f;
        GridPlanner grid(std::min(at.x, x) - margin, std::min(at.y, y) - margin, std::max(at.x, x) + margin,
                         std::max(at.y, y) + margin);
        grid.addObjects(play().world.worldList.objects(), at.z);
        if (extraBounds) grid.addRule(extraBounds);
        return grid.plan(Point2{at.x, at.y}, Point2{x, y});
    }

    bool walk(float x, float y, float tolerance, bool planned, const std::function<bool()>* until,
              const std::string& what) {
        PlayScreen& p = play();
        std::vector<Point2> legs;
        size_t leg = 0;
        float best = 1e9f;
        int sinceBest = 0;
        int replans = 0;
        int sincePlan = 1000000;
        int waited = 0;
        const int room = p.world.room;
        for (int i = 0; i < framesIn(60.0f); ++i) {
            if (until && (*until)()) {
                releaseAll();
                return true;
            }
            if (!p.isPlayerInControl()) {
                releaseAll();
                if (until) return fail("lost control on the way, before " + what + " (step " +
                                       std::to_string(p.script.scriptStep) + ")");
                return fail("lost control on the way (step " + std::to_string(p.script.scriptStep) + ", pending room " +
                            std::to_string(p.world.pendingRoom) + ")");
            }
            if (p.world.room != room) return fail("left the room on the way");
            const Vec3 at = p.player.position;
            const float distance = std::hypot(x - at.x, y - at.y);
            if (distance <= tolerance) {
                releaseAll();
                if (!until) return true;
                // Arrived: stand there a while for the trigger (a climb still
                // lifting the player, say).
                if (++waited > framesIn(3.0f)) break;
                if (!frame()) return false;
                continue;
            }
            if (distance < best - 0.05f) {
                best = distance;
                sinceBest = 0;
            } else if (++sinceBest > framesIn(3.0f)) {
                // Two or three seconds without getting closer: plan afresh
                // (something moved into the way), and give up after a few.
                if (++replans > 4) break;
                sinceBest = 0;
                sincePlan = 1000000;
                best = distance;
            }
            // The room's people move: the way is planned again each second.
            if (planned && ++sincePlan > framesIn(1.0f)) {
                legs = planFrom(at, x, y);
                leg = 0;
                sincePlan = 0;
                if (legs.empty()) return fail("no way from (" + std::to_string(at.x) + ", " + std::to_string(at.y) +
                                              ") to (" + std::to_string(x) + ", " + std::to_string(y) + ")");
            }
            Point2 next{x, y};
            if (planned) {
                while (leg + 1 < legs.size() && std::hypot(legs[leg].x - at.x, legs[leg].y - at.y) < 0.12f) ++leg;
                next = legs[leg];
            }
            const float yaw = std::atan2(next.y - at.y, next.x - at.x);
            steer(yaw, 0.2f, true);
            if (!frame()) return false;
        }
        releaseAll();
        const Vec3 at = p.player.position;
        return fail("could not walk from (" + std::to_string(at.x) + ", " + std::to_string(at.y) + ", " +
                    std::to_string(at.z) + ") to (" + std::to_string(x) + ", " + std::to_string(y) + ")" +
                    (until ? " for " + what : std::string()));
    }

    std::string where() {
        if (!app || !app->getPlayScreen()) return "";
        PlayScreen& p = play();
        const Vec3& at = p.player.position;
        return " [room " + std::to_string(p.world.room) + ", at (" + std::to_string(at.x) + ", " + std::to_string(at.y) +
               ", " + std::to_string(at.z) + "), step " + std::to_string(p.script.scriptStep) + ", state " +
               std::to_string(gGameState) + ", steps " + stepsText() + "]";
    }

    // The runs play side by side, each a frame at a time and waiting for its
    // pictures to be shown: on one shared X server they would take turns, so
    // each run has a server of its own.
    PrivateDisplay display;
    std::string label;
    int32_t costume;
    unsigned randomSeed;
    GameApp* app = nullptr;
    std::set<SDLKey> held;
    std::set<SDLKey> sent;
    std::string failure;
    std::string milestoneName = "start";
    std::vector<std::string> reached;
};

}  // namespace story

#endif
