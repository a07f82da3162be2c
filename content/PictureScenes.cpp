#include "content/PictureScenes.h"

#include <cmath>

#include "content/Noise.h"
#include "content/Painters.h"
#include "content/TextRenderer.h"

namespace {

void person(Image& img, float x, float ground, float h, V3 c) {
    img.disc(x, ground - h * 0.85f, h * 0.12f, c);
    img.rect(x - h * 0.14f, ground - h * 0.72f, x + h * 0.14f, ground - h * 0.3f, c);
    img.rect(x - h * 0.12f, ground - h * 0.3f, x - h * 0.03f, ground, c);
    img.rect(x + h * 0.03f, ground - h * 0.3f, x + h * 0.12f, ground, c);
}

void house(Image& img, float x, float ground, float w, V3 wall, V3 window) {
    img.rect(x, ground - w * 0.8f, x + w, ground, wall);
    for (int i = 0; i < 30; ++i) {
        const float f = i / 30.0f;
        img.rect(x - w * 0.05f + f * w * 0.55f, ground - w * 0.8f - f * w * 0.45f,
                 x + w * 1.05f - f * w * 0.55f, ground - w * 0.8f - f * w * 0.45f + w * 0.02f, wall);
    }
    img.rect(x + w * 0.15f, ground - w * 0.6f, x + w * 0.32f, ground - w * 0.45f, window);
    img.rect(x + w * 0.68f, ground - w * 0.6f, x + w * 0.85f, ground - w * 0.45f, window);
    img.rect(x + w * 0.42f, ground - w * 0.35f, x + w * 0.58f, ground, wall * 0.4f);
}

void pumpkinShape(Image& img, float x, float y, float r, bool lit) {
    img.disc(x, y, r, V3(0.9f, 0.45f, 0.05f));
    img.rect(x - r * 0.1f, y - r * 1.3f, x + r * 0.1f, y - r * 0.8f, V3(0.2f, 0.35f, 0.1f));
    if (lit) {
        img.disc(x - r * 0.35f, y - r * 0.2f, r * 0.16f, V3(1, 0.9f, 0.3f));
        img.disc(x + r * 0.35f, y - r * 0.2f, r * 0.16f, V3(1, 0.9f, 0.3f));
        img.rect(x - r * 0.45f, y + r * 0.25f, x + r * 0.45f, y + r * 0.4f, V3(1, 0.9f, 0.3f));
    }
}

void nightBackground(Image& img, uint32_t seed, V3 sky, bool moon) {
    paint::gradient(img, paint::whole(img), sky * 0.3f, sky);
    Noise n(seed);
    for (int i = 0; i < 40; ++i) {
        const float x = n.next() * img.width(), y = n.next() * img.height() * 0.5f;
        img.set(int(x), int(y), V3(0.8f, 0.8f, 0.9f));
    }
    if (moon) img.disc(img.width() * 0.8f, img.height() * 0.2f, img.height() * 0.08f, V3(0.9f, 0.9f, 0.8f));
    for (int y = int(img.height() * 0.55f); y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const float f = n.fractal(x / 24.0f, y / 12.0f, 0, 3);
            img.blend(x, y, V3(0.5f, 0.5f, 0.55f), 0.3f * f);
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
    Image img(256, 192, false);
    const float ground = 150;
    const V3 ink(0.02f, 0.02f, 0.03f);
    switch (n) {
        case 269:  // the foggy street with the procession
            nightBackground(img, 269, V3(0.15f, 0.15f, 0.25f), true);
            for (int i = 0; i < 5; ++i) person(img, 40 + i * 40.0f, ground, 40 + (i % 2) * 10.0f, ink);
            break;
        case 264:  // the garden gate and the stone birds
            nightBackground(img, 264, V3(0.15f, 0.15f, 0.22f), true);
            img.rect(0, 110, 256, ground, V3(0.2f, 0.2f, 0.22f));
            img.rect(100, 80, 112, ground, V3(0.25f, 0.25f, 0.27f));
            img.rect(144, 80, 156, ground, V3(0.25f, 0.25f, 0.27f));
            img.disc(106, 74, 7, V3(0.3f, 0.3f, 0.32f));
            img.disc(150, 74, 7, V3(0.3f, 0.3f, 0.32f));
            break;
        case 262:  // the house with one lit window
            nightBackground(img, 262, V3(0.12f, 0.12f, 0.2f), true);
            house(img, 70, ground, 110, V3(0.08f, 0.08f, 0.1f), V3(0.9f, 0.7f, 0.3f));
            break;
        case 257: case 258: case 259: {  // the lantern: unlit, lit, burnt down
            nightBackground(img, 257, V3(0.1f, 0.08f, 0.12f), false);
            pumpkinShape(img, 128, 120, 36, n == 258);
            if (n == 259) img.disc(128, 120, 30, V3(0.25f, 0.12f, 0.04f), 0.6f);
            break;
        }
        case 268:  // the dog asleep by its house
            nightBackground(img, 268, V3(0.12f, 0.14f, 0.18f), true);
            img.rect(150, 100, 210, ground, V3(0.3f, 0.2f, 0.12f));
            img.disc(180, 98, 30, V3(0.3f, 0.2f, 0.12f), 0.0f);
            img.rect(90, 132, 140, ground, V3(0.4f, 0.28f, 0.15f));
            img.disc(88, 134, 10, V3(0.4f, 0.28f, 0.15f));
            break;
        case 267:  // the well
            nightBackground(img, 267, V3(0.12f, 0.12f, 0.18f), false);
            img.rect(96, 110, 160, ground, V3(0.35f, 0.35f, 0.37f));
            img.rect(104, 108, 152, 114, V3(0.02f, 0.02f, 0.02f));
            img.rect(170, 80, 175, ground, V3(0.35f, 0.25f, 0.15f));
            break;
        case 263:  // the fish person in the water
            paint::gradient(img, paint::whole(img), V3(0.02f, 0.06f, 0.08f), V3(0.05f, 0.2f, 0.22f));
            img.disc(128, 110, 22, V3(0.2f, 0.5f, 0.4f));
            img.disc(120, 104, 4, V3(0.2f, 1, 0.5f));
            img.disc(136, 104, 4, V3(0.2f, 1, 0.5f));
            img.rect(0, 125, 256, 192, V3(0.05f, 0.18f, 0.2f));
            break;
        case 265:  // the goat person bowing
            nightBackground(img, 265, V3(0.1f, 0.08f, 0.08f), false);
            person(img, 128, ground, 80, V3(0.25f, 0.2f, 0.15f));
            img.line(118, 76, 108, 60, 3, V3(0.8f, 0.75f, 0.6f));
            img.line(138, 76, 148, 60, 3, V3(0.8f, 0.75f, 0.6f));
            break;
        case 261:  // the old person in the chair
            nightBackground(img, 261, V3(0.1f, 0.08f, 0.1f), false);
            img.rect(100, 90, 160, ground, V3(0.2f, 0.15f, 0.12f));
            person(img, 130, 130, 60, V3(0.7f, 0.7f, 0.75f));
            break;
        case 260:  // the empty chair
            nightBackground(img, 260, V3(0.1f, 0.08f, 0.1f), false);
            img.rect(100, 90, 160, ground, V3(0.2f, 0.15f, 0.12f));
            break;
        case 270:  // the gate in the street, open
            nightBackground(img, 270, V3(0.25f, 0.05f, 0.05f), false);
            img.rect(60, 40, 90, ground, ink);
            img.rect(166, 40, 196, ground, ink);
            img.rect(60, 30, 196, 50, ink);
            break;
        case 266:  // going home at dawn
            nightBackground(img, 266, V3(0.5f, 0.35f, 0.4f), false);
            person(img, 128, ground, 36, ink);
            break;
        default:  // 271: the second part: the street, darker, empty above
            nightBackground(img, 271, V3(0.06f, 0.04f, 0.06f), false);
            house(img, 150, ground, 80, ink, V3(0.5f, 0.1f, 0.1f));
            person(img, 90, ground, 40, V3(0.15f, 0.1f, 0.1f));
            break;
    }
    return img;
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
    img.fill(V3(0.2f, 0.17f, 0.14f));
    for (int i = 0; i < 3; ++i) {
        const float x = 8 + i * 84.0f;
        img.rect(x, 10, x + 76, 118, V3(0.85f, 0.82f, 0.75f));
        paint::gradient(img, paint::area(int(x) + 6, 16, 64, 84), V3(0.6f, 0.55f, 0.5f), V3(0.4f, 0.35f, 0.3f));
        person(img, x + 28, 100, 60, V3(0.2f, 0.18f, 0.16f));
        if (i != 1) person(img, x + 50, 100, 50, V3(0.25f, 0.22f, 0.2f));
    }
    return img;
}
