#ifndef QUENDRALVOSS_TOOLS_GAMESESSION_H
#define QUENDRALVOSS_TOOLS_GAMESESSION_H

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class GameApp;
class PlayScreen;
struct RoomVariant;

// The real GameApp run by a tool: in a scratch working directory (so no save
// of the player's is touched) with the content of a res/ directory, on a fake
// clock stepped by 45 ms a frame that never sleeps, so every run of the same
// input draws the same frames.
class GameSession {
public:
    // program names the tool in its messages.
    explicit GameSession(const char* program);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Makes the scratch directory, opens a width x height window and starts
    // the game from res; false, with a message printed, when any step fails.
    bool start(const char* title, int width, int height, const std::string& res);
    // Splash, "new game", the intro's pages, then play; false, with a message
    // printed, when the intro does not lead into play.
    bool enterPlay();
    // One pass of the run loop with the clock a step on; exits the program
    // when the game leaves play or ends on the error screen.
    void frame();
    void frames(int count);
    // Presses and releases key, a frame each.
    void tap(SDLKey key);

    // A new game's state with the variant's flags in an empty world whose
    // resources are all given back, so the next build loads its room afresh.
    void prepareVariant(const RoomVariant& variant);
    // Builds the variant's room and puts the player at its entry, facing yaw 0.
    void buildVariant(const RoomVariant& variant);

    // The back buffer as RGB bytes, top row first as on screen.
    std::vector<unsigned char> readBackBuffer() const;

    PlayScreen& play() const;
    GameApp* app() const { return game; }
    int width() const { return screenWidth; }
    int height() const { return screenHeight; }

    // path made absolute against the working directory at the call.
    static std::string absolute(const std::string& path);

private:
    const char* program;
    GameApp* game;
    int screenWidth, screenHeight;
    std::string scratch;
};

#endif
