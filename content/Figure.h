#ifndef QUENDRALVOSS_CONTENT_FIGURE_H
#define QUENDRALVOSS_CONTENT_FIGURE_H

#include <vector>

#include "content/MeshBuilder.h"
#include "content/Rig.h"

// A posable character: a triangle list on a small skeleton, built facing +X
// with its feet at local z `ground`, and the triangles of its two eye
// points (corner 0 of each lies exactly on the eye).
struct Figure {
    // Forearms and shins come last so that the older bones keep their
    // numbers; the prop bone hangs from the right forearm.
    enum Bones {
        Root, Torso, Head, ArmL, ArmR, LegL, LegR, Prop, Tail, HatBone,
        ForearmL, ForearmR, ShinL, ShinR, BoneCount
    };
    MeshBuilder mesh;
    Rig rig;
    int eyeTriangle[2] = {0, 0};
    int extraTriangle[2] = {0, 0};  // further marker points (e.g. a flower)
};

// How a two-legged figure looks. Cells index the 4 x 4 picture layout.
struct FigureStyle {
    enum Head { Round, Skull, Goat, Fish, Hood, Wolf, Sheet };
    float height = 1.7f;
    float girth = 1.0f;
    float ground = -1.0f;
    Head head = Round;
    bool dress = false;   // a skirt instead of trousers
    bool hat = false;     // a hat on its own bone (HatBone) above the head
    bool pointedHat = true;  // a witch's point, else a round crown and wide brim
    bool knife = false;   // carried in the right hand (bone Prop)
    bool flower = false;  // held in the right hand (bone Prop)
    float coat = 0.0f;    // a coat's skirt below the waist, as a share of the height
    bool longHair = false;  // hair down to the shoulders
    int skin = 0, main = 1, second = 2, hatCell = 2, dark = 12;
};

Figure buildFigure(const FigureStyle& style);

// Four-legged animals (dog, cat), birds, and small creatures, facing +X.
enum class Creature { Dog, Cat, Bird, Spider, Bat, Rat };
Figure buildCreature(Creature kind, float size, float ground, int mainCell, int darkCell);

// Common poses of a figure, as bone pose lists: phase 0..1 of a loop.
std::vector<BonePose> walkPose(float phase, float stride);
std::vector<BonePose> idlePose(float phase, float amount);
std::vector<BonePose> talkPose(float phase, float amount);
// Scales the prop bone to nothing (the prop is not held).
void hideProp(std::vector<BonePose>& pose);
// Scales the hat bone to nothing (the hat is off).
void hideHat(std::vector<BonePose>& pose);

#endif
