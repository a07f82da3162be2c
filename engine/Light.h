#ifndef QUENDRALVOSS_ENGINE_LIGHT_H
#define QUENDRALVOSS_ENGINE_LIGHT_H

#include <cstdint>
#include <list>

// A light that holds one of OpenGL's eight light slots while it has one.
// Lights made while all slots are taken wait, first come first served, and get
// the slot of the next slot-holding light that is destroyed. Setters of a
// waiting light only store; its values reach OpenGL when it gets a slot.
class Light {
public:
    // Directional light from +Z, white, radius 1; takes the lowest free slot
    // or joins the waiting list.
    Light();
    // Hands the slot to the oldest waiting light, or frees and disables it, or
    // leaves the waiting list.
    ~Light();
    Light(const Light&) = delete;
    Light& operator=(const Light&) = delete;

    // Directional light shining along (x, y, z).
    void setDirection(float x, float y, float z);
    // Point light at (x, y, z).
    void setPosition(float x, float y, float z);
    void setColour(float r, float g, float b);
    // Reach of a point light: full strength at half the radius, half at the
    // radius. A radius of 0 or less gives no attenuation instead of a division
    // by zero.
    void setRadius(float r);
    // Re-send the colours or the attenuation; nothing while waiting.
    void applyColour();
    void applyRadius();

    int32_t slot;
    float lightPosition[4];
    float lightColour[3];
    float radius;

private:
    void takeSlot(int32_t s);
    // Stores the homogeneous position (w 0: a direction, 1: a point) and
    // sends it.
    void placeAt(float x, float y, float z, float w);
    // Sends the position (transformed by the current model-view matrix).
    void applyPosition();
};

static const int32_t kLightSlotCount = 8;
extern Light* gLightSlotOwners[kLightSlotCount];
extern std::list<Light*> gLightWaitingList;
extern Light* gMainLight;

// Sends the position of every slot-holding light; the camera calls it right
// after loading the view so that lights sit in world coordinates.
void applyLightPositions();
// The light model's global ambient light (r, g, b, 1).
void setAmbientLight(float r, float g, float b);

#endif
