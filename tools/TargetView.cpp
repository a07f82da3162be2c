#include "tools/TargetView.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>

#include "play/PlayScreen.h"
#include "play/SceneObject.h"

namespace {

const float kWorldReach = 1000.0f;
const int kDirections = 24;
const float kMaxExtra = 3.0f;

// The box of the vertices object sends down the pipeline, through OpenGL
// feedback with an orthographic view that maps world units straight to the
// window; false when it draws nothing.
bool drawnBounds(SceneObject& object, Vec3& low, Vec3& high) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::vector<GLfloat> buffer(1 << 20);
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-kWorldReach, kWorldReach, -kWorldReach, kWorldReach, -kWorldReach, kWorldReach);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    object.drawSceneObject();
    const GLint count = glRenderMode(GL_RENDER);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();

    bool any = false;
    const float sx = 2.0f * kWorldReach / static_cast<float>(viewport[2]);
    const float sy = 2.0f * kWorldReach / static_cast<float>(viewport[3]);
    // Window coordinates back to the world: x and y through the viewport, the
    // depth of 0..1 through the orthographic depth range (z = -depth).
    auto take = [&](const GLfloat* v) {
        const Vec3 p((v[0] - static_cast<float>(viewport[0])) * sx - kWorldReach,
                     (v[1] - static_cast<float>(viewport[1])) * sy - kWorldReach, -(v[2] * 2.0f - 1.0f) * kWorldReach);
        if (!any) {
            low = p;
            high = p;
            any = true;
            return;
        }
        low.set(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high.set(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
    };
    GLint k = 0;
    while (k < count) {
        const GLint token = static_cast<GLint>(buffer[k++]);
        if (token == GL_POLYGON_TOKEN) {
            const GLint n = static_cast<GLint>(buffer[k++]);
            for (GLint i = 0; i < n; ++i, k += 3) take(&buffer[k]);
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            take(&buffer[k]);
            take(&buffer[k + 3]);
            k += 6;
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
                   token == GL_COPY_PIXEL_TOKEN) {
            take(&buffer[k]);
            k += 3;
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            k += 1;
        } else {
            break;
        }
    }
    return any;
}

bool hasBox(const SceneObject& object) { return object.halfSize.x != kNoCollision; }

bool inside(const SceneObject& box, const Vec3& p) {
    return std::fabs(p.x - box.position.x) <= box.halfSize.x && std::fabs(p.y - box.position.y) <= box.halfSize.y &&
           std::fabs(p.z - box.position.z) <= box.halfSize.z;
}

// True when the segment from a to b passes through the box (slab test).
bool segmentHits(const SceneObject& box, const Vec3& a, const Vec3& b) {
    float t0 = 0.0f, t1 = 1.0f;
    const float from[3] = {a.x, a.y, a.z};
    const float to[3] = {b.x, b.y, b.z};
    const float centre[3] = {box.position.x, box.position.y, box.position.z};
    const float half[3] = {box.halfSize.x, box.halfSize.y, box.halfSize.z};
    for (int axis = 0; axis < 3; ++axis) {
        const float d = to[axis] - from[axis];
        const float lo = centre[axis] - half[axis];
        const float hi = centre[axis] + half[axis];
        if (std::fabs(d) < 1e-6f) {
            if (from[axis] < lo || from[axis] > hi) return false;
            continue;
        }
        float ta = (lo - from[axis]) / d, tb = (hi - from[axis]) / d;
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (t0 > t1) return false;
    }
    return true;
}

// The top of the highest collision box but skip's under the player's
// footprint at (x, y) that is no higher than below, or the ground (0).
float floorUnder(const PlayScreen& play, const SceneObject& skip, float x, float y, float below) {
    const Vec3 half = play.player.halfSize;
    float floor = 0.0f;
    for (const SceneObject* box : play.world.worldList.objects()) {
        if (box == &skip || !hasBox(*box)) continue;
        if (std::fabs(x - box->position.x) > half.x + box->halfSize.x ||
            std::fabs(y - box->position.y) > half.y + box->halfSize.y) {
            continue;
        }
        const float top = box->position.z + box->halfSize.z;
        if (top <= below) floor = std::max(floor, top);
    }
    return floor;
}

}  // namespace

TargetView::TargetView(PlayScreen& play, SceneObject& object, const Vec3& entry, float floorZ) {
    Vec3 low, high;
    float radius = 0.3f;
    if (drawnBounds(object, low, high)) {
        centre.set(0.5f * (low.x + high.x), 0.5f * (low.y + high.y), 0.5f * (low.z + high.z));
        const float dx = high.x - low.x, dy = high.y - low.y, dz = high.z - low.z;
        radius = 0.5f * std::sqrt(dx * dx + dy * dy + dz * dz);
    } else if (hasBox(object)) {
        // Nothing drawn: the point of its collision box nearest the entry's
        // eyes, so a long invisible wall is seen where the player meets it.
        const Vec3& p = object.position;
        const Vec3& h = object.halfSize;
        centre.set(std::min(std::max(entry.x, p.x - h.x), p.x + h.x), std::min(std::max(entry.y, p.y - h.y), p.y + h.y),
                   std::min(std::max(floorZ + play.player.eyeHeight, p.z - h.z), p.z + h.z));
    } else {
        centre = object.position;
    }
    // Small things from 1.5 units, things a metre or more across from 2.
    const float distance = std::min(std::max(1.5f + 0.5f * (radius - 0.4f) / 0.6f, 1.5f), 2.0f);
    // How far across to stand so the eyes, standing on floor, are distance
    // from the centre (at least 0.6 across when the centre is far above or
    // below them).
    const Vec3 target = centre;
    const float eyeHeight = play.player.eyeHeight;
    auto acrossFrom = [&](float floor) {
        const float rise = target.z - (floor + eyeHeight);
        return std::sqrt(std::max(distance * distance - rise * rise, 0.6f * 0.6f));
    };
    const float below = centre.z + play.player.stepHeight;

    Vec3 toEntry(entry.x - centre.x, entry.y - centre.y, 0.0f);
    const float entryLength = toEntry.length();
    if (entryLength > 1e-3f) toEntry.divide(entryLength);

    struct Ranked {
        float score;
        Vec3 feet;
    };
    std::vector<Ranked> ranked;
    const Vec3 saved = play.player.position;
    for (int k = 0; k < kDirections; ++k) {
        const float a = 6.2831853f * static_cast<float>(k) / static_cast<float>(kDirections);
        const Vec3 dir(std::cos(a), std::sin(a), 0.0f);
        // Out from the wanted distance until the player's box fits, for
        // targets whose own box is wider than the distance.
        for (float extra = 0.0f; extra <= kMaxExtra; extra += 0.25f) {
            // On the floor beneath the place, which need not be the entry's:
            // a first guess from the floor beneath the target, then once more
            // from the floor found there.
            float across = acrossFrom(floorUnder(play, object, centre.x, centre.y, below)) + extra;
            float x = centre.x + dir.x * across, y = centre.y + dir.y * across;
            across = acrossFrom(floorUnder(play, object, x, y, below)) + extra;
            x = centre.x + dir.x * across;
            y = centre.y + dir.y * across;
            const Vec3 feet(x, y, floorUnder(play, object, x, y, below));
            const Vec3 eye(feet.x, feet.y, feet.z + play.player.eyeHeight);
            play.player.position = feet;
            const Vec3 body = play.player.playerBoxCentre();
            const Vec3 half = play.player.playerBoxHalfSize();
            if (play.boxHitsAnySceneObject(body.x, body.y, body.z, half.x, half.y, half.z)) continue;
            bool blocked = false;
            for (const SceneObject* other : play.world.worldList.objects()) {
                if (other == &object || !hasBox(*other) || inside(*other, centre)) continue;
                if (inside(*other, eye) || segmentHits(*other, eye, centre)) {
                    blocked = true;
                    break;
                }
            }
            // A clear line of sight always ranks above a blocked one, and
            // nearer above farther.
            const float score = dir.x * toEntry.x + dir.y * toEntry.y - 0.5f * extra + (blocked ? -10.0f : 0.0f);
            ranked.push_back(Ranked{score, feet});
            break;
        }
    }
    play.player.position = saved;
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) { return a.score > b.score; });
    for (const Ranked& r : ranked) places.push_back(r.feet);
}

Vec3 TargetView::anglesFrom(const Vec3& eye) const {
    Vec3 angles;
    angles.setDirectionAngles(eye, centre);
    return angles;
}
