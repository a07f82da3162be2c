#ifndef QUENDRALVOSS_PLAY_SCENEDRAWING_H
#define QUENDRALVOSS_PLAY_SCENEDRAWING_H

#include <string>

#include "engine/Vec3.h"

class SceneObject;
class ViewFrustum;

// Whether drawRoom draws object for a camera at camera turned by yaw: within
// its draw distance, and for close-up objects (draw distance below 7.1) also
// no more than 1 behind the camera and inside the wedge in front of it.
bool isSceneObjectVisible(const SceneObject& object, const Vec3& camera, float yaw);

// Whether neither of drawRoom's passes can put a pixel of object on the
// screen: its drawn bounds lie wholly outside view (ViewFrustum's proof), or
// it draws nothing at all.
bool isSceneObjectOutsideView(const SceneObject& object, const ViewFrustum& view);

// The caption's target line after the German grammar rule: "dir selbst"
// becomes "dich selbst" after "frage", "trickse aus" and "nimm". The English
// build returns second unchanged.
std::string applyTargetGrammar(const std::string& first, const std::string& second);

#endif
