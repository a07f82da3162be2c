#include "play/GroundGrid.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>

#include "engine/Angles.h"
#include "engine/SurfaceColour.h"
#include "engine/VertexCounter.h"
#include "engine/ViewFrustum.h"

namespace {

const float kNoPlayerYet = -128.0f;
const float kPosts[4][2] = {{1.55f, 1.85f}, {-1.55f, 1.85f}, {-1.55f, -1.85f}, {1.55f, -1.85f}};

float distance2D(float x, float y, float cx, float cy) { return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)); }

void greyColour(const Vec3& point, const Vec3& rest) {
    const float g = std::max(0.15f, 3.0f * (point.z - rest.z) + 0.5f);
    glColor3f(g, g, g);
}

void greyVertex(const Vec3& point, const Vec3& rest) {
    greyColour(point, rest);
    glVertex3f(point.x, point.y, point.z);
}

}  // namespace

GroundGrid::GroundGrid() { constructGroundGrid(0.0f, 0.0f, 0.0f, 0.0f); }

void GroundGrid::constructGroundGrid(float x0, float y0, float z0, float s) {
    for (int32_t i = 0; i < kCells; ++i) {
        for (int32_t j = 0; j < kCells; ++j) {
            const float x = x0 + s * static_cast<float>(i) / 80.0f;
            const float y = y0 + s * static_cast<float>(j) / 80.0f;
            restPoints[i][j].set(x, y, z0);
            points[i][j].set(x, y, z0);
            velocities[i][j].set(0.0f, 0.0f, 0.0f);
            fixed[i][j] = false;
            visible[i][j] = true;
            if (distance2D(x, y, 0.0f, 0.0f) > 5.0f) {
                fixed[i][j] = true;
                visible[i][j] = false;
            }
            for (const float* post : kPosts) {
                if (distance2D(x, y, post[0], post[1]) <= 0.35f) {
                    fixed[i][j] = true;
                }
            }
            if (distance2D(x, y, 0.0f, 0.0f) <= 0.6f) {
                fixed[i][j] = true;
            }
        }
    }
    lastPlayerPosition.set(kNoPlayerYet, 0.0f, 0.0f);
    time = 0.0f;
    sourceRow = 0;
    sourceColumn = 0;
    sourceRadius = 0;
    sourceFrequency = 0.0f;
    sourceAmplitude = 0.0f;
    sourceOffset = 0.0f;
}

void GroundGrid::setSource(int32_t row, int32_t column, int32_t radius, float frequency, float amplitude,
                           float offset) {
    sourceRow = row;
    sourceColumn = column;
    sourceRadius = radius;
    sourceFrequency = frequency;
    sourceAmplitude = amplitude;
    sourceOffset = offset;
}

void GroundGrid::destroyGroundGrid() {}

void GroundGrid::animateGroundGrid(float px, float py, float pz, float dt) {
    const Vec3 player(px, py, pz);
    if (lastPlayerPosition.x == kNoPlayerYet) {
        lastPlayerPosition = player;
    }
    time += dt;
    const float lift = sourceOffset + sourceAmplitude * std::sin(2.0f * kPi * sourceFrequency * time);
    for (int32_t i = sourceRow - sourceRadius; i < sourceRow + sourceRadius; ++i) {
        for (int32_t j = sourceColumn - sourceRadius; j < sourceColumn + sourceRadius; ++j) {
            // Indices off the grid are skipped, not clamped onto its edge.
            if (i < 0 || i >= kCells || j < 0 || j >= kCells || fixed[i][j]) {
                continue;
            }
            points[i][j].z = restPoints[i][j].z + lift;
        }
    }
    for (int32_t i = 1; i < kCells - 1; ++i) {
        for (int32_t j = 1; j < kCells - 1; ++j) {
            if (fixed[i][j]) {
                continue;
            }
            Vec3 pull = points[i - 1][j];
            pull.add(points[i + 1][j]);
            pull.add(points[i][j - 1]);
            pull.add(points[i][j + 1]);
            pull.scale(0.25f);
            pull.subtract(points[i][j]);
            pull.scale(128.0f * dt);
            velocities[i][j].add(pull);
        }
    }
    const float damping = std::pow(0.5f, dt);
    for (int32_t i = 0; i < kCells; ++i) {
        for (int32_t j = 0; j < kCells; ++j) {
            if (fixed[i][j]) {
                continue;
            }
            Vec3 back = restPoints[i][j];
            back.subtract(points[i][j]);
            back.scale(32.0f * dt);
            velocities[i][j].add(back);
            Vec3 move = velocities[i][j];
            move.scale(dt);
            points[i][j].add(move);
            velocities[i][j].scale(damping);
        }
    }
    const float surface = restPoints[0][0].z;
    if (pz < surface) {
        Vec3 push = player;
        push.subtract(lastPlayerPosition);
        push.scale(-20.0f);
        const float length = push.length();
        if (length > 2.0f) {
            push.scale(2.0f / length);
        }
        for (int32_t i = 0; i < kCells; ++i) {
            for (int32_t j = 0; j < kCells; ++j) {
                if (!fixed[i][j] && distance2D(points[i][j].x, points[i][j].y, px, py) <= 0.25f) {
                    points[i][j].z = surface - 0.2f;
                    velocities[i][j] = push;
                }
            }
        }
    }
    lastPlayerPosition = player;
}

void GroundGrid::drawGroundGrid(const ViewFrustum& view) const {
    applyPlainColour(1.0f, 1.0f, 1.0f, 1.0f);
    // The planes each point lies beyond: a cell whose four corners share one
    // lies outside the view. The grid is drawn whole or not at all: llvmpipe
    // splits the quads of a batch that needs clipping along another diagonal
    // than one that does not, so leaving out some cells can shift the shading
    // of the others.
    uint8_t outside[kCells][kCells];
    for (int32_t i = 0; i < kCells; ++i) {
        for (int32_t j = 0; j < kCells; ++j) {
            outside[i][j] = static_cast<uint8_t>(view.outsideMask(points[i][j]));
        }
    }
    int32_t lastI = -1;
    int32_t lastJ = -1;
    bool anyInView = false;
    for (int32_t i = 0; i < kCells - 1; ++i) {
        for (int32_t j = 0; j < kCells - 1; ++j) {
            if (!visible[i][j]) {
                continue;
            }
            lastI = i;
            lastJ = j + 1;
            if (!(outside[i][j] & outside[i + 1][j] & outside[i + 1][j + 1] & outside[i][j + 1])) {
                anyInView = true;
            }
        }
    }
    if (!anyInView) {
        // Leave current the colour of the last corner of every visible cell,
        // as drawing them all would.
        if (lastI >= 0) {
            greyColour(points[lastI][lastJ], restPoints[lastI][lastJ]);
        }
        return;
    }
    uint64_t submitted = 0;
    glBegin(GL_QUADS);
    for (int32_t i = 0; i < kCells - 1; ++i) {
        for (int32_t j = 0; j < kCells - 1; ++j) {
            if (!visible[i][j]) {
                continue;
            }
            greyVertex(points[i][j], restPoints[i][j]);
            greyVertex(points[i + 1][j], restPoints[i + 1][j]);
            greyVertex(points[i + 1][j + 1], restPoints[i + 1][j + 1]);
            greyVertex(points[i][j + 1], restPoints[i][j + 1]);
            submitted += 4;
        }
    }
    glEnd();
    gVerticesSubmitted += submitted;
}

Vec3 GroundGrid::sampleGroundGrid(float u, float v) const {
    const int32_t i = std::min(std::max(static_cast<int32_t>(std::lround(80.0f * u)), 0), kCells - 1);
    const int32_t j = std::min(std::max(static_cast<int32_t>(std::lround(80.0f * v)), 0), kCells - 1);
    return points[i][j];
}
