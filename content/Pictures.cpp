// The game's pictures by number: surfaces, sphere maps, overlays, screens.
#include <algorithm>
#include <cmath>
#include <utility>

#include "catalog/ResourceCatalog.h"
#include "content/Catalog.h"
#include "content/HouseLayout.h"
#include "content/Noise.h"
#include "content/Painters.h"
#include "content/PictureScenes.h"
#include "content/PictureTexts.h"
#include "content/PngWriter.h"

namespace {

using paint::area;
using paint::whole;

// How a palette cell is painted.
enum CellLook { SkinLook, ClothLook, FurLook, ShineLook, PlainLook, BoneLook };

// A 4 x 4 palette picture: each cell one colour painted as skin, cloth,
// fur, metal, plain or bone, and shaded lighter at its top than at its
// bottom (the figures map each part's top to a cell's top), laid out as the
// character meshes expect (see Atlas.h).
Image palette(const V3 colours[16], const CellLook looks[16], uint32_t seed) {
    Image img(256, 256, false);
    for (int i = 0; i < 16; ++i) {
        const int c = i % 4, r = i / 4;
        const paint::Area a = area(c * 64, (3 - r) * 64, 64, 64);
        const V3 col = colours[i];
        const uint32_t cellSeed = seed + uint32_t(i);
        switch (looks[i]) {
            case SkinLook: paint::noise(img, a, col * 0.9f, col * 1.05f, 4, 3, cellSeed); break;
            case ClothLook: paint::cloth(img, a, col * 1.1f, 12, cellSeed); break;
            case FurLook: paint::fur(img, a, col * 1.1f, cellSeed); break;
            case ShineLook: paint::stripes(img, a, col * 0.7f, col * 1.25f, 5, true); break;
            case BoneLook: paint::noise(img, a, col * 0.8f, col * 1.05f, 8, 4, cellSeed); break;
            default: paint::noise(img, a, col * 0.92f, col * 1.04f, 8, 2, cellSeed); break;
        }
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const int px = a.x + x, py = a.y + y;
                const float shade = 1.08f - 0.25f * (float(y) / 63.0f);
                const V3 v = img.rgb(px, py) * shade;
                img.set(px, py, V3(std::min(1.0f, v.x), std::min(1.0f, v.y), std::min(1.0f, v.z)));
            }
    }
    return img;
}

Image characterAtlas() {
    const V3 c[16] = {V3(0.93f, 0.76f, 0.66f), V3(0.55f, 0.22f, 0.42f), V3(0.25f, 0.12f, 0.3f),
                      V3(0.2f, 0.3f, 0.18f),   V3(0.8f, 0.5f, 0.4f),    V3(0.62f, 0.62f, 0.6f),
                      V3(0.45f, 0.3f, 0.18f),  V3(0.12f, 0.1f, 0.08f),  V3(0.75f, 0.78f, 0.82f),
                      V3(0.85f, 0.1f, 0.15f),  V3(0.2f, 0.55f, 0.2f),   V3(0.55f, 0.55f, 0.58f),
                      V3(0.1f, 0.08f, 0.08f),  V3(0.95f, 0.95f, 0.9f),  V3(0.75f, 0.68f, 0.52f),
                      V3(0.9f, 0.88f, 0.8f)};
    const CellLook l[16] = {SkinLook, ClothLook, ClothLook, ClothLook, SkinLook, BoneLook, FurLook, FurLook,
                            ShineLook, PlainLook, PlainLook, FurLook, BoneLook, PlainLook, ClothLook, BoneLook};
    return palette(c, l, 51);
}

// A palette whose cells are variations of a main and a second colour, for
// the characters that have a picture of their own.
Image characterPicture(V3 skin, V3 main, V3 second, V3 dark, uint32_t seed) {
    const V3 c[16] = {skin, main, second, main * 0.8f, skin * 0.9f, second * 0.9f, main * 1.1f,
                      dark, V3(0.7f, 0.72f, 0.75f), second * 1.2f, main * 0.6f, dark * 1.5f,
                      dark, V3(0.95f, 0.95f, 0.9f), second * 0.7f, V3(0.9f, 0.88f, 0.8f)};
    const CellLook l[16] = {SkinLook, ClothLook, ClothLook, ClothLook, SkinLook, ClothLook, FurLook, FurLook,
                            ShineLook, ClothLook, FurLook, FurLook, PlainLook, PlainLook, ClothLook, BoneLook};
    return palette(c, l, seed);
}

// Turns a picture upside down. paint::sphereMap paints the sky at the top,
// but the game loads pictures unflipped, so the top rows are what faces
// turned down reflect; flipping puts the sky on the faces that look up.
void flipRows(Image& img) {
    for (int y = 0; y < img.height() / 2; ++y)
        for (int x = 0; x < img.width(); ++x) {
            float* a = img.at(x, y);
            float* b = img.at(x, img.height() - 1 - y);
            for (int k = 0; k < 4; ++k) std::swap(a[k], b[k]);
        }
}

Image sphere(V3 sky, V3 horizon, V3 ground, V3 highlight, uint32_t seed, int size = 128) {
    Image img(size, size, false);
    paint::sphereMap(img, sky, horizon, ground, highlight, seed);
    flipRows(img);
    return img;
}

// A reflection picture for the second, sphere-mapped pass (see
// paint::environment); the colours name sky, band, ground, rim and key.
Image reflection(V3 zenith, V3 skyLow, V3 band, V3 ground, V3 rim, V3 key, float bandWidth, uint32_t seed) {
    Image img(256, 256, false);
    paint::Environment e;
    e.zenith = zenith;
    e.skyLow = skyLow;
    e.band = band;
    e.ground = ground;
    e.rim = rim;
    e.key = key;
    e.bandWidth = bandWidth;
    paint::environment(img, e, seed);
    return img;
}

Image fog(uint32_t seed, float low, float high) {
    Image img(256, 256, false);
    paint::noise(img, whole(img), V3(low, low, low), V3(high, high, high), 4, 5, seed);
    return img;
}

Image vignette() {
    Image img(256, 256, true);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const float dx = (x + 0.5f) / 128 - 1, dy = (y + 0.5f) / 128 - 1;
            const float r = std::sqrt(dx * dx + dy * dy) / 1.4142f;
            const float a = std::min(1.0f, std::max(0.0f, (r - 0.35f) / 0.65f));
            img.set(x, y, V3(0, 0, 0), std::max(0.0f, std::min(1.0f, a * a * 1.3f)));
        }
    // The very centre must not darken at all; 0 there and nothing partial is lost.
    return img;
}

Image glowSpot() {
    Image img(64, 64, true);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const float dx = (x + 0.5f) / 32 - 1, dy = (y + 0.5f) / 32 - 1;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float f = std::max(0.0f, 1.0f - r / 0.9f);
            const float a = f * f;
            img.set(x, y, V3(a, a, a) * 1.0f + V3(0.0f, 0.0f, 0.0f), a);
        }
    img.clearBorder(1);
    return img;
}

// Dust patches that lose coverage stage by stage (0 = whole).
Image dust(int stage) {
    Image img(128, 128, true);
    Noise n(175);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const float dx = (x + 0.5f) / 64 - 1, dy = (y + 0.5f) / 64 - 1;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float shape = n.fractal(x / 16.0f, y / 16.0f, 8, 4) + 0.55f - r;
            const float keep = n.hash(x / 4, y / 4);
            const bool covered = shape > 0.5f && keep >= stage * 0.24f;
            const float g = 0.55f + 0.25f * n.hash(x, y);
            img.set(x, y, V3(g, g * 0.95f, g * 0.85f), covered ? 1.0f : 0.0f);
        }
    img.clearBorder(1);
    return img;
}

Image sweepMask() {
    Image img(128, 128, true);
    Noise n(185);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const float v = (y + 0.5f) / 128;
            const float edge = 0.375f + 0.125f * n.fractal(x / 8.0f, 0.5f, 16, 3);
            img.set(x, y, V3(1, 1, 1), v < edge ? 1.0f : 0.0f);
        }
    return img;
}

Image grain() {
    Image img(128, 128, true);
    Noise n(195);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) img.set(x, y, V3(0, 0, 0), n.hash(x, y) > 0.6f ? 1.0f : 0.0f);
    return img;
}

Image mist() {
    Image img(256, 256, true);
    Noise n(230);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const float f = n.fractal(x / 64.0f, y / 64.0f, 4, 5);
            img.set(x, y, V3(1, 1, 1), std::max(0.02f, std::min(0.98f, (f - 0.3f) * 1.6f)));
        }
    return img;
}

Image grass() {
    Image img(128, 128, true);
    img.fill(V3(0.2f, 0.3f, 0.12f), 0.0f);
    Noise n(340);
    for (int i = 0; i < 40; ++i) {
        const float x = 4 + n.next() * 120, lean = (n.next() - 0.5f) * 30, h = 60 + n.next() * 60;
        const float g = 0.5f + 0.5f * n.next();
        img.line(x, 127, x + lean, 127 - h, 3.0f, V3(0.25f * g, 0.4f * g, 0.12f * g));
    }
    img.cutAlpha(0.5f);
    img.clearBorder(1);
    return img;
}

Image titleStrip() {
    Image img(1024, 64, true);
    img.fill(V3(1, 1, 1), 0.0f);
    drawTitleLettering(img);
    img.clearBorder(1);
    return img;
}

Image eyeGloss() {
    Image img(128, 128, true);
    paint::sphereMap(img, V3(0.9f, 0.85f, 0.8f), V3(0.5f, 0.3f, 0.3f), V3(0.1f, 0.0f, 0.0f),
                     V3(1, 1, 1), 249);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const V3 c = img.rgb(x, y);
            const float l = (c.x + c.y + c.z) / 3;
            img.at(x, y)[3] = std::max(0.03f, std::min(0.9f, l * l));
        }
    flipRows(img);
    return img;
}

Image eyes() {
    Image img(256, 256, false);
    img.fill(V3(0.85f, 0.8f, 0.7f));
    paint::noise(img, whole(img), V3(0.75f, 0.55f, 0.5f), V3(0.95f, 0.9f, 0.85f), 4, 3, 250);
    img.disc(128, 128, 80, V3(0.55f, 0.05f, 0.02f));
    img.disc(128, 128, 56, V3(0.85f, 0.35f, 0.05f));
    img.disc(128, 128, 30, V3(0.02f, 0.0f, 0.0f));
    for (int i = 0; i < 24; ++i) {
        const float a = i * 0.2618f;
        img.line(128 + 34 * std::cos(a), 128 + 34 * std::sin(a), 128 + 78 * std::cos(a),
                 128 + 78 * std::sin(a), 2.0f, V3(0.35f, 0.05f, 0.0f), 0.6f);
    }
    return img;
}

Image controllerPrompt(int step) {
    Image img(256, 192, false);
    img.fill(V3(0, 0, 0));
    drawGamepad(img, step);
    return img;
}

Image plain(V3 c, int w, int h) {
    Image img(w, h, false);
    img.fill(c);
    return img;
}

Image surface(int kind, V3 c, uint32_t seed, int size = 256) {
    Image img(size, size, false);
    switch (kind) {
        case 0: paint::stone(img, whole(img), c, seed); break;
        case 1: paint::wood(img, whole(img), c, 6, seed); break;
        case 2: paint::bricks(img, whole(img), c, c * 0.45f, 8, 4, seed); break;
        case 3: paint::cloth(img, whole(img), c, 32, seed); break;
        case 4: paint::fur(img, whole(img), c, seed); break;
        default: paint::noise(img, whole(img), c * 0.5f, c * 1.1f, 8, 4, seed); break;
    }
    return img;
}

Image shedAtlas() {
    Image img(256, 256, false);
    paint::wood(img, area(0, 0, 256, 128), V3(0.5f, 0.36f, 0.22f), 4, 113);
    paint::stone(img, area(0, 128, 128, 128), V3(0.45f, 0.45f, 0.42f), 114);
    paint::noise(img, area(128, 128, 128, 128), V3(0.45f, 0.36f, 0.2f), V3(0.7f, 0.6f, 0.4f), 16, 3, 115);
    return img;
}

Image pumpkin(bool litFace) {
    Image img(256, 256, false);
    paint::stripes(img, whole(img), V3(0.75f, 0.33f, 0.04f), V3(0.95f, 0.52f, 0.08f), 8, true);
    // The top rows are the stalk region (mesh v near 1).
    paint::noise(img, area(0, 0, 256, 24), V3(0.2f, 0.25f, 0.08f), V3(0.35f, 0.4f, 0.15f), 8, 3, 132);
    if (litFace) {
        const V3 glow(1.0f, 0.85f, 0.3f);
        // Eyes and mouth sit around u = 0.5 (the side facing the viewer).
        img.disc(104, 110, 14, glow);
        img.disc(152, 110, 14, glow);
        for (int i = 0; i < 7; ++i) img.rect(92 + i * 10.0f, 150 + (i % 2) * 6.0f, 100 + i * 10.0f, 166, glow);
    }
    return img;
}

Image panels() {
    Image img(256, 256, false);
    paint::noise(img, whole(img), V3(0.3f, 0.32f, 0.3f), V3(0.45f, 0.47f, 0.45f), 8, 3, 189);
    for (int i = 0; i < 6; ++i) {
        const float x = 20 + (i % 3) * 78.0f, y = 30 + (i / 3) * 110.0f;
        img.rect(x, y, x + 60, y + 36, V3(0.02f, 0.08f, 0.04f));
        for (int k = 0; k < 5; ++k)
            img.line(x + 4 + k * 11.0f, y + 26 - (k * 7 % 18), x + 15 + k * 11.0f, y + 10 + (k * 5 % 14),
                     2, V3(0.2f, 1.0f, 0.4f));
        img.disc(x + 10, y + 60, 5, V3(1.0f, 0.2f, 0.1f));
        img.disc(x + 28, y + 60, 5, V3(1.0f, 0.8f, 0.1f));
    }
    return img;
}

// The house front of mesh 205: u runs over world x 1.5..23.5, v over z
// 0..12; frames around the openings that the glass (mesh 90) fills.
Image facade(bool late) {
    Image img(256, 256, false);
    // By night warm dark boards; late in the night the first grey light has
    // bleached them cold, the frames throw long shadows to the side and damp
    // has crept up from the porch.
    const V3 wall = late ? V3(0.36f, 0.38f, 0.44f) : V3(0.3f, 0.28f, 0.32f);
    paint::wood(img, whole(img), wall, 24, late ? 207u : 206u);
    const V3 frame = late ? V3(0.1f, 0.1f, 0.12f) : V3(0.12f, 0.1f, 0.08f);
    auto px = [](float x) { return (x - 1.5f) / 22.0f * 256.0f; };
    auto py = [](float z) { return (1.0f - z / 12.0f) * 256.0f; };
    for (const MeshBuilder::Hole& h : house::frontOpenings()) {
        if (late) {
            img.rect(px(h.x1 + 0.2f), py(h.z1 + 0.1f), px(h.x1 + 0.9f), py(h.z0 - 0.4f), wall * 0.35f, 0.85f);
        }
        img.rect(px(h.x0 - 0.2f), py(h.z1 + 0.2f), px(h.x1 + 0.2f), py(h.z0 - 0.2f), frame);
    }
    img.rect(0, 0, 256, py(11.6f), V3(0.08f, 0.07f, 0.07f));  // eaves
    img.rect(0, py(1.0f), 256, 256, V3(0.18f, 0.17f, 0.17f));  // the base under the porch
    if (late) {
        for (int k = 0; k < 14; ++k) {
            const float x = 9.0f + 18.0f * float(k) + 5.0f * std::sin(float(k) * 2.3f);
            const float top = py(1.0f) - 14.0f - 10.0f * (0.5f + 0.5f * std::sin(float(k) * 1.7f));
            img.line(x, py(1.0f), x + 2.0f, top, 3.0f, V3(0.16f, 0.2f, 0.17f), 0.55f);
        }
    }
    return img;
}

Image curtain() {
    Image img(64, 128, false);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 64; ++x) {
            const float fold = 0.7f + 0.3f * std::sin(x * 0.4f);
            const bool pattern = ((x / 4) + (y / 4)) % 6 == 0;
            V3 c = V3(0.45f, 0.08f, 0.12f) * fold;
            if (pattern) c = c * 1.4f;
            img.set(x, y, c);
        }
    return img;
}

}  // namespace

std::vector<uint8_t> makePictureResource(int n) {
    std::vector<uint8_t> text = makeTextPicture(n);
    if (!text.empty()) return text;
    // 4:3 screen pictures are painted at 4:3 and stored square (power-of-two
    // sides); the screens stretch them back to 4:3. The ending's fill the
    // whole screen, so they are painted large.
    if (n >= 257 && n <= 271) return encodePng(endingTexture(n));
    if (n >= 215 && n <= 222) return encodePng(controllerPrompt(n - 215).resampled(256, 256));
    if (n >= 179 && n <= 182) return encodePng(dust(n - 178));
    switch (n) {
        case picture::kFogLayer: return encodePng(fog(2, 0.25f, 0.95f));
        case picture::kVignette: return encodePng(vignette());
        case picture::kGlowHalo: return encodePng(fog(6, 0.0f, 1.0f));
        case picture::kBrass: return encodePng(surface(5, V3(0.8f, 0.62f, 0.25f), 28, 64));
        case picture::kWitchLook: return encodePng(characterPicture(V3(0.6f, 0.7f, 0.5f), V3(0.12f, 0.1f, 0.18f),
                                                   V3(0.3f, 0.15f, 0.35f), V3(0.05f, 0.04f, 0.05f), 30));
        case picture::kSkeletonLook: return encodePng(characterPicture(V3(0.9f, 0.87f, 0.78f), V3(0.35f, 0.3f, 0.22f),
                                                   V3(0.5f, 0.42f, 0.3f), V3(0.1f, 0.08f, 0.06f), 31));
        case picture::kGlowSpot: return encodePng(glowSpot());
        case picture::kCatLook: return encodePng(characterPicture(V3(0.25f, 0.22f, 0.2f), V3(0.15f, 0.13f, 0.12f),
                                                   V3(0.35f, 0.3f, 0.25f), V3(0.05f, 0.05f, 0.05f), 47));
        case picture::kCharacterAtlas: return encodePng(characterAtlas());
        case picture::kBlack: return encodePng(plain(V3(0, 0, 0), 64, 64));
        case picture::kSomethingLook: return encodePng(characterPicture(V3(0.2f, 0.2f, 0.22f), V3(0.08f, 0.08f, 0.1f),
                                                   V3(0.18f, 0.16f, 0.2f), V3(0.02f, 0.02f, 0.03f), 62));
        case picture::kSplashLogo: return encodePng(splashLogo().resampled(128, 128));
        case picture::kMenuFog: return encodePng(fog(69, 0.2f, 0.7f));
        case picture::kPaper: return encodePng(surface(5, V3(0.85f, 0.78f, 0.62f), 72));
        case picture::kMenuHouseBoards: return encodePng(surface(1, V3(0.45f, 0.3f, 0.35f), 74));
        case picture::kMenuGround: return encodePng(surface(0, V3(0.5f, 0.45f, 0.5f), 76));
        case picture::kMenuSheen: return encodePng(sphere(V3(0.7f, 0.6f, 0.8f), V3(0.9f, 0.6f, 0.5f), V3(0.1f, 0.05f, 0.1f), V3(0.6f, 0.6f, 0.6f), 77));
        case picture::kSweetWrapper: {
            Image img(128, 128, false);
            paint::stripes(img, whole(img), V3(0.9f, 0.15f, 0.2f), V3(0.98f, 0.95f, 0.9f), 6, false);
            return encodePng(img);
        }
        case picture::kPaperSheen: return encodePng(sphere(V3(1, 0.98f, 0.92f), V3(0.92f, 0.88f, 0.8f), V3(0.7f, 0.66f, 0.6f), V3(0.3f, 0.3f, 0.3f), 85));
        case picture::kReflection: return encodePng(sphere(V3(0.9f, 0.9f, 0.95f), V3(0.4f, 0.4f, 0.45f), V3(0.05f, 0.05f, 0.06f), V3(1, 1, 1), 91));
        case picture::kWindowGlass:  // the windows' glass: warm rooms behind, the night sky above
            return encodePng(reflection(V3(0.45f, 0.45f, 0.55f), V3(0.3f, 0.28f, 0.32f), V3(0.75f, 0.5f, 0.25f),
                                        V3(0.25f, 0.15f, 0.07f), V3(0.35f, 0.35f, 0.45f), V3(0.55f, 0.5f, 0.4f), 0.3f, 92));
        case picture::kShedAtlas: return encodePng(shedAtlas());
        case picture::kStoneSheen:  // the garden: hedges all round, dark earth, a green-grey sky
            return encodePng(reflection(V3(0.5f, 0.6f, 0.62f), V3(0.22f, 0.3f, 0.28f), V3(0.12f, 0.3f, 0.1f),
                                        V3(0.04f, 0.07f, 0.03f), V3(0.2f, 0.32f, 0.25f), V3(0.4f, 0.45f, 0.35f), 0.35f, 115));
        case picture::kDampSheen:  // underground: damp walls, a pale opening far above
            return encodePng(reflection(V3(0.45f, 0.58f, 0.55f), V3(0.12f, 0.18f, 0.18f), V3(0.1f, 0.14f, 0.13f),
                                        V3(0.02f, 0.03f, 0.03f), V3(0.15f, 0.25f, 0.25f), V3(0.3f, 0.38f, 0.35f), 0.2f, 116));
        case picture::kMetalSheen:  // the default: a dim night sky, walls round about, dark ground
            return encodePng(reflection(V3(0.62f, 0.66f, 0.78f), V3(0.3f, 0.33f, 0.42f), V3(0.2f, 0.2f, 0.23f),
                                        V3(0.03f, 0.03f, 0.04f), V3(0.28f, 0.34f, 0.45f), V3(0.45f, 0.45f, 0.42f), 0.18f, 117));
        case picture::kShadowSheen:  // the shadowy something: violet dark with a magenta rim
            return encodePng(reflection(V3(0.3f, 0.2f, 0.42f), V3(0.12f, 0.06f, 0.16f), V3(0.08f, 0.03f, 0.1f),
                                        V3(0.01f, 0.0f, 0.02f), V3(0.45f, 0.2f, 0.6f), V3(0.3f, 0.2f, 0.4f), 0.2f, 118));
        case picture::kPumpkinLeaves: return encodePng(surface(5, V3(0.25f, 0.45f, 0.15f), 130, 128));
        case picture::kPumpkin: return encodePng(pumpkin(false));
        case picture::kPumpkinLit: return encodePng(pumpkin(true));
        case picture::kGoldSheen: return encodePng(sphere(V3(1.0f, 0.9f, 0.5f), V3(0.8f, 0.6f, 0.2f), V3(0.3f, 0.2f, 0.05f), V3(1, 1, 0.8f), 145));
        case picture::kFishPersonLook: {
            Image img(256, 256, false);
            paint::scales(img, whole(img), V3(0.25f, 0.55f, 0.45f), V3(0.05f, 0.2f, 0.18f), 16);
            return encodePng(img);
        }
        case picture::kCurtain: return encodePng(curtain());
        case picture::kCrystalSheen: return encodePng(sphere(V3(0.7f, 0.8f, 1.0f), V3(0.5f, 0.3f, 0.7f), V3(0.1f, 0.05f, 0.2f), V3(1, 1, 1), 161));
        case picture::kPortraitAtlas: return encodePng(portraitAtlas());
        case picture::kFadedPainting: return encodePng(fadedPainting());
        case picture::kOldPhotos: return encodePng(oldPhotos());
        case picture::kGoatPersonLook: return encodePng(characterPicture(V3(0.85f, 0.8f, 0.7f), V3(0.5f, 0.38f, 0.25f),
                                                    V3(0.3f, 0.25f, 0.45f), V3(0.12f, 0.1f, 0.08f), 173));
        case picture::kDust: return encodePng(dust(0));
        case picture::kSweepMask: return encodePng(sweepMask());
        case picture::kEquipmentPanels: return encodePng(panels());
        case picture::kPersonLook: return encodePng(characterPicture(V3(0.9f, 0.8f, 0.75f), V3(0.75f, 0.75f, 0.85f),
                                                    V3(0.6f, 0.6f, 0.7f), V3(0.3f, 0.3f, 0.35f), 191));
        case picture::kFilmGrain: return encodePng(grain());
        case picture::kHouseFacade: return encodePng(facade(false));
        case picture::kHouseFacadeAtDawn: return encodePng(facade(true));
        case picture::kDarkWood: return encodePng(surface(1, V3(0.3f, 0.22f, 0.18f), 209));
        case picture::kPaleFibre: return encodePng(surface(5, V3(0.75f, 0.72f, 0.65f), 212, 128));
        case picture::kBackdropMist: return encodePng(mist());
        case picture::kBackdropSky: return encodePng(fog(231, 0.15f, 0.9f));
        case picture::kTunnelGround: return encodePng(surface(2, V3(0.4f, 0.3f, 0.3f), 232));
        case picture::kTunnelWalls: return encodePng(surface(0, V3(0.35f, 0.3f, 0.3f), 233));
        case picture::kTunnelRidges: return encodePng(surface(1, V3(0.3f, 0.22f, 0.2f), 234));
        case picture::kTunnelArch: return encodePng(surface(2, V3(0.35f, 0.25f, 0.25f), 235));
        case picture::kTunnelStones: return encodePng(surface(0, V3(0.3f, 0.28f, 0.25f), 236));
        case picture::kRedSheen:  // the tunnel: black above, the red floor glowing from below
            return encodePng(reflection(V3(0.25f, 0.05f, 0.05f), V3(0.12f, 0.02f, 0.02f), V3(0.35f, 0.06f, 0.04f),
                                        V3(0.5f, 0.08f, 0.05f), V3(0.5f, 0.15f, 0.12f), V3(0.3f, 0.15f, 0.12f), 0.15f, 238));
        case picture::kTunnelDeadTrees: return encodePng(surface(5, V3(0.3f, 0.25f, 0.22f), 240));
        case picture::kTunnelRing: return encodePng(surface(2, V3(0.45f, 0.35f, 0.32f), 243));
        case picture::kTunnelFloor: return encodePng(surface(0, V3(0.35f, 0.3f, 0.28f), 244));
        case picture::kEyeGloss: return encodePng(eyeGloss());
        case picture::kEyes: return encodePng(eyes());
        case picture::kCostumeOverlay: return encodePng(surface(5, V3(0.9f, 0.9f, 0.95f), 252, 128));
        case picture::kCostumeDeathLook: return encodePng(characterPicture(V3(0.9f, 0.88f, 0.8f), V3(0.06f, 0.06f, 0.07f),
                                                    V3(0.15f, 0.15f, 0.17f), V3(0.02f, 0.02f, 0.02f), 254));
        case picture::kCostumeGhostLook: return encodePng(characterPicture(V3(0.95f, 0.95f, 0.97f), V3(0.92f, 0.92f, 0.95f),
                                                    V3(0.8f, 0.8f, 0.85f), V3(0.05f, 0.05f, 0.05f), 255));
        case picture::kCostumeWerewolfLook: return encodePng(characterPicture(V3(0.35f, 0.28f, 0.2f), V3(0.3f, 0.22f, 0.15f),
                                                    V3(0.45f, 0.35f, 0.25f), V3(0.08f, 0.06f, 0.05f), 256));
        case picture::kRockSurface: return encodePng(surface(0, V3(0.5f, 0.48f, 0.45f), 275, 128));
        case picture::kGrass: return encodePng(grass());
        case picture::kTitleStrip: return encodePng(titleStrip());
        default: return {};
    }
}
