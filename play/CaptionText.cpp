#include "play/CaptionText.h"

#include <algorithm>

#include "app/FatalError.h"
#include "app/GameFont.h"
#include "engine/FontRegistry.h"
#include "engine/ScreenSize2D.h"

namespace {

// Shadow copies stand this far apart, 5 x 5 of them.
const float kShadowStep = 0.055f;
// What the caption's band takes beyond its glyphs and shadow.
const float kBandMargin = 0.25f;

void setUpLine(TextLabel& label, float y, float z) {
    useGameFont(label);
    label.position.set(0.0f, y, z);
    label.glyphSize = 1.0f;
    label.setAnchor(0.5f, 0.0f);
}

}  // namespace

CaptionText::CaptionText() : visibility(0.0f), targetVisibility(1.0f) { loadCaptionText(); }

void CaptionText::loadCaptionText() {
    const float w = gScreenSize2D ? gScreenSize2D->width : 48.0f;
    const float h = gScreenSize2D ? gScreenSize2D->height : 36.0f;
    setUpLine(firstLine, w / 2.0f, h - 1.0f);
    setUpLine(secondLine, w / 2.0f, h - 2.0f);
    visibility = 0.0f;
    targetVisibility = 1.0f;
}

void CaptionText::updateCaptionText(float dt, bool shown) {
    targetVisibility = shown ? 1.0f : 0.0f;
    if (targetVisibility > visibility) {
        visibility += 2.0f * dt;
        if (visibility > 1.0f) {
            visibility = 1.0f;
        }
    } else if (visibility > targetVisibility) {
        visibility -= 2.0f * dt;
        if (visibility < 0.0f) {
            visibility = 0.0f;
        }
    }
}

void CaptionText::setCaptionTexts(const std::string& first, const std::string& second) {
    if (targetVisibility != 0.0f) {
        firstLine.text = first;
        secondLine.text = second;
    }
}

bool CaptionText::drawnBand(float& bottom, float& top) const {
    if (visibility == 0.0f) {
        return false;
    }
    // Each line's block hangs from its top; the shadow spreads two steps
    // each way, and a margin keeps the glyphs' filtered edges inside.
    const float margin = 2.0f * kShadowStep + kBandMargin;
    top = std::max(firstLine.position.z, secondLine.position.z) + margin;
    bottom = std::min(firstLine.position.z - firstLine.height(), secondLine.position.z - secondLine.height()) - margin;
    return true;
}

void CaptionText::drawCaptionText(const std::string& first, const std::string& second) {
    setCaptionTexts(first, second);
    const Vec3 firstAt = firstLine.position;
    const Vec3 secondAt = secondLine.position;
    firstLine.setColour(0.2f, 0.2f, 0.2f, 0.5f * visibility);
    secondLine.setColour(0.2f, 0.2f, 0.2f, 0.5f * visibility);
    for (int j = -2; j <= 2; ++j) {
        for (int i = -2; i <= 2; ++i) {
            firstLine.position = firstAt;
            firstLine.position.add(0.0f, kShadowStep * static_cast<float>(j), kShadowStep * static_cast<float>(i));
            secondLine.position = secondAt;
            secondLine.position.add(0.0f, kShadowStep * static_cast<float>(j), kShadowStep * static_cast<float>(i));
            firstLine.draw();
            secondLine.draw();
        }
    }
    firstLine.position = firstAt;
    secondLine.position = secondAt;
    firstLine.setColour(0.8f, 0.8f, 0.8f, visibility);
    secondLine.setColour(0.8f, 0.8f, 0.8f, visibility);
    firstLine.draw();
    secondLine.draw();
}
