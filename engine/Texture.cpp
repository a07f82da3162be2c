#include "engine/Texture.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_opengl.h>

#include <memory>

#include "engine/ResourceFile.h"
#include "engine/ResourceFormat.h"
#include "engine/SurfaceColour.h"

namespace {

// Masks of pixels stored as bytes R, G, B(, A) in memory, as OpenGL reads them.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
const Uint32 kRedMask = 0x000000ffu;
const Uint32 kGreenMask = 0x0000ff00u;
const Uint32 kBlueMask = 0x00ff0000u;
const Uint32 kAlphaMask = 0xff000000u;
#else
const Uint32 kRedMask = 0xff000000u;
const Uint32 kGreenMask = 0x00ff0000u;
const Uint32 kBlueMask = 0x0000ff00u;
const Uint32 kAlphaMask = 0x000000ffu;
#endif
const Uint32 kRedMask24 = SDL_BYTEORDER == SDL_LIL_ENDIAN ? 0x0000ffu : 0xff0000u;
const Uint32 kBlueMask24 = SDL_BYTEORDER == SDL_LIL_ENDIAN ? 0xff0000u : 0x0000ffu;

// Rows as the default unpack alignment of 4 expects them.
int alignedPitch(int width, int bytes) { return (width * bytes + 3) & ~3; }

bool isUploadable(const SDL_Surface* s) {
    const SDL_PixelFormat* f = s->format;
    if (f->BytesPerPixel == 4) {
        return f->Rmask == kRedMask && f->Gmask == kGreenMask && f->Bmask == kBlueMask &&
               f->Amask == kAlphaMask && s->pitch == alignedPitch(s->w, 4);
    }
    if (f->BytesPerPixel == 3) {
        return f->Rmask == kRedMask24 && f->Gmask == 0x00ff00u && f->Bmask == kBlueMask24 &&
               s->pitch == alignedPitch(s->w, 3);
    }
    return false;
}

// Returns a surface in R,G,B(,A) byte order, freeing the one given when it had
// to be converted. Pictures with an alpha channel or a colour key become RGBA
// (keyed pixels get alpha 0), all others RGB. Null when conversion fails; the
// given surface is freed then too.
SDL_Surface* toUploadable(SDL_Surface* picture) {
    if (isUploadable(picture)) {
        return picture;
    }
    const bool alpha = picture->format->Amask != 0 || (picture->flags & SDL_SRCCOLORKEY) != 0;
    SDL_Surface* pattern = alpha ? SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, kRedMask, kGreenMask,
                                                        kBlueMask, kAlphaMask)
                                 : SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 24, kRedMask24, 0x00ff00u,
                                                        kBlueMask24, 0);
    SDL_Surface* converted = pattern ? SDL_ConvertSurface(picture, pattern->format, SDL_SWSURFACE) : nullptr;
    if (pattern) {
        SDL_FreeSurface(pattern);
    }
    SDL_FreeSurface(picture);
    if (converted && !isUploadable(converted)) {
        SDL_FreeSurface(converted);
        converted = nullptr;
    }
    return converted;
}

// Reads, unscrambles and decodes the file; null when any step fails or the
// bytes are not a picture the decoder reads safely.
SDL_Surface* decodeFile(const char* path) {
    uint32_t length = 0;
    const std::unique_ptr<uint8_t[]> contents = readResourceFile(path, length);
    if (!contents || !isSafePicture(contents.get(), length)) {
        return nullptr;
    }
    SDL_Surface* picture = nullptr;
    SDL_RWops* reader = SDL_RWFromMem(contents.get(), static_cast<int>(length));
    if (reader) {
        picture = IMG_Load_RW(reader, 0);
        SDL_RWclose(reader);
    }
    return picture;
}

// 2 when some alpha lies strictly between 0 and 255, else 1.
int32_t classifyAlpha(const SDL_Surface* s) {
    const uint8_t* pixels = static_cast<const uint8_t*>(s->pixels);
    for (int x = 0; x < s->w; ++x) {
        for (int y = 0; y < s->h; ++y) {
            const uint8_t a = pixels[y * s->pitch + x * 4 + 3];
            if (a != 0 && a != 255) {
                return Texture::alphaBlended;
            }
        }
    }
    return Texture::alphaTested;
}

}  // namespace

Texture::Texture() : glName(0), alphaMode(alphaOpaque) {}

Texture::~Texture() {
    if (glName != 0) {
        const GLuint name = glName;
        glDeleteTextures(1, &name);
    }
}

bool Texture::load(const char* path) {
    if (glName != 0) {
        const GLuint old = glName;
        glDeleteTextures(1, &old);
        glName = 0;
    }
    SDL_Surface* picture = decodeFile(path);
    if (!picture) {
        return false;
    }
    picture = toUploadable(picture);
    if (!picture) {
        return false;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glName = name;
    if (name == 0) {
        // Without a name the texture binds as no texture.
        SDL_FreeSurface(picture);
        return true;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    GLenum format = GL_RGB;
    if (picture->format->BytesPerPixel == 4) {
        alphaMode = classifyAlpha(picture);
        format = GL_RGBA;
    } else {
        alphaMode = alphaOpaque;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), picture->w, picture->h, 0, format,
                 GL_UNSIGNED_BYTE, picture->pixels);
    SDL_FreeSurface(picture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    return true;
}

void Texture::setFilter(int32_t filter) {
    if (glName == 0) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, glName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

void Texture::setNearest() { setFilter(GL_NEAREST); }

void Texture::setLinear() { setFilter(GL_LINEAR); }

void Texture::bind() const {
    if (glName == 0) {
        unbindTexture();
        return;
    }
    glBindTexture(GL_TEXTURE_2D, glName);
    glEnable(GL_TEXTURE_2D);
    if (alphaMode == alphaTested) {
        glEnable(GL_ALPHA_TEST);
    } else {
        glDisable(GL_ALPHA_TEST);
    }
    gTextureBlends = alphaMode == alphaBlended ? 1 : 0;
    applyBlendRule();
}

void unbindTexture() {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    gTextureBlends = 0;
    applyBlendRule();
}

void setSphereMapTexGen(bool on) {
    if (on) {
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glEnable(GL_TEXTURE_GEN_S);
        glEnable(GL_TEXTURE_GEN_T);
    } else {
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
    }
}
