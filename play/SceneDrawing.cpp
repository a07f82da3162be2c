#include "play/SceneDrawing.h"

#include "play/PlayScreen.h"

#include <SDL_opengl.h>

#include <cmath>
#include <string>

#include "app/OverlayQuad.h"
#include "engine/Camera.h"
#include "engine/ScreenSize2D.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "engine/TextureUnits.h"
#include "engine/ViewFrustum.h"
#include "play/BackdropLayer.h"
#include "play/ClothMesh.h"
#include "play/DrawPasses.h"
#include "play/GroundGrid.h"
#include "play/NoiseOverlay.h"
#include "play/OverlayBands.h"
#include "play/RoomId.h"
#include "play/SceneObject.h"
#include "play/SweepEffect.h"
#include "text/Text.h"

namespace {

// Objects with a draw distance below this are meant to be seen close up and
// must also lie in the wedge in front of the camera.
const float kViewTestDistance = 7.1f;

// The alpha the reflection pass is drawn at over the main pass.
const float kReflectionAlpha = 0.5f;

}  // namespace

// The wedge's sides open 0.8 sideways per unit forward from an apex 2.5
// behind the camera.
bool isSceneObjectVisible(const SceneObject& object, const Vec3& camera, float yaw) {
    Vec3 d = camera;
    d.subtract(object.position);
    if (d.length() > object.drawDistance) {
        return false;
    }
    if (object.drawDistance >= kViewTestDistance) {
        return true;
    }
    d.rotate(0.0f, 0.0f, -yaw);
    return d.x <= 1.0f && (d.x - 2.5f) * 0.8f <= -std::fabs(d.y);
}

bool isSceneObjectOutsideView(const SceneObject& object, const ViewFrustum& view) {
    Vec3 centre;
    float radius = 0.0f;
    if (!object.drawnBounds(centre, radius)) {
        return true;
    }
    return view.excludesSphere(centre, radius);
}

std::string applyTargetGrammar(const std::string& first, const std::string& second) {
    if (!text::kGerman || second != text::kTargetSelf) {
        return second;
    }
    if (first == text::kActionNames[1] || first == text::kActionNames[2] || first == text::kActionNames[3]) {
        return "dich selbst";
    }
    return second;
}

void PlayScreen::drawRoom() {
    const Vec3 camera = gCamera->position;
    const float yaw = gCamera->rotation.z;
    if (effects.backdropLayer && isDrawPassOn(kDrawPassBackdrop)) {
        effects.backdropLayer->drawBackdropSky();
    }
    // The view the objects are drawn in, as OpenGL holds it now that the sky
    // has put the camera back.
    ViewFrustum view;
    if (isDrawPassOn(kDrawPassCull)) {
        view.setFromCurrentMatrices();
    }
    applyMaterial(1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.5f);
    const std::vector<SceneObject*>& objects = world.worldList.objects();
    // Both passes draw the objects that may be seen and that can reach the
    // screen; they are found once a frame.
    visibleObjects.clear();
    for (SceneObject* object : objects) {
        if (isSceneObjectVisible(*object, camera, yaw) && !isSceneObjectOutsideView(*object, view)) {
            visibleObjects.push_back(object);
        }
    }
    // An opaque object whose reflection has an opaque texture is drawn once
    // with the reflection mixed in on a second texture unit, which gives the
    // two passes' colour up to rounding; the others, and the faces that lie
    // on another in one plane, keep the second pass.
    const bool joining = isDrawPassOn(kDrawPassObjects) && isDrawPassOn(kDrawPassReflection) &&
                         gColourTranslucent == 0 && textureUnitCount() >= 2;
    reflectedObjects.clear();
    for (SceneObject* object : visibleObjects) {
        if (joining && object->isReflectionJoinable()) {
            object->drawSceneObjectWithReflection(view, kReflectionAlpha);
            if (object->isReflectionLeftOver()) {
                reflectedObjects.push_back(std::make_pair(object, MeshFaces::overlapping));
            }
            continue;
        }
        if (isDrawPassOn(kDrawPassObjects)) {
            object->drawSceneObject(view);
        }
        reflectedObjects.push_back(std::make_pair(object, MeshFaces::all));
    }
    setSphereMapTexGen(true);
    applyPlainColour(1.0f, 1.0f, 1.0f, kReflectionAlpha);
    if (isDrawPassOn(kDrawPassReflection)) {
        for (const std::pair<SceneObject*, MeshFaces>& reflected : reflectedObjects) {
            reflected.first->drawSceneObjectSecondPass(view, reflected.second);
        }
    }
    setSphereMapTexGen(false);
    unbindTexture();
    if (effects.groundGrid && isDrawPassOn(kDrawPassGrid)) {
        effects.groundGrid->drawGroundGrid(view);
    }
    for (const EffectSlot<ClothMesh>& cloth : effects.clothMeshes) {
        if (cloth && isDrawPassOn(kDrawPassCloth)) {
            cloth->drawClothMesh(view);
        }
    }
    if (effects.sweepEffect) {
        effects.sweepEffect->drawSweepEffect();
    }
    if (effects.backdropLayer && isDrawPassOn(kDrawPassBackdrop)) {
        effects.backdropLayer->drawBackdropCostume(story.endingProgress);
    }
    glDepthMask(GL_FALSE);
    if (isDrawPassOn(kDrawPassGlow)) {
        for (SceneObject* object : objects) {
            object->drawSceneObjectAttachments();
        }
    }
    glDepthMask(GL_TRUE);
    unbindTexture();
}

void PlayScreen::drawPlayOverlay(bool actionSelectionLearned, bool targetSelectionLearned) {
    const bool fogShown = !effects.backdropLayer && isDrawPassOn(kDrawPassFog);
    const bool vignetteShown = isDrawPassOn(kDrawPassVignette);
    const bool noiseShown = effects.noiseOverlay && isDrawPassOn(kDrawPassNoise);
    const float h = gScreenSize2D->height;
    // The fade to black; once the room has faded in the quad would blend
    // nothing into a whole screen of pixels, so it is left out.
    const float fade = 1.0f - view.roomFade * view.sceneVisibility;

    const bool cue = caption.visibility == 1.0f && isPlayerInControl();
    std::string first;
    if (actionSelectionLearned) {
        first = selection.currentActionName();
    }
    std::string second;
    if (targetSelectionLearned) {
        second = selection.currentTargetName(cue);
    }
    second = applyTargetGrammar(first, second);
    caption.setCaptionTexts(first, second);

    // The fog and the vignette are drawn as one quad over the bands where
    // nothing comes between them (the caption, the answer panel; the fade
    // and the noise cover the whole screen while they show), and apart over
    // the rest.
    const bool noiseCovers = noiseShown && effects.noiseOverlay->level != 0.0f;
    const bool joined =
        fogShown && vignetteShown && fade == 0.0f && !noiseCovers && screenOverlay.canJoinScreenOverlay();
    OverlayBands between(h);
    if (joined) {
        float bottom = 0.0f;
        float top = 0.0f;
        if (caption.drawnBand(bottom, top)) {
            between.cover(bottom, top);
        }
        between.cover(0.0f, answerPanel.drawnTop());
    } else {
        between.cover(0.0f, h);
    }
    const std::vector<OverlayBands::Band> apart = between.covered();

    if (fogShown) {
        for (const OverlayBands::Band& band : apart) {
            screenOverlay.drawScreenOverlayFog(band.bottom, band.top);
        }
    }
    applyPlainColour(0.0f, 0.0f, 0.0f, fade);
    if (fade != 0.0f) {
        drawFullOverlayQuad();
    }
    caption.drawCaptionText(first, second);
    answerPanel.drawAnswerPanel(world.room == room::kTunnel && story.tunnelClosing() > 0.0f);
    if (noiseShown) {
        effects.noiseOverlay->drawNoiseOverlay();
    }
    if (vignetteShown) {
        for (const OverlayBands::Band& band : apart) {
            screenOverlay.drawScreenOverlayVignette(band.bottom, band.top);
        }
    }
    if (joined) {
        for (const OverlayBands::Band& band : between.uncovered()) {
            screenOverlay.drawScreenOverlayJoined(band.bottom, band.top);
        }
    }
}
