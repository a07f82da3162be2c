#include "catalog/ResourceCatalog.h"
#include "content/PictureScenes.h"

#include <algorithm>
#include <cmath>

#include "content/Noise.h"
#include "content/Painters.h"
#include "content/TextRenderer.h"

namespace {

// Draws in a design space of 256 x 192 units (or the picture's own pixels
// at scale 1) onto a picture `scale` times as large.
struct Canvas {
    Image& img;
    float s;
    void rect(float x0, float y0, float x1, float y1, V3 c, float a = 1.0f) { img.rect(x0 * s, y0 * s, x1 * s, y1 * s, c, a); }
    void disc(float x, float y, float r, V3 c, float a = 1.0f) { img.disc(x * s, y * s, r * s, c, a); }
    void line(float x0, float y0, float x1, float y1, float t, V3 c, float a = 1.0f) {
        img.line(x0 * s, y0 * s, x1 * s, y1 * s, t * s, c, a);
    }
    // A soft glow: stacked faint discs, strongest at the middle.
    void glow(float x, float y, float r, V3 c, float strength) {
        for (int k = 24; k >= 1; --k) disc(x, y, r * float(k) / 24.0f, c, strength / 24.0f);
    }
};

void person(Canvas& cv, float x, float ground, float h, V3 c) {
    cv.disc(x, ground - h * 0.85f, h * 0.12f, c);
    cv.rect(x - h * 0.14f, ground - h * 0.72f, x + h * 0.14f, ground - h * 0.3f, c);
    cv.rect(x - h * 0.12f, ground - h * 0.3f, x - h * 0.03f, ground, c);
    cv.rect(x + h * 0.03f, ground - h * 0.3f, x + h * 0.12f, ground, c);
}

// A figure in a hooded costume or a cloak: head, sloping shoulders and a
// robe that widens to the ground.
void cloaked(Canvas& cv, float x, float ground, float h, V3 c) {
    cv.disc(x, ground - h * 0.86f, h * 0.11f, c);
    for (int i = 0; i < 24; ++i) {
        const float f = float(i) / 23.0f;
        const float half = h * (0.1f + 0.16f * f);
        const float y = ground - h * 0.8f + f * h * 0.8f;
        cv.rect(x - half, y, x + half, y + h * 0.04f, c);
    }
}

void house(Canvas& cv, float x, float ground, float w, V3 wall, V3 window) {
    cv.rect(x, ground - w * 0.8f, x + w, ground, wall);
    for (int i = 0; i < 30; ++i) {
        const float f = i / 30.0f;
        cv.rect(x - w * 0.05f + f * w * 0.55f, ground - w * 0.8f - f * w * 0.45f,
                x + w * 1.05f - f * w * 0.55f, ground - w * 0.8f - f * w * 0.45f + w * 0.02f, wall);
    }
    cv.rect(x + w * 0.7f, ground - w * 1.2f, x + w * 0.8f, ground - w * 0.9f, wall);  // chimney
    for (int k = 0; k < 2; ++k) {
        const float wx = x + w * (k ? 0.68f : 0.15f);
        cv.glow(wx + w * 0.085f, ground - w * 0.525f, w * 0.22f, window, 0.25f);
        cv.rect(wx, ground - w * 0.6f, wx + w * 0.17f, ground - w * 0.45f, window);
        cv.rect(wx + w * 0.08f, ground - w * 0.6f, wx + w * 0.09f, ground - w * 0.45f, wall);
        cv.rect(wx, ground - w * 0.53f, wx + w * 0.17f, ground - w * 0.52f, wall);
    }
    cv.rect(x + w * 0.42f, ground - w * 0.35f, x + w * 0.58f, ground, wall * 0.4f);
}

void pumpkinShape(Canvas& cv, float x, float y, float r, bool lit) {
    const V3 skin(0.9f, 0.45f, 0.05f);
    cv.glow(x, y, r * 2.2f, V3(1.0f, 0.5f, 0.1f), lit ? 0.35f : 0.1f);
    for (int k = 0; k < 5; ++k) {  // the ribs, outer ones darker
        const float dx = (float(k) - 2) * r * 0.38f;
        cv.disc(x + dx, y, r * (0.75f - std::fabs(float(k) - 2) * 0.08f), skin * (1.0f - std::fabs(float(k) - 2) * 0.18f));
    }
    cv.rect(x - r * 0.1f, y - r * 1.3f, x + r * 0.1f, y - r * 0.65f, V3(0.2f, 0.35f, 0.1f));
    const V3 face = lit ? V3(1, 0.9f, 0.3f) : V3(0.15f, 0.06f, 0.02f);
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 10; ++i) {  // triangle eyes
            const float f = float(i) / 9.0f;
            cv.rect(x + side * r * 0.35f - r * 0.16f * f, y - r * 0.35f + r * 0.24f * f,
                    x + side * r * 0.35f + r * 0.16f * f, y - r * 0.35f + r * 0.24f * f + r * 0.03f, face);
        }
    cv.rect(x - r * 0.45f, y + r * 0.25f, x + r * 0.45f, y + r * 0.4f, face);
    for (int t = -1; t <= 1; t += 2) cv.rect(x + t * r * 0.2f - r * 0.06f, y + r * 0.25f, x + t * r * 0.2f + r * 0.06f, y + r * 0.31f, skin * 0.8f);
}

// Sky, stars, moon and far fog. Nothing but the sky's gradient is drawn in
// the top strip, where the ending's narration lines stand.
void nightBackground(Canvas& cv, uint32_t seed, V3 sky, bool moon) {
    Image& img = cv.img;
    paint::gradient(img, paint::whole(img), sky * 0.3f, sky * 1.15f);
    Noise n(seed);
    const float w = float(img.width()), h = float(img.height());
    for (int i = 0; i < 160; ++i) {
        const float x = n.next() * w, y = h * (0.16f + 0.4f * n.next() * n.next());
        const float b = 0.4f + 0.6f * n.next();
        img.disc(x, y, 0.8f + 1.4f * n.next() * n.next() * cv.s * 0.5f, V3(0.8f, 0.8f, 0.9f) * b, b);
    }
    if (moon) {
        cv.glow(205, 40, 36, V3(0.6f, 0.6f, 0.55f), 0.3f);
        cv.disc(205, 40, 15, V3(0.92f, 0.9f, 0.8f));
        cv.disc(200, 36, 3, V3(0.8f, 0.78f, 0.7f));
        cv.disc(210, 45, 2.2f, V3(0.8f, 0.78f, 0.7f));
    }
    for (int y = int(h * 0.45f); y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const float f = n.fractal(x / (24.0f * cv.s), y / (10.0f * cv.s), 0, 4);
            const float rise = std::min(1.0f, (y / h - 0.45f) * 6);
            img.blend(x, y, V3(0.5f, 0.5f, 0.55f), 0.3f * f * rise);
        }
}

// Mist drifting in front of everything near the ground.
void nearFog(Canvas& cv, uint32_t seed, V3 colour, float strength) {
    Image& img = cv.img;
    Noise n(seed * 3 + 1);
    const float h = float(img.height());
    for (int y = int(h * 0.6f); y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const float f = n.fractal(x / (40.0f * cv.s), y / (8.0f * cv.s), 0, 4);
            const float rise = std::min(1.0f, (y / h - 0.6f) * 5);
            img.blend(x, y, colour, strength * rise * f * f * 1.6f);
        }
}

}  // namespace

void drawTitleLettering(Image& strip) {
    TextRenderer serif(dejaVuPath("Serif-Bold"));
    if (!serif.ok()) return;
    serif.setPixelSize(48);
    const char* title = "QUENDRALVOSS";
    // Letter-spaced by hand for a carved look.
    float width = 0;
    for (const char* c = title; *c; ++c) width += serif.measure(std::string(1, *c)) + 14;
    float x = (strip.width() - width + 14) * 0.5f;
    for (const char* c = title; *c; ++c) {
        const std::string ch(1, *c);
        serif.drawLine(strip, ch, x, 50, V3(1, 1, 1));
        x += serif.measure(ch) + 14;
    }
    strip.line(40, 58, x - width * 0.0f - 40 > 40 ? 300 : 300, 58, 2, V3(1, 1, 1), 0.6f);
    strip.line(strip.width() - 300.0f, 58, strip.width() - 40.0f, 58, 2, V3(1, 1, 1), 0.6f);
}

void drawGamepad(Image& img, int step) {
    const V3 line(0.8f, 0.8f, 0.8f), hot(1, 1, 1);
    const float w = float(img.width()), h = float(img.height());
    // Body outline.
    img.ring(w * 0.3f, h * 0.55f, h * 0.25f, 3, line);
    img.ring(w * 0.7f, h * 0.55f, h * 0.25f, 3, line);
    img.rect(w * 0.3f, h * 0.3f, w * 0.7f, h * 0.3f + 3, line);
    img.rect(w * 0.38f, h * 0.72f, w * 0.62f, h * 0.72f + 3, line);
    // Sticks.
    const float lx = w * 0.36f, rx = w * 0.58f, sy = h * 0.62f, r = h * 0.09f;
    img.ring(lx, sy, r, 2, line);
    img.ring(rx, sy, r, 2, line);
    // Buttons.
    const float bx = w * 0.74f, by = h * 0.45f, br = h * 0.035f;
    const float bpos[4][2] = {{bx, by - 14}, {bx + 14, by}, {bx, by + 14}, {bx - 14, by}};
    for (int i = 0; i < 4; ++i) img.ring(bpos[i][0], bpos[i][1], br, 2, line);
    img.rect(w * 0.47f, h * 0.42f, w * 0.53f, h * 0.46f, line, 0.8f);
    auto arrow = [&](float x, float y, float dx, float dy) {
        img.line(x, y, x + dx * 40, y + dy * 40, 5, hot);
        img.line(x + dx * 40, y + dy * 40, x + dx * 28 - dy * 10, y + dy * 28 + dx * 10, 5, hot);
        img.line(x + dx * 40, y + dy * 40, x + dx * 28 + dy * 10, y + dy * 28 - dx * 10, 5, hot);
    };
    switch (step) {
        case 0: img.disc(lx, sy, r * 0.7f, hot); arrow(lx - r, sy, -1, 0); break;
        case 1: img.disc(lx, sy, r * 0.7f, hot); arrow(lx, sy - r, 0, -1); break;
        case 2: img.disc(rx, sy, r * 0.7f, hot); arrow(rx - r, sy, -1, 0); break;
        case 3: img.disc(rx, sy, r * 0.7f, hot); arrow(rx, sy - r, 0, -1); break;
        case 4: img.disc(bpos[0][0], bpos[0][1], br * 1.3f, hot); break;
        case 5: img.disc(bpos[1][0], bpos[1][1], br * 1.3f, hot); break;
        case 6: img.disc(bpos[2][0], bpos[2][1], br * 1.3f, hot); break;
        default: img.rect(w * 0.46f, h * 0.41f, w * 0.54f, h * 0.47f, hot); break;
    }
}

Image splashLogo() {
    Image img(128, 96, false);
    img.fill(V3(0, 0, 0));
    // A small lantern with a flame, drawn in blocks for a pixel look.
    const V3 frame(0.75f, 0.72f, 0.65f), flame(1.0f, 0.65f, 0.15f);
    img.rect(56, 22, 72, 25, frame);
    img.rect(50, 25, 78, 28, frame);
    img.rect(50, 28, 53, 62, frame);
    img.rect(75, 28, 78, 62, frame);
    img.rect(50, 62, 78, 66, frame);
    img.rect(61, 16, 67, 22, frame);
    img.rect(60, 40, 68, 58, flame);
    img.rect(62, 34, 66, 40, V3(1.0f, 0.9f, 0.4f));
    img.rect(44, 74, 84, 76, frame);
    return img;
}

Image endingPicture(int n) {
    // Painted at 1024 x 768 in a 256 x 192 design space: sharp on a full
    // 4:3 screen.
    Image img(1024, 768, false);
    Canvas cv{img, 4.0f};
    const float ground = 150;
    const V3 ink(0.02f, 0.02f, 0.03f);
    V3 mist(0.45f, 0.45f, 0.5f);
    float mistLevel = 0.35f;
    switch (n) {
        case picture::kEndingFoggyStreet:  // the procession leaving through the fog
            nightBackground(cv, 269, V3(0.15f, 0.15f, 0.25f), true);
            for (int i = 0; i < 7; ++i) {
                const float x = 30 + i * 33.0f, h = 34 + float((i * 5) % 3) * 6.0f;
                if (i % 2) cloaked(cv, x, ground, h, ink);
                else person(cv, x, ground, h, ink);
                if (i == 3) cv.glow(x + 8, ground - h * 0.55f, 9, V3(1, 0.6f, 0.2f), 0.5f);  // a lantern
            }
            break;
        case picture::kEndingGardenGate:  // the garden gate and the stone birds
            nightBackground(cv, 264, V3(0.15f, 0.15f, 0.22f), true);
            cv.rect(0, 110, 256, ground, V3(0.2f, 0.2f, 0.22f));
            for (int k = 0; k < 12; ++k) cv.rect(k * 22.0f, 110 + (k % 2), k * 22.0f + 21, 112 + (k % 2), V3(0.28f, 0.28f, 0.3f));
            for (int side = 0; side < 2; ++side) {
                const float x = side ? 144.0f : 100.0f;
                cv.rect(x, 80, x + 12, ground, V3(0.25f, 0.25f, 0.27f));
                cv.rect(x - 2, 78, x + 14, 82, V3(0.3f, 0.3f, 0.32f));
                cv.disc(x + 6, 72, 6, V3(0.3f, 0.3f, 0.32f));  // the bird's body
                cv.disc(x + 6 + (side ? 5.0f : -5.0f), 67, 3, V3(0.3f, 0.3f, 0.32f));
                cv.line(x + 6 + (side ? 8.0f : -8.0f), 67, x + 6 + (side ? 11.0f : -11.0f), 68, 1, V3(0.3f, 0.3f, 0.32f));
            }
            for (int bar = 0; bar < 6; ++bar) cv.rect(114 + bar * 5.0f, 92, 115.5f + bar * 5.0f, ground, V3(0.08f, 0.08f, 0.1f));
            break;
        case picture::kEndingLitWindow:  // the house with its lit windows
            nightBackground(cv, 262, V3(0.12f, 0.12f, 0.2f), true);
            house(cv, 70, ground, 110, V3(0.08f, 0.08f, 0.1f), V3(0.9f, 0.7f, 0.3f));
            break;
        case picture::kEndingLanternUnlit: case picture::kEndingLanternLit: case picture::kEndingLanternBurntDown: {  // the lantern: unlit, lit, burnt down
            nightBackground(cv, 257, V3(0.1f, 0.08f, 0.12f), false);
            pumpkinShape(cv, 128, 120, 36, n == 258);
            if (n == 259) {
                cv.disc(128, 120, 30, V3(0.25f, 0.12f, 0.04f), 0.6f);
                for (int k = 0; k < 3; ++k) cv.glow(120 + k * 8.0f, 78 - k * 10.0f, 6, V3(0.4f, 0.4f, 0.42f), 0.3f);
            }
            mistLevel = 0.2f;
            break;
        }
        case picture::kEndingDogAsleep: {  // the dog asleep by its house
            nightBackground(cv, 268, V3(0.12f, 0.14f, 0.18f), true);
            const V3 wood(0.3f, 0.2f, 0.12f), fur(0.4f, 0.28f, 0.15f);
            cv.rect(150, 100, 210, ground, wood);
            for (int i = 0; i < 20; ++i) {  // the roof
                const float f = float(i) / 20.0f;
                cv.rect(146 + f * 34, 100 - f * 26, 214 - f * 34, 102 - f * 26, wood * 0.7f);
            }
            cv.disc(180, 126, 12, V3(0.03f, 0.02f, 0.02f));
            cv.rect(168, 126, 192, ground, V3(0.03f, 0.02f, 0.02f));
            cv.disc(110, 138, 14, fur);
            cv.disc(124, 140, 12, fur);
            cv.disc(92, 138, 9, fur);
            cv.disc(87, 132, 4, fur * 0.8f);  // an ear
            cv.line(135, 142, 146, 146, 3, fur);  // the tail
            for (int z = 0; z < 3; ++z) cv.rect(96 + z * 7.0f, 112 - z * 9.0f, 101 + z * 8.0f, 113 - z * 9.0f, V3(0.7f, 0.7f, 0.75f));
            break;
        }
        case picture::kEndingWell:  // the well
            nightBackground(cv, 267, V3(0.12f, 0.12f, 0.18f), false);
            cv.rect(96, 110, 160, ground, V3(0.35f, 0.35f, 0.37f));
            for (int row = 0; row < 4; ++row)
                for (int k = 0; k < 4; ++k)
                    cv.rect(97 + k * 16.0f + (row % 2) * 8, 111 + row * 10.0f, 111 + k * 16.0f + (row % 2) * 8,
                            112 + row * 10.0f, V3(0.25f, 0.25f, 0.27f));
            cv.rect(104, 108, 152, 114, V3(0.02f, 0.02f, 0.02f));
            cv.rect(170, 70, 175, ground, V3(0.35f, 0.25f, 0.15f));
            cv.line(172, 72, 130, 76, 1.2f, V3(0.35f, 0.25f, 0.15f));
            cv.line(131, 76, 129, 108, 0.6f, V3(0.6f, 0.55f, 0.45f));  // the rope into the dark
            break;
        case picture::kEndingFishPerson:  // the fish person in the water
            paint::gradient(img, paint::whole(img), V3(0.02f, 0.06f, 0.08f), V3(0.05f, 0.2f, 0.22f));
            cv.glow(128, 108, 50, V3(0.1f, 0.4f, 0.35f), 0.4f);
            cv.disc(128, 110, 22, V3(0.2f, 0.5f, 0.4f));
            cv.disc(110, 110, 6, V3(0.18f, 0.45f, 0.36f));
            cv.disc(146, 110, 6, V3(0.18f, 0.45f, 0.36f));
            cv.glow(120, 104, 8, V3(0.2f, 1, 0.5f), 0.5f);
            cv.glow(136, 104, 8, V3(0.2f, 1, 0.5f), 0.5f);
            cv.disc(120, 104, 4, V3(0.2f, 1, 0.5f));
            cv.disc(136, 104, 4, V3(0.2f, 1, 0.5f));
            cv.rect(0, 125, 256, 192, V3(0.05f, 0.18f, 0.2f));
            for (int k = 0; k < 6; ++k) cv.rect(100 - k * 6.0f, 126 + k * 8.0f, 156 + k * 6.0f, 126.6f + k * 8.0f, V3(0.15f, 0.35f, 0.35f), 0.6f);
            mist = V3(0.2f, 0.35f, 0.35f);
            break;
        case picture::kEndingGoatPersonBowing:  // the goat person bowing
            nightBackground(cv, 265, V3(0.1f, 0.08f, 0.08f), false);
            cv.glow(128, 90, 60, V3(0.5f, 0.3f, 0.15f), 0.25f);
            cloaked(cv, 128, ground, 80, V3(0.25f, 0.2f, 0.15f));
            cv.line(121, 78, 106, 56, 3, V3(0.8f, 0.75f, 0.6f));
            cv.line(106, 56, 100, 60, 2.5f, V3(0.8f, 0.75f, 0.6f));
            cv.line(135, 78, 150, 56, 3, V3(0.8f, 0.75f, 0.6f));
            cv.line(150, 56, 156, 60, 2.5f, V3(0.8f, 0.75f, 0.6f));
            break;
        case picture::kEndingPersonInChair:  // the old person in the chair
        case picture::kEndingEmptyChair: {  // the empty chair
            nightBackground(cv, n, V3(0.1f, 0.08f, 0.1f), false);
            const V3 wood(0.2f, 0.15f, 0.12f);
            cv.glow(200, 100, 40, V3(1, 0.6f, 0.25f), 0.3f);  // a candle on the side
            cv.rect(198, 98, 202, 112, V3(0.9f, 0.88f, 0.8f));
            cv.rect(100, 70, 108, ground, wood);  // the chair's high back and legs
            cv.rect(152, 70, 160, ground, wood);
            cv.rect(100, 70, 160, 78, wood);
            cv.rect(100, 112, 160, 120, wood * 1.2f);
            if (n == 261) person(cv, 130, 130, 60, V3(0.7f, 0.7f, 0.75f));
            break;
        }
        case picture::kEndingGateOpen:  // the gate in the street, open
            nightBackground(cv, 270, V3(0.25f, 0.05f, 0.05f), false);
            cv.glow(128, 100, 50, V3(0.6f, 0.1f, 0.05f), 0.4f);
            cv.rect(60, 40, 90, ground, ink);
            cv.rect(166, 40, 196, ground, ink);
            cv.rect(60, 30, 196, 50, ink);
            cv.rect(90, 120, 112, 150, ink);  // the open wings
            cv.rect(144, 120, 166, 150, ink);
            mist = V3(0.5f, 0.2f, 0.2f);
            break;
        case picture::kEndingGoingHome:  // going home at dawn
            nightBackground(cv, 266, V3(0.5f, 0.35f, 0.4f), false);
            cv.glow(128, 112, 90, V3(1, 0.75f, 0.5f), 0.45f);
            person(cv, 128, ground, 36, ink);
            cv.line(128, 150, 128, 192, 12, V3(0.3f, 0.25f, 0.28f), 0.5f);  // the path
            mist = V3(0.75f, 0.6f, 0.6f);
            break;
        default:  // 271: the second part: the street, darker; the sky stays empty for the text
            nightBackground(cv, 271, V3(0.06f, 0.04f, 0.06f), false);
            house(cv, 150, ground, 80, ink, V3(0.5f, 0.1f, 0.1f));
            person(cv, 90, ground, 40, V3(0.15f, 0.1f, 0.1f));
            mist = V3(0.3f, 0.25f, 0.28f);
            break;
    }
    nearFog(cv, uint32_t(n), mist, mistLevel);
    return img;
}

Image endingTexture(int n) {
    // Stored square for GL; the ending screen stretches it back to 4:3.
    // Rows are interpolated, so the stretch back leaves no seams.
    const Image wide = endingPicture(n);
    Image square(wide.width(), wide.width(), false);
    const float step = float(wide.height() - 1) / float(square.height() - 1);
    for (int y = 0; y < square.height(); ++y) {
        const float src = float(y) * step;
        const int y0 = int(src), y1 = std::min(wide.height() - 1, y0 + 1);
        const float f = src - float(y0);
        for (int x = 0; x < square.width(); ++x) square.set(x, y, lerp(wide.rgb(x, y0), wide.rgb(x, y1), f));
    }
    return square;
}

Image portraitAtlas() {
    Image img(256, 256, false);
    paint::noise(img, paint::whole(img), V3(0.3f, 0.22f, 0.15f), V3(0.5f, 0.4f, 0.28f), 8, 3, 166);
    Noise n(1660);
    // Top half: four oil portraits; bottom left: round sketches; bottom right: the dog photo.
    for (int i = 0; i < 4; ++i) {
        const float x = i * 64.0f;
        paint::gradient(img, paint::area(int(x) + 4, 4, 56, 120), V3(0.2f, 0.15f, 0.1f), V3(0.35f, 0.25f, 0.15f));
        img.disc(x + 32, 50, 14, V3(0.75f, 0.6f, 0.45f) * (0.8f + 0.2f * n.next()));
        img.rect(x + 14, 68, x + 50, 124, V3(0.15f, 0.1f, 0.12f) + V3(0.1f, 0.05f, 0.0f) * float(i));
    }
    for (int i = 0; i < 2; ++i) {
        const float cx = 32 + i * 64.0f, cy = 192;
        img.disc(cx, cy, 28, V3(0.9f, 0.88f, 0.8f));
        img.ring(cx, cy - 6, 9, 2, V3(0.2f, 0.2f, 0.2f));
        img.line(cx, cy + 3, cx - 12, cy + 24, 2, V3(0.2f, 0.2f, 0.2f));
        img.line(cx, cy + 3, cx + 12, cy + 24, 2, V3(0.2f, 0.2f, 0.2f));
        img.line(cx - 14, cy - 18, cx + 14, cy - 22, 2, V3(0.2f, 0.2f, 0.2f));  // an odd hat
    }
    img.rect(136, 136, 248, 248, V3(0.92f, 0.92f, 0.9f));
    paint::gradient(img, paint::area(144, 144, 96, 80), V3(0.5f, 0.55f, 0.6f), V3(0.45f, 0.4f, 0.3f));
    img.disc(192, 200, 16, V3(0.45f, 0.32f, 0.2f));
    img.disc(178, 186, 9, V3(0.45f, 0.32f, 0.2f));
    img.rect(184, 196, 212, 214, V3(0.45f, 0.32f, 0.2f));
    return img;
}

Image fadedPainting() {
    Image img(128, 256, false);
    paint::noise(img, paint::whole(img), V3(0.12f, 0.1f, 0.08f), V3(0.3f, 0.26f, 0.2f), 4, 5, 167);
    img.disc(64, 90, 26, V3(0.35f, 0.3f, 0.25f), 0.5f);
    img.rect(30, 120, 98, 230, V3(0.2f, 0.16f, 0.14f), 0.5f);
    paint::agedEdges(img, paint::whole(img), 0.6f);
    return img;
}

Image oldPhotos() {
    Image img(256, 128, false);
    Canvas cv{img, 1.0f};
    img.fill(V3(0.2f, 0.17f, 0.14f));
    for (int i = 0; i < 3; ++i) {
        const float x = 8 + i * 84.0f;
        img.rect(x, 10, x + 76, 118, V3(0.85f, 0.82f, 0.75f));
        paint::gradient(img, paint::area(int(x) + 6, 16, 64, 84), V3(0.6f, 0.55f, 0.5f), V3(0.4f, 0.35f, 0.3f));
        person(cv, x + 28, 100, 60, V3(0.2f, 0.18f, 0.16f));
        if (i != 1) person(cv, x + 50, 100, 50, V3(0.25f, 0.22f, 0.2f));
    }
    return img;
}
