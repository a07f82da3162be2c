#ifndef QUENDRALVOSS_CONTENT_ATLAS_H
#define QUENDRALVOSS_CONTENT_ATLAS_H

// Shared picture layouts: the meshes pick their colours from these cells,
// the pictures paint them. Cells are 4 x 4 squares of a quarter each; cell
// (c, r) covers u c/4..(c+1)/4 and v r/4..(r+1)/4 with v = 0 at the bottom.
namespace atlas {

// The shared character picture (51).
enum CharacterCell {
    Skin, Dress, Hat, Coat, FaceRuddy, StoneGrey, DogFur, DogDark,
    Metal, FlowerRed, Leaf, Hair, Boots, EyeWhite, Cloth, Bone
};

// u0, v0, u1, v1 of a cell, shrunk by a margin so linear filtering stays
// inside it.
inline void cell(int index, float out[4]) {
    const int c = index % 4, r = index / 4;
    const float m = 0.03f;
    out[0] = c * 0.25f + m;
    out[1] = r * 0.25f + m;
    out[2] = (c + 1) * 0.25f - m;
    out[3] = (r + 1) * 0.25f - m;
}

}  // namespace atlas

#endif
