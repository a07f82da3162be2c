#include "play/ClothMesh.h"

#include <SDL_opengl.h>

#include <cmath>

#include "catalog/ResourceCatalog.h"
#include "engine/Angles.h"
#include "engine/ResourceCache.h"
#include "engine/ResourcesByNumber.h"
#include "engine/SurfaceColour.h"
#include "engine/Texture.h"
#include "engine/VertexCounter.h"
#include "engine/ViewFrustum.h"

namespace {

const float kNoPlayerYet = -128.0f;
const float kSpringLength = 0.115f;
const float kSphereRadius = 0.5f;
const float kBackWall = 29.62f;
// The two top points of every column hold the cloth and never move.
const int32_t kMovingRows = 18;

void pullToward(Vec3& velocity, const Vec3& self, const Vec3& other, float dt) {
    Vec3 d = other;
    d.subtract(self);
    const float length = d.length();
    if (length > kSpringLength) {
        d.scale((length - kSpringLength) * 20.0f * dt / length);
        velocity.add(d);
    }
}

}  // namespace

ClothMesh::ClothMesh() : time(0.0f), waveAmplitude(0.0f), clothTexture(nullptr), sheenTexture(nullptr) {
    lastPlayerPosition.set(kNoPlayerYet, 0.0f, 0.0f);
}

ClothMesh::~ClothMesh() { freeClothMesh(); }

void ClothMesh::buildClothMesh(float x0, float y0, float z0, float amplitude) {
    for (int32_t i = 0; i < kPoints; ++i) {
        for (int32_t j = 0; j < kPoints; ++j) {
            const float u = static_cast<float>(i) / 19.0f;
            const float v = static_cast<float>(j) / 19.0f;
            restPoints[i][j].set(x0 - 1.0f + 2.0f * u, y0 + v * 0.05f * std::sin(8.0f * kPi * u), z0 + 5.0f * v);
            points[i][j] = restPoints[i][j];
            velocities[i][j].set(0.0f, 0.0f, -0.4f);
        }
    }
    lastPlayerPosition.set(kNoPlayerYet, 0.0f, 0.0f);
    time = 0.0f;
    waveAmplitude = amplitude;
    // Rebuilding gives back what an earlier build took.
    freeClothMesh();
    clothTexture = acquireTextureByNumber(picture::kCurtain);
    if (clothTexture) {
        clothTexture->setNearest();
    }
    sheenTexture = acquireTextureByNumber(picture::kMetalSheen);
}

void ClothMesh::freeClothMesh() {
    if (clothTexture && gResourceCache) {
        gResourceCache->releaseTexture(clothTexture);
    }
    if (sheenTexture && gResourceCache) {
        gResourceCache->releaseTexture(sheenTexture);
    }
    clothTexture = nullptr;
    sheenTexture = nullptr;
}

void ClothMesh::stepClothMesh(float px, float py, float pz, float dt) {
    time += dt;
    const Vec3 player(px, py, pz);
    if (lastPlayerPosition.x == kNoPlayerYet) {
        lastPlayerPosition = player;
    }
    Vec3 movement = player;
    movement.subtract(lastPlayerPosition);
    lastPlayerPosition = player;
    const Vec3 centre(px, py, pz + 1.5f);
    const float damping = std::pow(0.2f, dt);

    for (int32_t i = 0; i < kPoints; ++i) {
        for (int32_t j = 0; j < kMovingRows; ++j) {
            Vec3& point = points[i][j];
            Vec3& velocity = velocities[i][j];
            pullToward(velocity, point, points[i][j + 1], dt);
            if (i > 0) {
                pullToward(velocity, point, points[i - 1][j], dt);
            }
            if (i < kPoints - 1) {
                pullToward(velocity, point, points[i + 1][j], dt);
            }
            if (j > 0) {
                pullToward(velocity, point, points[i][j - 1], dt);
            }
            velocity.y += std::sin((0.25f * time + point.x) * kPi) * dt * waveAmplitude;
            Vec3 back = restPoints[i][j];
            back.subtract(point);
            back.scale(0.1f * dt);
            velocity.add(back);
            velocity.z -= 0.3f * dt;
            Vec3 move = velocity;
            move.scale(dt);
            point.add(move);
            velocity.scale(damping);

            Vec3 toCentre = centre;
            toCentre.subtract(point);
            const float length = toCentre.length();
            if (length < kSphereRadius) {
                Vec3 direction(0.0f, 0.0f, 1.0f);
                if (length > 0.0f) {
                    direction = toCentre;
                    direction.scale(1.0f / length);
                }
                direction.scale(kSphereRadius);
                point = centre;
                point.subtract(direction);
                velocity.add(movement);
                velocity.z += dt;
            }
            if (point.y < kBackWall) {
                point.y = kBackWall;
            }
        }
    }
}

void ClothMesh::drawQuads(bool withTexCoords, bool inView) const {
    if (!inView) {
        // Leave current the coordinates of the last corner, as drawing every
        // quad would.
        if (withTexCoords) {
            glTexCoord2f(static_cast<float>(kPoints - 2) / 19.0f, static_cast<float>(kPoints - 1) / 19.0f);
        }
        return;
    }
    glBegin(GL_QUADS);
    for (int32_t i = 0; i < kPoints - 1; ++i) {
        for (int32_t j = 0; j < kPoints - 1; ++j) {
            const int32_t corners[4][2] = {{i, j}, {i + 1, j}, {i + 1, j + 1}, {i, j + 1}};
            for (const int32_t* c : corners) {
                if (withTexCoords) {
                    glTexCoord2f(static_cast<float>(c[0]) / 19.0f, static_cast<float>(c[1]) / 19.0f);
                }
                const Vec3& p = points[c[0]][c[1]];
                glVertex3f(p.x, p.y, p.z);
            }
        }
    }
    glEnd();
    gVerticesSubmitted += static_cast<uint64_t>(4 * (kPoints - 1) * (kPoints - 1));
}

bool ClothMesh::isClothOutside(const ViewFrustum& view) const {
    uint8_t outside[kPoints][kPoints];
    for (int32_t i = 0; i < kPoints; ++i) {
        for (int32_t j = 0; j < kPoints; ++j) {
            outside[i][j] = static_cast<uint8_t>(view.outsideMask(points[i][j]));
        }
    }
    for (int32_t i = 0; i < kPoints - 1; ++i) {
        for (int32_t j = 0; j < kPoints - 1; ++j) {
            if (!(outside[i][j] & outside[i + 1][j] & outside[i + 1][j + 1] & outside[i][j + 1])) {
                return false;
            }
        }
    }
    return true;
}

void ClothMesh::drawClothMesh(const ViewFrustum& view) const {
    // Whole or not at all, for the reason the ground grid gives; the state
    // is set as for drawing either way.
    const bool inView = !isClothOutside(view);
    glDisable(GL_CULL_FACE);
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    if (clothTexture) {
        clothTexture->bind();
    }
    drawQuads(true, inView);
    glDepthFunc(GL_EQUAL);
    setSphereMapTexGen(true);
    applyPlainColour(1.0f, 1.0f, 1.0f, 0.5f);
    if (sheenTexture) {
        sheenTexture->bind();
    }
    drawQuads(false, inView);
    unbindTexture();
    setSphereMapTexGen(false);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_CULL_FACE);
}
