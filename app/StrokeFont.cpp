#include "app/StrokeFont.h"

#include <SDL_opengl.h>

#include "app/StrokeGlyphs.h"

namespace {
const float kHalfWidth = 0.08f;

void vertex(float y, float z) { glVertex3f(0.0f, y, z); }

void diamond(float y, float z) {
    vertex(y - kHalfWidth, z);
    vertex(y, z - kHalfWidth);
    vertex(y + kHalfWidth, z);
    vertex(y, z + kHalfWidth);
}
}  // namespace

void drawStrokeSegment(float y0, float z0, float y1, float z1) {
    const float w = kHalfWidth;
    glBegin(GL_QUADS);
    diamond(y0, z0);
    vertex(y0 - w, z0);
    vertex(y0 + w, z0);
    vertex(y1 + w, z1);
    vertex(y1 - w, z1);
    vertex(y0, z0 - w);
    vertex(y0, z0 + w);
    vertex(y1, z1 + w);
    vertex(y1, z1 - w);
    diamond(y1, z1);
    glEnd();
}

void drawStrokeGlyph(char character) {
    const StrokeGlyph* glyph = findStrokeGlyph(static_cast<unsigned char>(character));
    for (int i = 0; i < glyph->count; ++i) {
        const StrokeSegment& s = glyph->segments[i];
        drawStrokeSegment(s.y0, s.z0, s.y1, s.z1);
    }
}

void drawStrokeText(const std::string& text) {
    float y = 0.0f;
    float z = 23.0f;
    for (char c : text) {
        if (c == '\n') {
            z -= 1.0f;
            y = 0.0f;
            continue;
        }
        glPushMatrix();
        glTranslatef(0.0f, y + 0.167f, z + 0.167f);
        glScalef(0.0f, 0.666f, 0.666f);
        drawStrokeGlyph(c);
        glPopMatrix();
        y += 1.0f;
        if (y > 31.9f) {
            z -= 1.0f;
            y = 0.0f;
        }
    }
}
