#ifndef QUENDRALVOSS_PLAY_CAPTIONTEXT_H
#define QUENDRALVOSS_PLAY_CAPTIONTEXT_H

#include <string>

#include "engine/TextLabel.h"

// The two-line caption at the top of the play view: the chosen action above,
// the chosen target below, with a soft shadow. It fades in (2 a second) while
// shown and out otherwise, keeping its texts while it fades out.
class CaptionText {
public:
    // Both labels, then loadCaptionText.
    CaptionText();

    // Sets both labels up (font "res/0", missing: fatal error 1 "res/0" for
    // each), hidden but heading for shown.
    void loadCaptionText();
    // Fades toward shown (1) or hidden (0) by 2 x dt.
    void updateCaptionText(float dt, bool shown);
    // The texts become first and second unless the caption is fading out.
    void setCaptionTexts(const std::string& first, const std::string& second);
    // Draws both lines on the 2D overlay after setCaptionTexts(first, second).
    void drawCaptionText(const std::string& first, const std::string& second);
    // The band of the overlay (bottom, top) that drawing the present texts
    // changes, shadow included; false when it changes nothing (hidden).
    bool drawnBand(float& bottom, float& top) const;

    TextLabel firstLine;
    TextLabel secondLine;
    float visibility;
    float targetVisibility;
};

#endif
