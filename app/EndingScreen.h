#ifndef QUENDRALVOSS_APP_ENDINGSCREEN_H
#define QUENDRALVOSS_APP_ENDINGSCREEN_H

#include <cstdint>

#include "engine/TextLabel.h"

// The rectangle, in 48 x 36 overlay units, that shows a 4:3 picture at its
// own shape on a screen of the given pixel size: bars left and right on wide
// screens, above and below on narrow ones.
struct PictureRect {
    float left;
    float bottom;
    float right;
    float top;
};
PictureRect fourByThreePictureRect(float screenWidth, float screenHeight);

// The ending (GameState 10): nineteen pages of pictures and closing words
// that fade in after their hold, wait for confirm (or Escape) and fade out,
// with the music changes at pages 14 and 17; then the main menu.
class EndingScreen : public TextLabel {
public:
    // Builds the label on font "res/0" (no glyph at all: fatal error 1 with
    // "res/0"), glyph size 1, centred on the overlay.
    EndingScreen();

    // Resumes the music and starts page 1 after a 1 s hold.
    void enterEndingScreen();
    // Turns the page at full fade on confirm or menu, runs the hold and the
    // fade, and draws the page; after page 19's hold, the main menu.
    void updateEndingScreen(float dt);
    // Purges the cache.
    void leaveEndingScreen();

    float hold;
    float fade;
    float fadeSpeed;
    uint8_t showing;
    int32_t page;
    uint32_t frameCounter;

private:
    void arriveAtNextPage();
    // The page's picture number; sets its text and glyph size, the fade
    // speed and, where the page says so, the music volume.
    int32_t preparePage();
    void drawPicture(int32_t number);
    void drawClosingTexts();
    // Pages where the picture stays and only the text fades.
    bool textOnlyFades() const;
};

#endif
