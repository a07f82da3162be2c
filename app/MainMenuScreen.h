#ifndef QUENDRALVOSS_APP_MAINMENUSCREEN_H
#define QUENDRALVOSS_APP_MAINMENUSCREEN_H

#include <cstdint>

#include "app/ScreenOverlay.h"
#include "engine/TextLabel.h"

class Mesh;
class Texture;

// The main menu (GameState 6): an animated title scene rising out of a fog,
// the title strip and the entries new game, continue and exit.
class MainMenuScreen {
public:
    // Builds the label on font "res/0" (no glyph at all: fatal error 1 with
    // "res/0") and creates the overlay.
    MainMenuScreen();

    // Starts the menu music silent, lights the scene, takes the fifteen
    // resources, and reads the save file: "continue" is offered (and
    // selected) exactly when "game.sav" opens; its bindings are put in force.
    void enterMainMenuScreen();
    // Reads the entries' input once the fade passes half way, ramps the music
    // to 0.7 with the fade, and draws the scene, the entries and the strip.
    void updateMainMenuScreen(float dt);
    // Silences the music, gives back the resources and purges the cache.
    void leaveMainMenuScreen();

    Texture* reflection;
    Texture* shadow;
    Mesh* hallMesh;
    Mesh* leftColumnMesh;
    Mesh* rightColumnMesh;
    Mesh* houseMesh;
    Mesh* groundMesh;
    Mesh* frontMesh;
    Texture* hallTexture;
    Texture* columnTexture;
    Texture* houseTexture;
    Texture* groundTexture;
    Texture* sheenTexture;
    Texture* frontTexture;
    Texture* titleStrip;
    uint32_t frameCounter;
    float time;
    float scroll;
    TextLabel label;
    int32_t selected;
    uint8_t continueAllowed;
    float fade;
    float titleAlpha;
    ScreenOverlay overlay;

private:
    // True when the frame must end here (the state changed).
    bool readInput();
    // The one-second black pause after new game or continue.
    void handOver();
    void drawScene();
    void drawEntry(const char* text, int32_t index, float up, float grey, float alpha);
};

#endif
