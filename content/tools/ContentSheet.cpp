// quendralvoss-content-sheet: renders generated resources into one PNG for
// looking at them (under Xvfb where there is no display).
//   meshes   <res> <out.png> <columns> <tile px> "<mesh>[:<texture>] ..." [frame] [yaw] [pitch]
//   pictures <res> <out.png> <columns> <tile px> "<name> ..."   (names as in res/, e.g. 84 or 0/65)
// Meshes are lit from above, culled as the game culls, framed to their size;
// pictures are drawn over a paper colour so their alpha shows.
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "content/Image.h"
#include "content/PngWriter.h"
#include "engine/Scramble.h"

namespace {

std::vector<uint8_t> readResource(const std::string& path) {
    std::vector<uint8_t> d;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return d;
    int c;
    while ((c = std::fgetc(f)) != EOF) d.push_back(uint8_t(c));
    std::fclose(f);
    unscrambleBuffer(d.data(), uint32_t(d.size()));
    return d;
}

std::vector<std::string> words(const std::string& s) {
    std::vector<std::string> out;
    size_t p = 0;
    while (p < s.size()) {
        size_t q = s.find(' ', p);
        if (q == std::string::npos) q = s.size();
        if (q > p) out.push_back(s.substr(p, q - p));
        p = q + 1;
    }
    return out;
}

struct MeshData {
    int vertices = 0;
    std::vector<float> uv;
    std::vector<std::vector<float>> positions, normals;
};

bool parseMesh(const std::vector<uint8_t>& d, MeshData& m) {
    if (d.size() < 12 || std::memcmp(d.data(), "msh1", 4) != 0) return false;
    size_t at = 4;
    auto next = [&]() {
        int32_t v = 0;
        if (at + 4 <= d.size()) std::memcpy(&v, &d[at], 4);
        at += 4;
        return v;
    };
    m.vertices = next();
    for (int i = 0; i < 2 * m.vertices; ++i) m.uv.push_back(i % 2 ? 1.0f - next() * 0.0001f : next() * 0.0001f);
    const int frames = next();
    for (int f = 0; f < frames && at < d.size(); ++f) {
        next();
        std::vector<float> p(size_t(m.vertices) * 3), n(size_t(m.vertices) * 3);
        for (float& x : p) x = next() * 0.0001f;
        for (float& x : n) x = at < d.size() ? int8_t(d[at++]) / 127.0f : 0.0f;
        m.positions.push_back(p);
        m.normals.push_back(n);
    }
    return !m.positions.empty();
}

SDL_Surface* decodePicture(const std::string& path) {
    std::vector<uint8_t> d = readResource(path);
    if (d.empty()) return nullptr;
    SDL_RWops* rw = SDL_RWFromMem(d.data(), int(d.size()));
    SDL_Surface* s = IMG_Load_RW(rw, 0);
    SDL_RWclose(rw);
    return s;
}

GLuint uploadPicture(const std::string& path) {
    SDL_Surface* s = decodePicture(path);
    if (!s) return 0;
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    const GLenum format = s->format->BytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(format), s->w, s->h, 0, format, GL_UNSIGNED_BYTE, s->pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    SDL_FreeSurface(s);
    return t;
}

bool savePng(const Image& img, const char* path) {
    const std::vector<uint8_t> png = encodePng(img);
    FILE* o = std::fopen(path, "wb");
    if (!o) return false;
    const bool ok = std::fwrite(png.data(), 1, png.size(), o) == png.size();
    return std::fclose(o) == 0 && ok;
}

int meshSheet(const std::string& res, const char* out, int cols, int tile, const std::vector<std::string>& items,
              int frame, float yawDeg, float pitchDeg) {
    const int rows = int((items.size() + size_t(cols) - 1) / size_t(cols));
    const int w = cols * tile, h = rows * tile;
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || !SDL_SetVideoMode(w, h, 24, SDL_OPENGL)) return 1;
    glClearColor(0.15f, 0.15f, 0.2f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);
    const float ambient[] = {0.35f, 0.35f, 0.35f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    for (size_t k = 0; k < items.size(); ++k) {
        int meshNumber = 0, texture = 0;
        std::sscanf(items[k].c_str(), "%d:%d", &meshNumber, &texture);
        MeshData m;
        if (!parseMesh(readResource(res + "/" + std::to_string(meshNumber) + ".dat"), m)) {
            std::fprintf(stderr, "mesh %d unreadable\n", meshNumber);
            continue;
        }
        const size_t f = std::min(size_t(std::max(frame, 0)), m.positions.size() - 1);
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
        for (int i = 0; i < m.vertices; ++i)
            for (int c = 0; c < 3; ++c) {
                lo[c] = std::min(lo[c], m.positions[f][size_t(i) * 3 + size_t(c)]);
                hi[c] = std::max(hi[c], m.positions[f][size_t(i) * 3 + size_t(c)]);
            }
        float centre[3], radius = 0;
        for (int c = 0; c < 3; ++c) {
            centre[c] = (lo[c] + hi[c]) / 2;
            radius = std::max(radius, (hi[c] - lo[c]) / 2);
        }
        radius = std::max(radius * 1.8f, 1e-3f);
        glViewport(int(k % size_t(cols)) * tile, h - int(k / size_t(cols) + 1) * tile, tile, tile);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(40, 1, radius * 0.1, radius * 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const float yaw = yawDeg * 0.0174533f, pitch = pitchDeg * 0.0174533f, d = radius * 2.2f;
        gluLookAt(centre[0] + d * std::cos(pitch) * std::cos(yaw), centre[1] - d * std::cos(pitch) * std::sin(yaw),
                  centre[2] + d * std::sin(pitch), centre[0], centre[1], centre[2], 0, 0, 1);
        const float light[] = {0.3f, -0.5f, 1, 0};
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        const GLuint t = texture > 0 ? uploadPicture(res + "/" + std::to_string(texture) + ".dat") : 0;
        if (t) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, t);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        glBegin(GL_TRIANGLES);
        for (int i = 0; i < m.vertices; ++i) {
            glNormal3fv(&m.normals[f][size_t(i) * 3]);
            glTexCoord2fv(&m.uv[size_t(i) * 2]);
            glVertex3fv(&m.positions[f][size_t(i) * 3]);
        }
        glEnd();
        if (t) glDeleteTextures(1, &t);
    }
    std::vector<uint8_t> px(size_t(w) * size_t(h) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    Image img(w, h, false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &px[(size_t(h - 1 - y) * size_t(w) + size_t(x)) * 3];
            img.set(x, y, V3(p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f));
        }
    SDL_Quit();
    return savePng(img, out) ? 0 : 1;
}

int pictureSheet(const std::string& res, const char* out, int cols, int tile, const std::vector<std::string>& names) {
    const int rows = int((names.size() + size_t(cols) - 1) / size_t(cols));
    Image img(cols * tile, rows * tile, false);
    img.fill(V3(0.2f, 0.2f, 0.25f));
    const V3 paper(0.85f, 0.8f, 0.7f);
    for (size_t k = 0; k < names.size(); ++k) {
        SDL_Surface* s = decodePicture(res + "/" + names[k] + ".dat");
        if (!s) {
            std::fprintf(stderr, "picture %s unreadable\n", names[k].c_str());
            continue;
        }
        const int bpp = s->format->BytesPerPixel, ox = int(k % size_t(cols)) * tile, oy = int(k / size_t(cols)) * tile;
        for (int y = 0; y < tile - 4; ++y)
            for (int x = 0; x < tile - 4; ++x) {
                const uint8_t* p = static_cast<const uint8_t*>(s->pixels) + (y * s->h / (tile - 4)) * s->pitch +
                                   (x * s->w / (tile - 4)) * bpp;
                const float a = bpp == 4 ? p[3] / 255.0f : 1.0f;
                img.set(ox + 2 + x, oy + 2 + y, lerp(paper, V3(p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f), a));
            }
        SDL_FreeSurface(s);
    }
    return savePng(img, out) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s meshes|pictures <res> <out.png> <columns> <tile> \"<items>\" [frame yaw pitch]\n",
                     argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const int cols = std::max(1, std::atoi(argv[4])), tile = std::max(16, std::atoi(argv[5]));
    const std::vector<std::string> items = words(argv[6]);
    if (mode == "pictures") return pictureSheet(argv[2], argv[3], cols, tile, items);
    return meshSheet(argv[2], argv[3], cols, tile, items, argc > 7 ? std::atoi(argv[7]) : 0,
                     argc > 8 ? float(std::atof(argv[8])) : 35.0f, argc > 9 ? float(std::atof(argv[9])) : 25.0f);
}
