#ifndef QUENDRALVOSS_TESTS_STORY_GRIDPLANNER_H
#define QUENDRALVOSS_TESTS_STORY_GRIDPLANNER_H

// The scripted player's way-finding on one floor: the collision boxes of the
// room that stand in the way of a body on that floor, widened by the body's
// half width, rasterised into a grid of 10 cm cells; A* from the player to the
// goal over the free cells; the path pulled tight into straight legs.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <queue>
#include <vector>

#include "engine/Vec3.h"
#include "play/SceneObject.h"

namespace story {

struct Point2 {
    float x, y;
};

class GridPlanner {
public:
    static constexpr float kCell = 0.1f;
    // The player's body: half its width, the height it steps over and its
    // top above the feet; a little room is kept between body and walls.
    static constexpr float kBodyHalf = 0.2f;
    static constexpr float kClearance = 0.06f;
    static constexpr float kStep = 0.34f;
    static constexpr float kBodyTop = 1.6f;

    // A grid over the rectangle (x0, y0)..(x1, y1).
    GridPlanner(float x0, float y0, float x1, float y1)
        : originX(x0), originY(y0),
          width(std::max(1, static_cast<int>(std::ceil((x1 - x0) / kCell)))),
          height(std::max(1, static_cast<int>(std::ceil((y1 - y0) / kCell)))),
          blocked(static_cast<size_t>(width) * static_cast<size_t>(height), 0) {}

    // Marks every object whose box meets a body standing on floorZ.
    void addObjects(const std::vector<SceneObject*>& objects, float floorZ) {
        for (const SceneObject* o : objects) {
            const Vec3& h = o->halfSize;
            if (h.x <= -999.0f) continue;
            const float top = o->position.z + h.z;
            const float bottom = o->position.z - h.z;
            if (top <= floorZ + kStep + 0.02f || bottom >= floorZ + kBodyTop) continue;
            addBox(o->position.x - h.x, o->position.y - h.y, o->position.x + h.x, o->position.y + h.y);
        }
    }

    // Marks a rectangle as blocked, widened by the body and the clearance.
    void addBox(float x0, float y0, float x1, float y1) {
        const float grow = kBodyHalf + kClearance;
        const int i0 = column(x0 - grow), i1 = column(x1 + grow);
        const int j0 = row(y0 - grow), j1 = row(y1 + grow);
        for (int j = std::max(j0, 0); j <= std::min(j1, height - 1); ++j) {
            for (int i = std::max(i0, 0); i <= std::min(i1, width - 1); ++i) {
                blocked[index(i, j)] = 1;
            }
        }
    }

    // Marks every cell whose centre the test says is out of bounds.
    void addRule(const std::function<bool(float, float)>& outOfBounds) {
        for (int j = 0; j < height; ++j) {
            for (int i = 0; i < width; ++i) {
                if (outOfBounds(centreX(i), centreY(j))) blocked[index(i, j)] = 1;
            }
        }
    }

    // The legs from start to goal (the goal moved to the nearest free cell
    // when it is blocked); empty when no way exists.
    std::vector<Point2> plan(Point2 start, Point2 goal) const {
        const int s = nearestFree(column(start.x), row(start.y));
        const int g = nearestFree(column(goal.x), row(goal.y));
        if (s < 0 || g < 0) return {};
        std::vector<float> cost(blocked.size(), 1e30f);
        std::vector<int> from(blocked.size(), -1);
        typedef std::pair<float, int> Entry;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
        cost[static_cast<size_t>(s)] = 0.0f;
        open.push(Entry(heuristic(s, g), s));
        while (!open.empty()) {
            const int at = open.top().second;
            const float f = open.top().first;
            open.pop();
            if (at == g) break;
            if (f - heuristic(at, g) > cost[static_cast<size_t>(at)] + 1e-4f) continue;
            const int ai = at % width, aj = at / width;
            for (int dj = -1; dj <= 1; ++dj) {
                for (int di = -1; di <= 1; ++di) {
                    if (di == 0 && dj == 0) continue;
                    const int ni = ai + di, nj = aj + dj;
                    if (ni < 0 || nj < 0 || ni >= width || nj >= height) continue;
                    const int next = index(ni, nj);
                    if (blocked[static_cast<size_t>(next)]) continue;
                    // No cutting a corner between two blocked cells.
                    if (di != 0 && dj != 0 && (blocked[static_cast<size_t>(index(ai + di, aj))] ||
                                               blocked[static_cast<size_t>(index(ai, aj + dj))])) {
                        continue;
                    }
                    const float step = (di != 0 && dj != 0) ? 1.41421356f : 1.0f;
                    const float c = cost[static_cast<size_t>(at)] + step;
                    if (c < cost[static_cast<size_t>(next)]) {
                        cost[static_cast<size_t>(next)] = c;
                        from[static_cast<size_t>(next)] = at;
                        open.push(Entry(c + heuristic(next, g), next));
                    }
                }
            }
        }
        if (s != g && from[static_cast<size_t>(g)] < 0) return {};
        std::vector<int> cells;
        for (int at = g; at != -1; at = from[static_cast<size_t>(at)]) cells.push_back(at);
        std::reverse(cells.begin(), cells.end());
        // Pulled tight: from each corner, straight on along the path as far
        // as it stays in clear sight.
        std::vector<Point2> legs;
        size_t k = 0;
        while (k + 1 < cells.size()) {
            size_t far = k + 1;
            while (far + 1 < cells.size() && clearLine(cells[k], cells[far + 1])) ++far;
            legs.push_back(Point2{centreX(cells[far] % width), centreY(cells[far] / width)});
            k = far;
        }
        // The last leg ends on the goal itself when its cell was free.
        if (!legs.empty() && g == index(column(goal.x), row(goal.y))) legs.back() = goal;
        if (legs.empty()) legs.push_back(goal);
        return legs;
    }

    bool isBlocked(float x, float y) const {
        const int i = column(x), j = row(y);
        if (i < 0 || j < 0 || i >= width || j >= height) return true;
        return blocked[index(i, j)] != 0;
    }

private:
    int column(float x) const { return static_cast<int>(std::floor((x - originX) / kCell)); }
    int row(float y) const { return static_cast<int>(std::floor((y - originY) / kCell)); }
    float centreX(int i) const { return originX + (static_cast<float>(i) + 0.5f) * kCell; }
    float centreY(int j) const { return originY + (static_cast<float>(j) + 0.5f) * kCell; }
    int index(int i, int j) const { return j * width + i; }
    float heuristic(int a, int b) const {
        const float dx = std::fabs(static_cast<float>(a % width - b % width));
        const float dy = std::fabs(static_cast<float>(a / width - b / width));
        return std::max(dx, dy) + 0.41421356f * std::min(dx, dy);
    }

    // The free cell nearest to (i, j), searched ring by ring; -1 if none.
    int nearestFree(int i, int j) const {
        i = std::min(std::max(i, 0), width - 1);
        j = std::min(std::max(j, 0), height - 1);
        for (int r = 0; r < std::max(width, height); ++r) {
            for (int dj = -r; dj <= r; ++dj) {
                for (int di = -r; di <= r; ++di) {
                    if (std::max(std::abs(di), std::abs(dj)) != r) continue;
                    const int ni = i + di, nj = j + dj;
                    if (ni < 0 || nj < 0 || ni >= width || nj >= height) continue;
                    if (!blocked[static_cast<size_t>(index(ni, nj))]) return index(ni, nj);
                }
            }
        }
        return -1;
    }

    // Whether the straight line between two cell centres crosses only free
    // cells (sampled at a fifth of a cell).
    bool clearLine(int a, int b) const {
        const float ax = centreX(a % width), ay = centreY(a / width);
        const float bx = centreX(b % width), by = centreY(b / width);
        const float length = std::hypot(bx - ax, by - ay);
        const int samples = static_cast<int>(length / (0.2f * kCell)) + 1;
        for (int n = 0; n <= samples; ++n) {
            const float t = static_cast<float>(n) / static_cast<float>(samples);
            if (isBlocked(ax + (bx - ax) * t, ay + (by - ay) * t)) return false;
        }
        return true;
    }

    float originX, originY;
    int width, height;
    std::vector<uint8_t> blocked;
};

}  // namespace story

#endif
