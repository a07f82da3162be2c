#ifndef QUENDRALVOSS_PLAY_ANSWERPANEL_H
#define QUENDRALVOSS_PLAY_ANSWERPANEL_H

#include <cstdint>

#include "engine/TextLabel.h"

class Texture;

// The world's answers: a band over the lower third of the 2D overlay that
// rises in one second, uncovers its text, waits for confirm or execute and
// sinks again; between the steps of a scripted scene it waits half open. The
// panel is itself the text label that shows the answer.
class AnswerPanel : public TextLabel {
public:
    // Null texture, closed; constructAnswerPanel takes the resources.
    AnswerPanel();
    // Gives back the band texture if still held.
    ~AnswerPanel();

    // Texture 2 for the band, the label set up (font "res/0", missing: fatal
    // error 1 "res/0"), closed.
    void constructAnswerPanel();
    // Sets the label up again and closes the panel; the text stays.
    void resetAnswerPanel();
    // Gives back the band texture; safe to run twice.
    void destroyAnswerPanel();
    // Shows text (replacing any shown text at once) and opens the panel.
    void setAnswerText(const char* answer);
    // True while the panel is to open or is more than half open.
    bool isAnswerShowing() const;
    // Opens by dt or closes by dt (stopping at 0.5 while a script step waits
    // with no delay left); when fully open, a confirm or execute press (taken)
    // plays sound::kConfirm and starts the closing. Always advances the scroll clock.
    void updateAnswerPanel(float dt, int32_t scriptStep, float scriptStepDelay);
    // The band, its text and its glow on the 2D overlay; warning tints red.
    void drawAnswerPanel(bool warning);
    // The top of the band of the overlay that drawAnswerPanel changes, from
    // the bottom edge; 0 while fully closed (it draws nothing then).
    float drawnTop() const;

    Texture* panelTexture;
    float openness;
    float targetOpenness;
    float scrollTime;

private:
    void setUpLabel();
};

#endif
