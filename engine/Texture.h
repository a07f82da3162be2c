#ifndef QUENDRALVOSS_ENGINE_TEXTURE_H
#define QUENDRALVOSS_ENGINE_TEXTURE_H

#include <cstdint>

// A picture from a resource file, uploaded as an OpenGL 2D texture and marked
// by how its alpha must be drawn. Binding it switches texturing, the alpha
// test and blending to match, so drawing code never sets them itself.
class Texture {
public:
    static constexpr int32_t alphaOpaque = 0;
    static constexpr int32_t alphaTested = 1;   // alpha only 0 or 255
    static constexpr int32_t alphaBlended = 2;  // some alpha between

    // No GL texture, opaque.
    Texture();
    // Deletes the GL texture, if any.
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Frees any old picture, then reads the scrambled file at path, decodes it
    // and uploads it with linear filtering and repeat wrapping (left bound).
    // False when the file is missing, empty or not a PNG the decoder reads
    // safely (isSafePicture); glName is then
    // 0. True without a GL name when OpenGL gives none.
    bool load(const char* path);
    // Nearest or linear filtering for both directions; nothing without a name.
    void setNearest();
    void setLinear();
    // Makes this texture current, with alpha test and blending by alphaMode;
    // without a GL name the same as unbindTexture.
    void bind() const;

    uint32_t glName;
    int32_t alphaMode;

private:
    void setFilter(int32_t filter);
};

// No texture for drawing: texturing and the alpha test off, blending by the
// colour alone. The binding itself stays.
void unbindTexture();

// Sphere-mapped texture coordinates for S and T on or off.
void setSphereMapTexGen(bool on);

#endif
