#ifndef QUENDRALVOSS_APP_INTROSCREEN_H
#define QUENDRALVOSS_APP_INTROSCREEN_H

#include <cstdint>
#include <string>

#include "app/ScreenOverlay.h"
#include "engine/TextLabel.h"

class Mesh;
class Texture;

// The intro (GameState 8): eight pages that fade in, wait for confirm and
// fade out, the costume choice on page 6, then a new game in play with the
// chosen costume in gCostume.
class IntroScreen {
public:
    // Creates the overlay and builds the label on font "res/0" (no glyph at
    // all: fatal error 1 with "res/0").
    IntroScreen();

    // Starts the quiet-night track silently, lights the scene, takes the thirteen resources
    // and starts page 1 (ghost selected); the music follows after 1 s.
    void enterIntroScreen();
    // At full fade: menu returns to the main menu, confirm turns the page.
    // After page 8: gNewGameRequest 1, gCostume, GameState 4, no drawing.
    void updateIntroScreen(float dt);
    // Gives back the thirteen resources and purges the cache.
    void leaveIntroScreen();

    // The text page 6 shows: narration, an empty line, the costume line of
    // the selected costume, then 25 line breaks.
    std::string costumePageText() const;
    // The three costumes in a row with the gaps between them, the one
    // selected bracketed; as long as the narration above it whichever it is.
    static std::string costumeLine(int32_t selected);

    uint32_t frameCounter;
    float time;
    Texture* paperShade;
    Texture* reflection;
    Mesh* paperMesh;
    Texture* paperTexture;
    Texture* sheenTexture;
    Mesh* cardMesh;
    // The card and the three backs carry words: their pictures come from the
    // text table of the program's language.
    Texture* cardTexture;
    Mesh* backMesh;
    Texture* ghostBack;
    Texture* deathBack;
    Texture* werewolfBack;
    Mesh* costumeMesh;
    Texture* costumeTexture;
    int32_t selectedCostume;
    float shownCostume;
    ScreenOverlay overlay;
    TextLabel label;
    float musicDelay;
    float fade;
    float fadeSpeed;
    uint8_t showing;
    int32_t page;
    float fogGlow;

private:
    void chooseCostume(float dt);
    void drawCard(Mesh* mesh, float t, Texture* face);
    void drawPage();
};

#endif
