#include "engine/Mesh.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/FaceOverlap.h"
#include "engine/MemoryReader.h"
#include "engine/Random.h"
#include "engine/VertexCounter.h"
#include "engine/ViewFrustum.h"

namespace {

// Fixed-point values of the file are integers in units of 0.0001; the scale
// is the single-precision constant, applied in double precision.
float fixedToFloat(int32_t value) {
    return static_cast<float>(static_cast<double>(value) * static_cast<double>(0.0001f));
}

int32_t readI32(MemoryReader& reader) { return static_cast<int32_t>(reader.readU32()); }

// Bytes left to read.
int64_t remaining(const MemoryReader& reader) {
    return static_cast<int64_t>(reader.getLength()) - static_cast<int64_t>(reader.getPosition());
}

// Empties v and gives its memory back.
template <typename T>
void releaseVector(std::vector<T>& v) {
    std::vector<T>().swap(v);
}

// Meshes at least this large (radius and vertices) are kept in clusters of
// nearby triangles: a view of a room-sized mesh takes in only part of it.
const float kClusteredRadius = 6.0f;
const int32_t kClusteredVertices = 3000;
// A cluster grows while its box stays within this size, and at least to this
// many triangles, so that the clusters stay few.
const float kClusterExtent = 4.0f;
const int32_t kClusterMinTriangles = 128;

void blendInto(float* out, const float* a, const float* b, float f, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        out[k] = a[k] * (1.0f - f) + b[k] * f;
    }
}

}  // namespace

Mesh::Mesh()
    : frameCount(0),
      vertexCount(0),
      lastTime(-1.0f),
      displayList(0),
      boundsCentre(0.0f, 0.0f, 0.0f),
      boundsRadius(-1.0f),
      overlappingFaces(false) {}

Mesh::~Mesh() { clear(); }

void Mesh::clear() {
    releaseVector(framePositions);
    releaseVector(frameNormals);
    releaseVector(keyTimes);
    releaseVector(texCoords);
    releaseVector(workPositions);
    releaseVector(workNormals);
    if (displayList != 0) {
        glDeleteLists(displayList, listCount());
    }
    releaseVector(clusters);
    releaseVector(faceSets);
    frameCount = 0;
    vertexCount = 0;
    lastTime = -1.0f;
    displayList = 0;
    boundsCentre.set(0.0f, 0.0f, 0.0f);
    boundsRadius = -1.0f;
    overlappingFaces = false;
}

bool Mesh::load(const char* path) {
    clear();
    if (!path || path[0] == '\0') {
        return false;
    }
    MemoryReader reader;
    reader.loadFile(path);
    if (reader.failed()) {
        return false;
    }
    const bool parsed = parse(reader);
    reader.release();
    if (!parsed) {
        clear();
        return false;
    }
    findBounds();
    findClusters();
    findFaceSets();
    if (frameCount == 1) {
        compile();
    }
    return true;
}

bool Mesh::parse(MemoryReader& reader) {
    static const char magic[4] = {'m', 's', 'h', '1'};
    for (int k = 0; k < 4; ++k) {
        if (reader.readByte() != static_cast<uint8_t>(magic[k]) || reader.failed()) {
            return false;
        }
    }
    const int32_t v = readI32(reader);
    if (reader.failed() || v < 1 || v % 3 != 0) {
        return false;
    }
    // The counts come from the file: check them against its length before
    // allocating, so a corrupt count cannot ask for gigabytes.
    if (8 * static_cast<int64_t>(v) > remaining(reader)) {
        return false;
    }
    vertexCount = v;
    texCoords.resize(2 * static_cast<size_t>(v));
    for (int32_t k = 0; k < 2 * v; ++k) {
        texCoords[k] = fixedToFloat(readI32(reader));
        if (k % 2 == 1) {
            texCoords[k] = 1.0f - texCoords[k];
        }
    }
    if (reader.failed()) {
        return false;
    }
    const int32_t f = readI32(reader);
    if (reader.failed() || f < 1) {
        return false;
    }
    if (static_cast<int64_t>(f) * (4 + 15 * static_cast<int64_t>(v)) > remaining(reader)) {
        return false;
    }
    const size_t floats = 3 * static_cast<size_t>(v);
    keyTimes.resize(static_cast<size_t>(f));
    framePositions.assign(static_cast<size_t>(f), std::vector<float>(floats));
    frameNormals.assign(static_cast<size_t>(f), std::vector<float>(floats));
    frameCount = f;
    float previous = 0.0f;
    for (int32_t k = 0; k < f; ++k) {
        const float time = fixedToFloat(readI32(reader));
        if (time < 0.0f || time < previous) {
            return false;
        }
        keyTimes[k] = time;
        previous = time;
        for (size_t n = 0; n < floats; ++n) {
            framePositions[k][n] = fixedToFloat(readI32(reader));
        }
        for (size_t n = 0; n < floats; ++n) {
            frameNormals[k][n] = static_cast<float>(static_cast<int8_t>(reader.readByte())) / 127.0f;
        }
        if (reader.failed()) {
            return false;
        }
    }
    workPositions.resize(floats);
    workNormals.resize(floats);
    return true;
}

void Mesh::findBounds() { sphereOf(0, vertexCount, boundsCentre, boundsRadius); }

void Mesh::sphereOf(int32_t first, int32_t count, Vec3& centre, float& radius) const {
    float low[3] = {FLT_MAX, FLT_MAX, FLT_MAX};
    float high[3] = {-FLT_MAX, -FLT_MAX, -FLT_MAX};
    const size_t from = 3 * static_cast<size_t>(first);
    const size_t to = from + 3 * static_cast<size_t>(count);
    for (const std::vector<float>& frame : framePositions) {
        for (size_t n = from; n < to; ++n) {
            low[n % 3] = std::min(low[n % 3], frame[n]);
            high[n % 3] = std::max(high[n % 3], frame[n]);
        }
    }
    centre.set(0.5f * (low[0] + high[0]), 0.5f * (low[1] + high[1]), 0.5f * (low[2] + high[2]));
    // The farthest vertex from the centre as stored, in double precision and
    // rounded up, so no vertex lies outside even by a rounding.
    const double c[3] = {centre.x, centre.y, centre.z};
    double farthest = 0.0;
    for (const std::vector<float>& frame : framePositions) {
        for (size_t n = from; n + 2 < to; n += 3) {
            double squared = 0.0;
            for (size_t k = 0; k < 3; ++k) {
                const double d = static_cast<double>(frame[n + k]) - c[k];
                squared += d * d;
            }
            farthest = std::max(farthest, squared);
        }
    }
    radius = std::nextafter(static_cast<float>(std::sqrt(farthest)), FLT_MAX);
}

void Mesh::findClusters() {
    clusters.clear();
    if (boundsRadius < kClusteredRadius || vertexCount < kClusteredVertices) {
        return;
    }
    // Greedy over the triangles in order: a cluster closes once it holds
    // enough triangles and the next one would stretch its box (over every
    // keyframe) beyond the size.
    float low[3] = {0.0f, 0.0f, 0.0f};
    float high[3] = {0.0f, 0.0f, 0.0f};
    int32_t first = 0;
    for (int32_t v = 0; v < vertexCount; v += 3) {
        float tLow[3] = {FLT_MAX, FLT_MAX, FLT_MAX};
        float tHigh[3] = {-FLT_MAX, -FLT_MAX, -FLT_MAX};
        for (const std::vector<float>& frame : framePositions) {
            for (size_t n = 3 * static_cast<size_t>(v); n < 3 * static_cast<size_t>(v + 3); ++n) {
                tLow[n % 3] = std::min(tLow[n % 3], frame[n]);
                tHigh[n % 3] = std::max(tHigh[n % 3], frame[n]);
            }
        }
        float extent = 0.0f;
        for (int k = 0; k < 3; ++k) {
            extent = std::max(extent, std::max(high[k], tHigh[k]) - std::min(low[k], tLow[k]));
        }
        if (v == first || (v - first < 3 * kClusterMinTriangles || extent <= kClusterExtent)) {
            for (int k = 0; k < 3; ++k) {
                low[k] = v == first ? tLow[k] : std::min(low[k], tLow[k]);
                high[k] = v == first ? tHigh[k] : std::max(high[k], tHigh[k]);
            }
            continue;
        }
        clusters.push_back(Cluster{first, v - first, Vec3(), 0.0f});
        first = v;
        for (int k = 0; k < 3; ++k) {
            low[k] = tLow[k];
            high[k] = tHigh[k];
        }
    }
    clusters.push_back(Cluster{first, vertexCount - first, Vec3(), 0.0f});
    if (clusters.size() == 1) {
        clusters.clear();
        return;
    }
    for (Cluster& c : clusters) {
        sphereOf(c.first, c.count, c.centre, c.radius);
    }
}

void Mesh::findFaceSets() {
    faceSets.clear();
    const std::vector<bool> marks = frameCount > 0 ? markOverlappingFaces(framePositions[0]) : std::vector<bool>();
    overlappingFaces = std::find(marks.begin(), marks.end(), true) != marks.end();
    if (!overlappingFaces) {
        return;
    }
    faceSets.resize(static_cast<size_t>(partCount()));
    for (size_t k = 0; k < faceSets.size(); ++k) {
        if (clusters.empty()) {
            faceSets[k].split(marks, 0, vertexCount);
        } else {
            faceSets[k].split(marks, clusters[k].first, clusters[k].count);
        }
    }
}

int32_t Mesh::partCount() const { return clusters.empty() ? 1 : static_cast<int32_t>(clusters.size()); }

// A list per part; with overlapping faces then two more per part, its alone
// and its overlapping faces.
int32_t Mesh::listCount() const { return partCount() * (faceSets.empty() ? 1 : 3); }

uint32_t Mesh::listOf(int32_t part, MeshFaces faces) const {
    const uint32_t k = static_cast<uint32_t>(part);
    if (faceSets.empty() || faces == MeshFaces::all) {
        return displayList + k;
    }
    const uint32_t split = displayList + static_cast<uint32_t>(partCount()) + 2 * k;
    return faces == MeshFaces::alone ? split : split + 1;
}

void Mesh::drawPart(int32_t part, MeshFaces faces) {
    const int32_t first = clusters.empty() ? 0 : clusters[static_cast<size_t>(part)].first;
    const int32_t count = clusters.empty() ? vertexCount : clusters[static_cast<size_t>(part)].count;
    if (faces != MeshFaces::all && !faceSets.empty()) {
        const std::vector<uint32_t>& vertices = faceSets[static_cast<size_t>(part)].verticesOf(faces);
        if (displayList == 0) {
            drawWorkElements(vertices);
        } else if (!vertices.empty()) {
            glCallList(listOf(part, faces));
            gVerticesSubmitted += static_cast<uint64_t>(vertices.size());
        }
        return;
    }
    if (faces == MeshFaces::overlapping) {
        return;
    }
    if (displayList == 0) {
        drawWorkArrays(first, count);
    } else {
        glCallList(listOf(part, MeshFaces::all));
        gVerticesSubmitted += static_cast<uint64_t>(count);
    }
}

void Mesh::compile() {
    const GLuint list = glGenLists(listCount());
    if (list != 0) {
        // Compiling submits nothing for drawing, so it is not counted. The
        // pose is drawClamped's at time 0.
        const uint64_t submitted = gVerticesSubmitted;
        pose(std::min(std::max(0.0f, keyTimes[0]), keyTimes[frameCount - 1]));
        const GLuint parts = static_cast<GLuint>(partCount());
        for (GLuint k = 0; k < parts; ++k) {
            glNewList(list + k, GL_COMPILE);
            if (clusters.empty()) {
                drawWorkArrays(0, vertexCount);
            } else {
                drawWorkArrays(clusters[k].first, clusters[k].count);
            }
            glEndList();
        }
        for (size_t k = 0; k < faceSets.size(); ++k) {
            glNewList(list + parts + 2 * static_cast<GLuint>(k), GL_COMPILE);
            drawWorkElements(faceSets[k].alone);
            glEndList();
            glNewList(list + parts + 2 * static_cast<GLuint>(k) + 1, GL_COMPILE);
            drawWorkElements(faceSets[k].overlapping);
            glEndList();
        }
        gVerticesSubmitted = submitted;
    }
    // Only the counts, the key times and the clusters stay; the lists hold
    // the geometry. Without a list (OpenGL gave no name) the arrays stay and
    // the mesh draws from them.
    if (list == 0) {
        return;
    }
    releaseVector(framePositions);
    releaseVector(frameNormals);
    releaseVector(texCoords);
    releaseVector(workPositions);
    releaseVector(workNormals);
    displayList = list;
}

float Mesh::wrapTime(float t) const {
    const float last = keyTimes[frameCount - 1];
    return last == 0.0f ? 0.0f : wrapPositive(t, last);
}

void Mesh::chooseFrames(float t, int32_t& a, int32_t& b, float& f) const {
    const int32_t n = frameCount;
    a = n - 1;
    b = n - 1;
    for (int32_t i = 0, j = n - 1; i < n; ++i, --j) {
        if (keyTimes[i] <= t) {
            a = i;
        }
        if (keyTimes[j] >= t) {
            b = j;
        }
    }
    if (a == n - 1) {
        // Before the first key (or a single frame): loop from the last
        // keyframe towards the first over [0, first key].
        f = keyTimes[b] == 0.0f ? 1.0f : t / keyTimes[b];
        return;
    }
    const float d = keyTimes[b] - keyTimes[a];
    f = d == 0.0f ? 1.0f : (t - keyTimes[a]) / d;
}

void Mesh::enableWorkArrays() const {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, workPositions.data());
    glNormalPointer(GL_FLOAT, 0, workNormals.data());
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords.data());
    glEnable(GL_NORMALIZE);
}

void Mesh::disableWorkArrays() {
    glDisable(GL_NORMALIZE);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

void Mesh::drawWorkArrays(int32_t first, int32_t count) {
    enableWorkArrays();
    glDrawArrays(GL_TRIANGLES, first, count);
    gVerticesSubmitted += static_cast<uint64_t>(count);
    disableWorkArrays();
}

void Mesh::drawWorkElements(const std::vector<uint32_t>& vertices) {
    if (vertices.empty()) {
        return;
    }
    enableWorkArrays();
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(vertices.size()), GL_UNSIGNED_INT, vertices.data());
    gVerticesSubmitted += static_cast<uint64_t>(vertices.size());
    disableWorkArrays();
}

void Mesh::pose(float t) {
    const float wrapped = wrapTime(t);
    if (wrapped != lastTime) {
        lastTime = wrapped;
        int32_t a = 0;
        int32_t b = 0;
        float f = 0.0f;
        chooseFrames(wrapped, a, b, f);
        blendInto(workPositions.data(), framePositions[a].data(), framePositions[b].data(), f, 3 * vertexCount);
        blendInto(workNormals.data(), frameNormals[a].data(), frameNormals[b].data(), f, 3 * vertexCount);
    }
}

void Mesh::draw(float t, MeshFaces faces) {
    if (frameCount == 0) {
        return;
    }
    if (displayList == 0) {
        pose(t);
        if (faces == MeshFaces::all) {
            drawWorkArrays(0, vertexCount);
            return;
        }
    }
    for (int32_t k = 0; k < partCount(); ++k) {
        drawPart(k, faces);
    }
}

void Mesh::drawInView(float t, const ViewFrustum& view, MeshFaces faces) {
    if (frameCount == 0) {
        return;
    }
    if (clusters.empty()) {
        draw(t, faces);
        return;
    }
    if (displayList != 0 || faces != MeshFaces::all) {
        if (displayList == 0) {
            pose(t);
        }
        for (size_t k = 0; k < clusters.size(); ++k) {
            if (!view.excludesSphere(clusters[k].centre, clusters[k].radius)) {
                drawPart(static_cast<int32_t>(k), faces);
            }
        }
        return;
    }
    pose(t);
    // Neighbouring clusters in view go to OpenGL as one run.
    int32_t runFirst = 0;
    int32_t runCount = 0;
    for (const Cluster& c : clusters) {
        if (view.excludesSphere(c.centre, c.radius)) {
            if (runCount > 0) {
                drawWorkArrays(runFirst, runCount);
            }
            runCount = 0;
            continue;
        }
        if (runCount == 0) {
            runFirst = c.first;
        }
        runCount += c.count;
    }
    if (runCount > 0) {
        drawWorkArrays(runFirst, runCount);
    }
}

void Mesh::drawClamped(float t) {
    if (frameCount == 0) {
        return;
    }
    const float first = keyTimes[0];
    const float last = keyTimes[frameCount - 1];
    draw(t < first ? first : (t > last ? last : t));
}

bool Mesh::canBlendWith(const Mesh& other) const {
    return displayList == 0 && other.displayList == 0 && frameCount != 0 && other.frameCount != 0 &&
           vertexCount == other.vertexCount;
}

void Mesh::drawBlended(float tThis, float tOther, Mesh& other, float p) {
    if (!canBlendWith(other)) {
        if (p >= 0.5f) {
            draw(tThis);
        } else {
            other.draw(tOther);
        }
        return;
    }
    int32_t a1 = 0, b1 = 0, a2 = 0, b2 = 0;
    float f1 = 0.0f, f2 = 0.0f;
    chooseFrames(wrapTime(tThis), a1, b1, f1);
    other.chooseFrames(other.wrapTime(tOther), a2, b2, f2);
    // The work arrays now hold a cross-fade, so the next plain draw must
    // recompute whatever its time.
    lastTime = -FLT_MAX;
    const int32_t count = 3 * vertexCount;
    for (int32_t k = 0; k < count; ++k) {
        const float mine = framePositions[a1][k] * (1.0f - f1) + framePositions[b1][k] * f1;
        const float theirs = other.framePositions[a2][k] * (1.0f - f2) + other.framePositions[b2][k] * f2;
        workPositions[k] = mine * p + theirs * (1.0f - p);
        const float mineN = frameNormals[a1][k] * (1.0f - f1) + frameNormals[b1][k] * f1;
        const float theirsN = other.frameNormals[a2][k] * (1.0f - f2) + other.frameNormals[b2][k] * f2;
        workNormals[k] = mineN * p + theirsN * (1.0f - p);
    }
    drawWorkArrays(0, vertexCount);
}

Vec3 Mesh::vertexAt(int32_t i, float t) const {
    if (i < 0 || i >= vertexCount || frameCount == 0 || displayList != 0) {
        return Vec3(0.0f, 0.0f, 0.0f);
    }
    int32_t a = 0;
    int32_t b = 0;
    float f = 0.0f;
    chooseFrames(wrapTime(t), a, b, f);
    const float* pa = framePositions[a].data() + 3 * i;
    const float* pb = framePositions[b].data() + 3 * i;
    return Vec3(pa[0] * (1.0f - f) + pb[0] * f, pa[1] * (1.0f - f) + pb[1] * f, pa[2] * (1.0f - f) + pb[2] * f);
}

Vec3 Mesh::vertexAtBlended(int32_t i, float tThis, float tOther, Mesh& other, float p) {
    if (!canBlendWith(other)) {
        return p >= 0.5f ? vertexAt(i, tThis) : other.vertexAt(i, tOther);
    }
    if (i < 0 || i >= vertexCount) {
        return Vec3(0.0f, 0.0f, 0.0f);
    }
    lastTime = -FLT_MAX;
    const Vec3 mine = vertexAt(i, tThis);
    const Vec3 theirs = other.vertexAt(i, tOther);
    return Vec3(mine.x * p + theirs.x * (1.0f - p), mine.y * p + theirs.y * (1.0f - p),
                mine.z * p + theirs.z * (1.0f - p));
}
