#include "play/SceneObject.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/Camera.h"
#include "engine/Mesh.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/TextureUnits.h"
#include "engine/Texture.h"
#include "engine/ViewFrustum.h"
#include "play/GlowSprite.h"

namespace {

// Second-texture number that switches the reflection pass off.
const int32_t kNoReflectionTexture = picture::kBlack;

const double kPiDouble = 3.14159265358979323846;

}  // namespace

SceneObject::SceneObject() = default;

SceneObject::~SceneObject() { destroySceneObject(); }

void SceneObject::constructSceneObject() {
    destroySceneObject();
    *this = SceneObject();
    // The empty entry never loads; its failure is expected and not reported.
    mesh = gResourceCache->acquireMesh("");
    texture = gResourceCache->acquireTexture("");
    reflectionTexture = acquireTextureByNumber(picture::kMetalSheen);
    drawDistance = (gCamera ? gCamera->farPlane : 0.0f) + 2.0f;
}

std::unique_ptr<SceneObject> makeSceneObject() {
    std::unique_ptr<SceneObject> object = std::make_unique<SceneObject>();
    object->constructSceneObject();
    return object;
}

void SceneObject::destroySceneObject() {
    if (mesh) {
        gResourceCache->releaseMesh(mesh);
        mesh = nullptr;
    }
    if (texture) {
        gResourceCache->releaseTexture(texture);
        texture = nullptr;
    }
    if (reflectionTexture) {
        gResourceCache->releaseTexture(reflectionTexture);
        reflectionTexture = nullptr;
    }
    releaseFadeSource();
    freeAttachments();
    name.clear();
}

GlowSprite& SceneObject::attachGlowSprite(int32_t vertex) {
    glows.push_back(std::make_unique<GlowSprite>());
    GlowSprite& sprite = *glows.back();
    sprite.createGlowSprite();
    sprite.vertexIndex = vertex;
    return sprite;
}

void SceneObject::freeAttachments() {
    // In attachment order, each giving its textures back before it goes.
    for (std::unique_ptr<GlowSprite>& sprite : glows) {
        sprite.reset();
    }
    glows.clear();
}

void SceneObject::releaseFadeSource() {
    if (fadeFromMesh) {
        gResourceCache->releaseMesh(fadeFromMesh);
        fadeFromMesh = nullptr;
    }
}

void SceneObject::setSceneObjectMesh(int32_t n) {
    meshAssigned = true;
    if (mesh) {
        gResourceCache->releaseMesh(mesh);
    }
    mesh = acquireMeshByNumber(n);
    releaseFadeSource();
}

void SceneObject::crossFadeSceneObjectMesh(int32_t n, float duration) {
    // Nothing to fade from, or no time to fade in: a cut.
    if (!meshAssigned || !(duration > 0.0f)) {
        setSceneObjectMesh(n);
        return;
    }
    Mesh* wanted = acquireMeshByNumber(n);
    gResourceCache->releaseMesh(wanted);
    if (wanted == mesh) {
        return;
    }
    if (fadeFromMesh && wanted == fadeFromMesh) {
        const float r = fadeElapsed / fadeDuration;
        if (r == 0.0f) {
            // Turned back before any of the new mesh showed: the fade simply
            // ends on the mesh that is fully shown.
            gResourceCache->releaseMesh(mesh);
            mesh = fadeFromMesh;
            fadeFromMesh = nullptr;
            return;
        }
        fadeFromMesh = mesh;
        mesh = wanted;
        // The blend goes on from 1 - r, where it stood, and ends in duration.
        fadeElapsed = duration * (1.0f - r) / r;
        fadeDuration = duration / r;
        return;
    }
    if (fadeFromMesh) {
        // Keep whichever of the two dominates now as the new fade source.
        const float r = fadeElapsed / fadeDuration;
        if (r >= 0.5f) {
            gResourceCache->releaseMesh(fadeFromMesh);
            fadeFromMesh = mesh;
        } else {
            gResourceCache->releaseMesh(mesh);
        }
    } else {
        fadeFromMesh = mesh;
    }
    mesh = acquireMeshByNumber(n);
    fadeElapsed = 0.0f;
    fadeDuration = duration;
}

Texture* SceneObject::setSceneObjectTexture(int32_t n) {
    Texture* next = n == -1 ? gResourceCache->acquireTexture("") : acquireTextureByNumber(n);
    if (texture) {
        gResourceCache->releaseTexture(texture);
    }
    texture = next;
    return texture;
}

Texture* SceneObject::setSceneObjectSecondTexture(int32_t n) {
    Texture* next = acquireTextureByNumber(n);
    if (reflectionTexture) {
        gResourceCache->releaseTexture(reflectionTexture);
    }
    reflectionTexture = next;
    reflectionShown = n != kNoReflectionTexture;
    return reflectionTexture;
}

void SceneObject::updateSceneObject(float dt) {
    animTime += dt * animSpeed;
    for (const std::unique_ptr<GlowSprite>& sprite : glows) {
        sprite->advanceGlowSprite(dt);
    }
    if (fadeFromMesh) {
        fadeElapsed += dt;
        if (fadeElapsed >= fadeDuration) {
            releaseFadeSource();
        }
    }
}

float SceneObject::fadeWeight() const { return fadeFromMesh ? fadeElapsed / fadeDuration : 1.0f; }

bool SceneObject::drawnBounds(Vec3& centre, float& radius) const {
    // In model space: the mesh's sphere, grown to hold the fade source's too
    // (a blend of two poses lies between them).
    const Mesh* shown = mesh && mesh->getBoundsRadius() >= 0.0f ? mesh : nullptr;
    const Mesh* faded = fadeFromMesh && fadeFromMesh->getBoundsRadius() >= 0.0f ? fadeFromMesh : nullptr;
    if (!shown && !faded) {
        return false;
    }
    const Mesh* base = shown ? shown : faded;
    double c[3] = {base->getBoundsCentre().x, base->getBoundsCentre().y, base->getBoundsCentre().z};
    double r = base->getBoundsRadius();
    if (shown && faded) {
        const double dx = faded->getBoundsCentre().x - c[0];
        const double dy = faded->getBoundsCentre().y - c[1];
        const double dz = faded->getBoundsCentre().z - c[2];
        r = std::max(r, std::sqrt(dx * dx + dy * dy + dz * dz) + faded->getBoundsRadius());
    }
    // Placed as transform() places the mesh: turned about X, then Y, then Z,
    // then moved to the position. Turns keep the radius.
    const double angles[3] = {rotation.x, rotation.y, rotation.z};
    for (int axis = 0; axis < 3; ++axis) {
        const double a = angles[axis] * kDegreesPerRadian * (kPiDouble / 180.0);
        const int u = (axis + 1) % 3;
        const int v = (axis + 2) % 3;
        const double cu = c[u] * std::cos(a) - c[v] * std::sin(a);
        const double cv = c[u] * std::sin(a) + c[v] * std::cos(a);
        c[u] = cu;
        c[v] = cv;
    }
    centre.set(static_cast<float>(c[0] + position.x), static_cast<float>(c[1] + position.y),
               static_cast<float>(c[2] + position.z));
    radius = static_cast<float>(r);
    return true;
}

void SceneObject::transform() const {
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation.z * kDegreesPerRadian, 0.0f, 0.0f, 1.0f);
    glRotatef(rotation.y * kDegreesPerRadian, 0.0f, 1.0f, 0.0f);
    glRotatef(rotation.x * kDegreesPerRadian, 1.0f, 0.0f, 0.0f);
}

void SceneObject::drawMeshes(const ViewFrustum* view, MeshFaces faces) {
    if (!mesh) {
        return;
    }
    if (fadeFromMesh) {
        mesh->drawBlended(animTime, animTime, *fadeFromMesh, fadeWeight());
    } else if (view && !mesh->getClusters().empty()) {
        mesh->drawInView(animTime, view->inModelSpace(position, rotation), faces);
    } else {
        mesh->draw(animTime, faces);
    }
}

void SceneObject::drawMain(const ViewFrustum* view, Texture* shown) {
    glPushMatrix();
    transform();
    if (shown) {
        shown->bind();
    }
    if (sphereMapped) {
        setSphereMapTexGen(true);
    }
    drawMeshes(view);
    if (sphereMapped) {
        setSphereMapTexGen(false);
    }
    glPopMatrix();
}

void SceneObject::drawSecond(const ViewFrustum* view, MeshFaces faces) {
    if (!reflectionShown) {
        return;
    }
    glPushMatrix();
    transform();
    if (reflectionTexture) {
        reflectionTexture->bind();
    }
    drawMeshes(view, faces);
    glPopMatrix();
}

void SceneObject::drawSceneObject() { drawMain(nullptr, texture); }

void SceneObject::drawSceneObject(const ViewFrustum& view) { drawMain(&view, texture); }

void SceneObject::drawSceneObjectWithTexture(Texture* standIn) { drawMain(nullptr, standIn); }

void SceneObject::drawSceneObjectSecondPass() { drawSecond(nullptr, MeshFaces::all); }

void SceneObject::drawSceneObjectSecondPass(const ViewFrustum& view, MeshFaces faces) { drawSecond(&view, faces); }

bool SceneObject::isReflectionJoinable() const {
    // Where faces overlap in one plane the second pass blends the reflection in
    // twice, which one pass cannot give: those faces keep both passes. A
    // cross-fade draws the blend of two whole meshes, which cannot be split.
    const bool splittable = mesh && !(fadeFromMesh && (mesh->hasOverlappingFaces() ||
                                                       fadeFromMesh->hasOverlappingFaces()));
    return splittable && reflectionShown && texture && texture->alphaMode == Texture::alphaOpaque &&
           reflectionTexture && reflectionTexture->glName != 0 &&
           reflectionTexture->alphaMode == Texture::alphaOpaque;
}

void SceneObject::drawSceneObjectWithReflection(const ViewFrustum& view, float weight) {
    glPushMatrix();
    transform();
    texture->bind();
    if (sphereMapped) {
        setSphereMapTexGen(true);
    }
    bindSecondTextureUnit(*reflectionTexture, weight);
    drawMeshes(&view, MeshFaces::alone);
    unbindSecondTextureUnit();
    if (isReflectionLeftOver()) {
        drawMeshes(&view, MeshFaces::overlapping);
    }
    if (sphereMapped) {
        setSphereMapTexGen(false);
    }
    glPopMatrix();
}

bool SceneObject::isReflectionLeftOver() const { return mesh && !fadeFromMesh && mesh->hasOverlappingFaces(); }

void SceneObject::drawSceneObjectAttachments() {
    for (const std::unique_ptr<GlowSprite>& sprite : glows) {
        Vec3 vertex(0.0f, 0.0f, 0.0f);
        if (mesh && fadeFromMesh) {
            vertex = mesh->vertexAtBlended(sprite->vertexIndex, animTime, animTime, *fadeFromMesh, fadeWeight());
        } else if (mesh) {
            vertex = mesh->vertexAt(sprite->vertexIndex, animTime);
        }
        sprite->drawGlowSprite(position, rotation, vertex);
    }
}
