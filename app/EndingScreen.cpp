#include "app/EndingScreen.h"
#include "app/GameFont.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <string>

#include "app/FatalError.h"
#include "app/GameState.h"
#include "app/InputActions.h"
#include "app/MenuSounds.h"
#include "app/OverlayQuad.h"
#include "catalog/ResourceCatalog.h"
#include "engine/CountOf.h"
#include "engine/FontRegistry.h"
#include "engine/MouseState.h"
#include "engine/Music.h"
#include "engine/Platform.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "text/Text.h"

namespace {
const int32_t kLastPage = 19;
const float kGrey = 0.85f;
const float kDimGrey = 0.425f;
const float kWidth = 48.0f;
const float kHeight = 36.0f;

// A fade speed or glyph size that a page leaves as the pages before set it.
const float kKeep = -1.0f;
const float kNoHold = 0.0f;
const int32_t kNoTrack = -1;

// The two phases of a page: showing (waiting, then fading in) and fading out.
enum PagePhase : int32_t { kNeither, kWhileShowing, kWhileFadingOut, kBothPhases };

bool inPhase(PagePhase phase, bool showing) {
    return phase == kBothPhases || (phase == kWhileShowing && showing) || (phase == kWhileFadingOut && !showing);
}

enum PictureFilter : int32_t { kKeepFilter, kNearest, kLinear };

// The page's picture at fade 0.666 and above; below it, one picture while
// showing and another while fading out (a three-step change on page 5).
struct PagePicture {
    int32_t full;
    int32_t dimShowing;
    int32_t dimFadingOut;
    PictureFilter filter;
};

constexpr PagePicture still(int32_t number, PictureFilter filter = kKeepFilter) {
    return PagePicture{number, number, number, filter};
}

// The label's text in grey, lifted to the top part of the screen by 30
// newlines when raised, at glyph size; then a line in dim grey and the
// maker's name in green, each drawn after it when given.
struct PageText {
    const char* line;
    bool raised;
    float glyphSize;
    const char* dimLine;
    const char* nameLine;
};

// The fade speed set while showing and while fading out, and the phases in
// which the picture stays and only the text fades.
struct PageFade {
    float speedShowing;
    float speedFadingOut;
    PagePhase textOnly;
};

// The track that starts on arriving at the page, and the phases in which the
// music volume follows the fade (0.7 x fade on every third frame).
struct PageMusic {
    int32_t track;
    PagePhase followsFade;
};

// One page: its picture, its text, the hold on arriving at it (page 1's when
// the ending is entered), how it fades and its music.
struct EndingPage {
    PagePicture picture;
    PageText text;
    float hold;
    PageFade fade;
    PageMusic music;
};

const PageText kNoText = {nullptr, false, kKeep, nullptr, nullptr};
const PageFade kPlainFade = {kKeep, kKeep, kNeither};
const PageMusic kSameMusic = {kNoTrack, kNeither};

const EndingPage kPages[] = {
    {still(picture::kBlack), {text::kEndingTheEnd, false, kKeep, nullptr, nullptr}, 1.0f, kPlainFade, kSameMusic},
    {still(picture::kEndingFoggyStreet), kNoText, 2.0f, kPlainFade, kSameMusic},
    {still(picture::kEndingGardenGate), kNoText, kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingLitWindow), kNoText, kNoHold, kPlainFade, kSameMusic},
    {{picture::kEndingLanternLit, picture::kEndingLanternUnlit, picture::kEndingLanternBurntDown, kNearest}, kNoText,
     kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingDogAsleep, kLinear), kNoText, kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingWell), kNoText, kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingFishPerson), kNoText, kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingGoatPersonBowing), kNoText, kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingPersonInChair), kNoText, kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingEmptyChair), kNoText, kNoHold, kPlainFade, kSameMusic},
    {still(picture::kEndingGateOpen), kNoText, kNoHold, kPlainFade, kSameMusic},
    // The music fades out with the last picture; the new track fades in on the next page.
    {still(picture::kEndingGoingHome), kNoText, kNoHold, {kKeep, 1.0f, kNeither}, {kNoTrack, kWhileFadingOut}},
    {still(picture::kEndingEmptyStreet), kNoText, 2.0f, {0.5f, 0.5f, kWhileFadingOut},
     {music::kEnding, kWhileShowing}},
    {still(picture::kEndingEmptyStreet), {text::kEndingPage15, true, 1.04f, nullptr, nullptr}, kNoHold,
     {kKeep, kKeep, kBothPhases}, kSameMusic},
    {still(picture::kEndingEmptyStreet), {text::kEndingPage16, true, kKeep, nullptr, nullptr}, kNoHold,
     {kKeep, 0.5f, kWhileShowing}, {kNoTrack, kWhileFadingOut}},
    // The new track starts at the volume page 16's fade-out left.
    {still(picture::kBlack), {text::kEndingThanks, false, 1.0f, text::kEndingNoAlternative, nullptr}, 2.0f,
     {1.0f, 1.0f, kNeither}, {music::kQuietNight, kNeither}},
    {still(picture::kBlack), {text::kEndingCredits, false, kKeep, text::kEndingBy, text::kEndingMakerName}, kNoHold,
     kPlainFade, kSameMusic},
    {still(picture::kBlack), kNoText, 3.0f, kPlainFade, kSameMusic},
};
static_assert(COUNT_OF(kPages) == kLastPage, "one row a page");

const EndingPage& pageRow(int32_t page) { return kPages[page - 1]; }

// The narration lines stand in the top part of the screen.
std::string raised(const char* line) { return std::string(line) + std::string(30, '\n'); }
}  // namespace

PictureRect fourByThreePictureRect(float screenWidth, float screenHeight) {
    const float r = (screenHeight / screenWidth) / 0.75f;
    const float m = (1.0f - r) * 0.5f * kWidth;
    if (m >= 0.0f) {
        return PictureRect{m, 0.0f, kWidth - m, kHeight};
    }
    // Narrower than 4:3: the full width, and the height that keeps 4:3.
    const float z0 = 18.0f * (1.0f - 1.0f / r);
    return PictureRect{0.0f, z0, kWidth, kHeight - z0};
}

EndingScreen::EndingScreen()
    : hold(0.0f), fade(0.0f), fadeSpeed(0.0f), showing(0), page(0), frameCounter(0) {
    useGameFont(*this);
    glyphSize = 1.0f;
    setAnchor(0.5f, 0.5f);
    position = Vec3(0.0f, 24.0f, 18.0f);
}

void EndingScreen::enterEndingScreen() {
    gMusic->resume();
    gMouseState->clear();
    gResourceCache->purgeUnused();
    fade = 0.0f;
    showing = 1;
    page = 1;
    frameCounter = 0;
    hold = pageRow(1).hold;
    fadeSpeed = 1.0f;
}

void EndingScreen::leaveEndingScreen() { gResourceCache->purgeUnused(); }

void EndingScreen::arriveAtNextPage() {
    fade = 0.0f;
    showing = 1;
    ++page;
    const EndingPage& row = pageRow(page);
    if (row.hold != kNoHold) hold = row.hold;
    if (row.music.track != kNoTrack) playMusicTrack(row.music.track);
    gResourceCache->purgeUnused();
}

bool EndingScreen::textOnlyFades() const { return inPhase(pageRow(page).fade.textOnly, showing); }

int32_t EndingScreen::preparePage() {
    const EndingPage& row = pageRow(page);
    text.clear();
    if (row.text.line) text = row.text.raised ? raised(row.text.line) : std::string(row.text.line);
    if (row.text.glyphSize != kKeep) glyphSize = row.text.glyphSize;
    const float speed = showing ? row.fade.speedShowing : row.fade.speedFadingOut;
    if (speed != kKeep) fadeSpeed = speed;
    if (inPhase(row.music.followsFade, showing) && frameCounter % 3 == 0) gMusic->setVolume(kMenuMusicVolume * fade);
    if (fade >= 0.666f) return row.picture.full;
    return showing ? row.picture.dimShowing : row.picture.dimFadingOut;
}

void EndingScreen::drawPicture(int32_t number) {
    Texture* picture = acquireTextureByNumber(number);
    const PictureFilter filter = pageRow(page).picture.filter;
    if (filter == kNearest) picture->setNearest();
    if (filter == kLinear) picture->setLinear();
    const PictureRect rect = fourByThreePictureRect(gScreenWidth, gScreenHeight);
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    picture->bind();
    drawOverlayQuad(rect.left, rect.bottom, rect.right, rect.top);
    unbindTexture();
    // Given back at once: the cache frees it at the next page's purge.
    gResourceCache->releaseTexture(picture);
}

void EndingScreen::drawClosingTexts() {
    const PageText& lines = pageRow(page).text;
    if (lines.dimLine) {
        text = lines.dimLine;
        setColour(kDimGrey, kDimGrey, kDimGrey, 0.999f);
        draw();
    }
    if (lines.nameLine) {
        text = lines.nameLine;
        setColour(0.25f, 1.0f, 0.5f, 0.999f);
        draw();
    }
}

void EndingScreen::updateEndingScreen(float dt) {
    if (fade == 1.0f && showing && (inputConfirm(true) || inputMenu(true))) {
        playMenuConfirmSound();
        showing = 0;
    }
    ++frameCounter;
    if (hold > 0.0f) {
        hold -= dt;
        if (hold <= 0.0f) hold = 0.0f;
    }
    if (showing) {
        if (hold <= 0.0f) fade = std::min(1.0f, fade + dt * fadeSpeed);
    } else {
        fade -= dt * fadeSpeed;
        if (fade <= 0.0f) arriveAtNextPage();
    }
    if (page == kLastPage && hold <= 0.0f) {
        gGameState = kGameStateMainMenu;
        return;
    }

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gScreenSize2D->apply();
    const int32_t picture = preparePage();
    drawPicture(picture);
    if (gGameState == kGameStateError) return;

    const float alpha = textOnlyFades() ? 0.999f * fade : 0.999f;
    setColour(kGrey, kGrey, kGrey, alpha);
    draw();
    drawClosingTexts();
    if (!textOnlyFades()) {
        applyPlainColour(0.0f, 0.0f, 0.0f, 1.0f - fade);
        drawFullOverlayQuad();
    }
    presentFrame();
}
