#include "play/BackdropLayer.h"

#include <SDL_opengl.h>

#include <algorithm>

#include "app/Costume.h"
#include "catalog/ResourceCatalog.h"
#include "engine/Camera.h"
#include "engine/Random.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"

namespace {

void drawMeshWith(Mesh* mesh, const Texture* texture, float t) {
    if (texture) {
        texture->bind();
    }
    if (mesh) {
        mesh->drawClamped(t);
    }
    unbindTexture();
}

float clampUnit(float v) { return std::min(std::max(v, 0.0f), 1.0f); }

}  // namespace

BackdropLayer::BackdropLayer()
    : time(0.0f),
      driftMesh(nullptr),
      driftTexture(nullptr),
      skyMesh(nullptr),
      skyTexture(nullptr),
      costumeMesh(nullptr),
      costumeTexture(nullptr),
      costumeOverlayTexture(nullptr) {}

BackdropLayer::~BackdropLayer() { freeBackdropLayer(); }

void BackdropLayer::createBackdropLayer(bool ghost, bool werewolf, bool death) {
    freeBackdropLayer();
    time = 0.0f;
    driftMesh = acquireMeshByNumber(mesh::kBackdropMist);
    skyMesh = acquireMeshByNumber(mesh::kBackdropSky);
    costumeMesh = acquireMeshByNumber(mesh::kBackdropCostume);
    driftTexture = acquireTextureByNumber(picture::kBackdropMist);
    skyTexture = acquireTextureByNumber(picture::kBackdropSky);
    costumeOverlayTexture = acquireTextureByNumber(picture::kCostumeOverlay);
    // The flags pick one number and only that texture is taken, so that a
    // second set flag cannot leave a reference behind.
    const CostumeValue worn = costumeWorn({ghost, werewolf, death}, kWerewolfGhostDeath);
    const int32_t look = forCostume(worn, picture::kCostumeGhostLook, picture::kCostumeWerewolfLook,
                                    picture::kCostumeDeathLook, picture::kCostumeDeathLook);
    costumeTexture = acquireTextureByNumber(look);
}

void BackdropLayer::freeBackdropLayer() {
    if (gResourceCache) {
        for (Mesh* mesh : {driftMesh, skyMesh, costumeMesh}) {
            if (mesh) {
                gResourceCache->releaseMesh(mesh);
            }
        }
        for (Texture* texture : {driftTexture, skyTexture, costumeTexture, costumeOverlayTexture}) {
            if (texture) {
                gResourceCache->releaseTexture(texture);
            }
        }
    }
    driftMesh = nullptr;
    skyMesh = nullptr;
    costumeMesh = nullptr;
    driftTexture = nullptr;
    skyTexture = nullptr;
    costumeTexture = nullptr;
    costumeOverlayTexture = nullptr;
}

void BackdropLayer::advanceBackdropLayer(float dt) { time += dt; }

void BackdropLayer::drawBackdropSky() {
    Camera& camera = *gCamera;
    const uint32_t fogOn = camera.fogOn;
    const float fogStart = camera.fogStart;
    const float fogEnd = camera.fogEnd;
    const float farPlane = camera.farPlane;
    const float fogColour[3] = {camera.fogColour[0], camera.fogColour[1], camera.fogColour[2]};

    camera.fogOn = 0;
    camera.farPlane = 30.0f;
    camera.apply(false);
    glPushMatrix();
    glTranslatef(camera.position.x, camera.position.y, 0.0f);
    glRotatef(time, 0.0f, 0.0f, 1.0f);
    // The sky is the first thing of the frame and writes no depth, so the
    // depth test would pass everywhere: it is left off.
    glDepthMask(GL_FALSE);
    glDisable(GL_DEPTH_TEST);
    applyPlainColour(0.45f, 0.05f, 0.05f, 1.0f);
    drawMeshWith(skyMesh, skyTexture, time);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glPopMatrix();

    camera.fogOn = 1;
    camera.fogStart = 5.0f;
    camera.fogEnd = 20.0f;
    camera.farPlane = 20.0f;
    camera.fogColour[0] = 0.45f;
    camera.fogColour[1] = 0.05f;
    camera.fogColour[2] = 0.05f;
    camera.apply(false);
    glPushMatrix();
    glTranslatef(camera.position.x, camera.position.y - 6.0f + wrapPositive(time, 12.0f), 0.0f);
    drawMeshWith(driftMesh, driftTexture, time);
    glPopMatrix();

    camera.fogOn = fogOn;
    camera.fogStart = fogStart;
    camera.fogEnd = fogEnd;
    camera.farPlane = farPlane;
    camera.fogColour[0] = fogColour[0];
    camera.fogColour[1] = fogColour[1];
    camera.fogColour[2] = fogColour[2];
    camera.apply(false);
}

void BackdropLayer::drawBackdropCostume(float fade) {
    const float q = 2.0f * fade;
    const float a = clampUnit(q);
    const float b = clampUnit(q - 1.0f);
    if (a > 0.0f) {
        applyPlainColour(1.0f, 1.0f, 1.0f, 0.05f * a + 0.15f * b);
        drawMeshWith(costumeMesh, costumeTexture, time);
    }
    if (b > 0.0f) {
        applyPlainColour(1.0f, 1.0f, 1.0f, b);
        drawMeshWith(costumeMesh, costumeOverlayTexture, time);
    }
}
