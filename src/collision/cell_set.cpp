#include "collision/cell_set.h"

#include "base/segments.h"
#include "collision/game_object.h"

namespace {

bool insideWorld(float v) {
    // Written so that NaN counts as outside and is never truncated.
    return v >= 0.0f && v < static_cast<float>(kArenaSize);
}

// The cell's square grown by 1 px on every side: a crossing point of its border lies in the
// next cell, so each step of the walk moves on.
struct Side {
    Vector3 start;
    Vector3 direction;
};

void enlargedSides(int cx, int cy, Side (&sides)[4]) {
    const float left = static_cast<float>(cx * kCellSize - 1);
    const float top = static_cast<float>(cy * kCellSize - 1);
    const float right = static_cast<float>(cx * kCellSize + kCellSize + 1);
    const float bottom = static_cast<float>(cy * kCellSize + kCellSize + 1);
    sides[0] = {{left, top, 0.0f}, {right - left, 0.0f, 0.0f}};     // top
    sides[1] = {{right, top, 0.0f}, {0.0f, bottom - top, 0.0f}};    // right
    sides[2] = {{right, bottom, 0.0f}, {left - right, 0.0f, 0.0f}}; // bottom
    sides[3] = {{left, bottom, 0.0f}, {0.0f, top - bottom, 0.0f}};  // left
}

// Where the segment leaves the start cell's enlarged square, tested top, right, bottom, left;
// false when it does not leave it.
bool exitPoint(float x0, float y0, float x1, float y1, int cx, int cy, Vector3& exit) {
    Side sides[4];
    enlargedSides(cx, cy, sides);
    for (Side& side : sides) {
        Vector3 p{x0, y0, 0.0f};
        Vector3 d{x1 - x0, y1 - y0, 0.0f};
        if (crossLines(p, side.start, d, side.direction, exit)) return true;
    }
    return false;
}

} // namespace

void pixelToCell(int& x, int& y) {
    x /= kCellSize;
    y /= kCellSize;
}

void addCell(int cx, int cy, CellSet& set) {
    if (set.count >= kMaxSetCells) return;
    for (int i = 0; i < set.count; ++i) {
        if (set.cells[i].cx == cx && set.cells[i].cy == cy) return;
    }
    set.cells[set.count++] = {cx, cy};
}

void cellsAlongSegment(float x0, float y0, float x1, float y1, CellSet& set) {
    // One step per cell entered; each step restarts from the crossing point as a fresh walk.
    for (;;) {
        if (!insideWorld(x0) || !insideWorld(y0) || !insideWorld(x1) || !insideWorld(y1)) return;
        int sx = static_cast<int>(x0), sy = static_cast<int>(y0);
        int ex = static_cast<int>(x1), ey = static_cast<int>(y1);
        pixelToCell(sx, sy);
        pixelToCell(ex, ey);
        addCell(sx, sy, set);
        if (sx == ex && sy == ey) return;
        Vector3 exit;
        if (!exitPoint(x0, y0, x1, y1, sx, sy, exit)) return;
        x0 = exit.x;
        y0 = exit.y;
    }
}

void edgeCells(const GameObject& object, CellSet& set) {
    const float left = object.x;
    const float top = object.y;
    const float right = object.x + object.width;
    const float bottom = object.y + object.height;
    cellsAlongSegment(left, top, right, top, set);
    cellsAlongSegment(right, top, right, bottom, set);
    cellsAlongSegment(right, bottom, left, bottom, set);
    cellsAlongSegment(left, bottom, left, top, set);
}
