#ifndef QUENDRALVOSS_PLAY_SCENEOBJECT_H
#define QUENDRALVOSS_PLAY_SCENEOBJECT_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/MeshFaceSets.h"
#include "engine/Vec3.h"

class GlowSprite;
class Mesh;
class Texture;
class ViewFrustum;

// The collision half-extent of an object that takes part in no collision;
// a box holding it never overlaps another.
const float kNoCollision = -1000.0f;

// One placed model of a room: a keyframe mesh with its texture and a
// sphere-mapped second texture, a pose, a collision box, the name by which the
// player targets it and the story finds it, an animation clock, an optional
// cross-fade to another mesh and glow sprites pinned to its vertices. It holds
// one cache reference per mesh and texture handle and gives them back when it
// replaces them or is destroyed.
class SceneObject {
public:
    // Null handles and the plain defaults; constructSceneObject takes the
    // resources.
    SceneObject();
    // Runs destroySceneObject when that has not run yet.
    ~SceneObject();
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    // Back to the plain defaults, then the blank mesh and texture (the cache's
    // empty entry, no error), texture 117 as the second texture (missing: fatal
    // error 1), draw distance = the camera's far distance + 2.
    void constructSceneObject();
    // Gives back every reference (mesh, texture, second texture, fade source)
    // and frees the attachments and the name; safe to run twice.
    void destroySceneObject();
    // Cuts to mesh n at once, ending any cross-fade.
    void setSceneObjectMesh(int32_t n);
    // Blends from the present mesh to mesh n over duration seconds. Without a
    // mesh set before, or with a duration of 0 or less, it cuts like
    // setSceneObjectMesh; to the mesh shown it does nothing; back to the mesh
    // being faded out it turns round from where the blend stands.
    void crossFadeSceneObjectMesh(int32_t n, float duration);
    // Replaces the main texture by texture n (-1: the blank texture); returns
    // the new handle.
    Texture* setSceneObjectTexture(int32_t n);
    // Replaces the second texture by texture n; 58 hides the second pass, any
    // other number shows it. Returns the new handle.
    Texture* setSceneObjectSecondTexture(int32_t n);
    // Advances the clock by dt x animSpeed, the attachments by dt and the
    // cross-fade by dt (ending it at its duration).
    void updateSceneObject(float dt);
    // The main pass at the object's pose; colour and lighting are the caller's.
    void drawSceneObject();
    // The same, leaving out the parts of a large mesh that lie wholly outside
    // view (world coordinates); the picture is the same.
    void drawSceneObject(const ViewFrustum& view);
    // The main pass with standIn bound in place of the object's own texture
    // (none bound when null); the stand-in's count is the caller's.
    void drawSceneObjectWithTexture(Texture* standIn);
    // The reflection pass with the second texture; nothing when hidden.
    void drawSceneObjectSecondPass();
    // The same, leaving out what lies wholly outside view, as above; only the
    // mesh's faces of that set (all of them unless joined).
    void drawSceneObjectSecondPass(const ViewFrustum& view, MeshFaces faces = MeshFaces::all);
    // Whether both passes can be drawn as one (drawSceneObjectWithReflection):
    // the main texture is opaque and the reflection is shown with an opaque
    // texture. The main pass's colour must be opaque too (the caller's).
    bool isReflectionJoinable() const;
    // The main pass and the reflection in one pass, on two texture units: the
    // reflection mixed in at weight, as the second pass blended at alpha
    // weight would give. Only for a joinable object. The mesh's overlapping
    // faces get the main pass alone: their reflection is left to the second
    // pass (isReflectionLeftOver), which lands on them twice as before.
    void drawSceneObjectWithReflection(const ViewFrustum& view, float weight);
    // Whether drawSceneObjectWithReflection leaves the reflection of the
    // mesh's overlapping faces to drawSceneObjectSecondPass.
    bool isReflectionLeftOver() const;
    // Every attached glow sprite at the present position of its vertex.
    void drawSceneObjectAttachments();
    // Appends a glow sprite on vertex with createGlowSprite's defaults, owned
    // here; returned for the caller's size and colour.
    GlowSprite& attachGlowSprite(int32_t vertex);
    // Gives back and frees every glow sprite.
    void freeAttachments();
    // The glow sprites in the order they were attached; they may be changed
    // but not added or removed through this.
    const std::vector<std::unique_ptr<GlowSprite>>& attachments() const { return glows; }

    // The counted handles, read only: the setters above keep the counts.
    Mesh* sceneObjectMesh() const { return mesh; }
    Texture* sceneObjectTexture() const { return texture; }
    Texture* sceneObjectSecondTexture() const { return reflectionTexture; }
    // The mesh a running cross-fade blends from; null when none runs.
    Mesh* sceneObjectFadeSource() const { return fadeFromMesh; }

    // The weight of mesh in a running cross-fade (0..1); 1 when none runs.
    float fadeWeight() const;
    // A sphere in world coordinates holding everything both passes can draw
    // of the object in any pose of its mesh (and of the mesh it fades from);
    // false when they can draw nothing at all.
    bool drawnBounds(Vec3& centre, float& radius) const;

    bool reflectionShown = true;
    float fadeElapsed = 0.0f;
    float fadeDuration = 0.0f;
    bool meshAssigned = false;
    Vec3 position{0.0f, 0.0f, 0.0f};
    Vec3 rotation{0.0f, 0.0f, 0.0f};
    Vec3 halfSize{kNoCollision, kNoCollision, kNoCollision};
    std::string name;
    float animTime = 0.0f;
    float animSpeed = 1.0f;
    float drawDistance = 0.0f;
    bool sphereMapped = false;

private:
    // Moves the plain fields; only for constructSceneObject, on an object
    // whose handles were all given back.
    SceneObject& operator=(SceneObject&&) = default;
    void transform() const;
    // Both meshes of a cross-fade, or the mesh (in view when view is set);
    // faces other than all only for an object not fading.
    void drawMeshes(const ViewFrustum* view, MeshFaces faces = MeshFaces::all);
    void drawMain(const ViewFrustum* view, Texture* shown);
    void drawSecond(const ViewFrustum* view, MeshFaces faces);
    void releaseFadeSource();

    Mesh* mesh = nullptr;
    Texture* texture = nullptr;
    Texture* reflectionTexture = nullptr;
    Mesh* fadeFromMesh = nullptr;
    std::vector<std::unique_ptr<GlowSprite>> glows;
};

// A new scene object with constructSceneObject run, owned by the caller.
std::unique_ptr<SceneObject> makeSceneObject();

#endif
