#include "collision/movement.h"

#include "base/segments.h"
#include "collision/cell_set.h"
#include "collision/game_object.h"
#include "collision/obstacle_store.h"
#include "platform/clock.h"
#include "platform/log.h"

#include <cmath>

namespace {

struct Step {
    float dx;
    float dy;
};

// The four corners' paths, top-left, top-right, bottom-left, bottom-right: the cells that
// might hold something in the way, in the order that settles ties between cells.
void pathCells(const GameObject& obj, Step step, CellSet& set) {
    const float left = obj.x, top = obj.y;
    const float right = obj.x + obj.width, bottom = obj.y + obj.height;
    cellsAlongSegment(left, top, left + step.dx, top + step.dy, set);
    cellsAlongSegment(right, top, right + step.dx, top + step.dy, set);
    cellsAlongSegment(left, bottom, left + step.dx, bottom + step.dy, set);
    cellsAlongSegment(right, bottom, right + step.dx, bottom + step.dy, set);
}

// The earliest contact over the cells; on equal t the cell that comes first keeps it.
Contact firstContact(const GameObject& obj, const Vector3& start, const Vector3& end,
                     const CellSet& set, const ObstacleStore& store) {
    Contact best;
    for (int i = 0; i < set.count; ++i) {
        const Contact c =
            sweepCellList(obj, start, end, store.cellList(set.cells[i].cx, set.cells[i].cy));
        if (c.t < best.t && c.t >= 0.0f && c.t <= 1.0f) best = c;
    }
    return best;
}

void changeCells(ObstacleStore& store, const CellSet& set, GameObject* obj, bool add) {
    for (int i = 0; i < set.count; ++i) {
        if (add) {
            store.addToCell(set.cells[i].cx, set.cells[i].cy, obj);
        } else {
            store.removeFromCell(set.cells[i].cx, set.cells[i].cy, obj);
        }
    }
}

struct GrownSide {
    Vector3 from;
    Vector3 to;
    int code;
};

// Tests a side of the grown rectangle; a crossing at the same u as the best so far replaces it.
void testSide(GameObject& o, GrownSide side, const Vector3& start, const Vector3& end,
              Contact& contact) {
    Vector3 a0 = start, a1 = end, cross;
    float u = 0.0f;
    if (!crossSegments(a0, side.from, a1, side.to, cross, u)) return;
    if (!(u <= contact.t && u >= 0.0f && u <= 1.0f)) return;
    // One pixel outside the side, by Side.
    static constexpr float kOutX[4] = {-1.0f, 0.0f, 1.0f, 0.0f};
    static constexpr float kOutY[4] = {0.0f, -1.0f, 0.0f, 1.0f};
    contact.t = u;
    contact.other = &o;
    contact.side = side.code;
    contact.point = {cross.x + kOutX[side.code], cross.y + kOutY[side.code], 0.0f};
}

// Bounds at or past the grid's edge are clamped to 0..24 (24 = one past the last cell).
int clampCell(int c) {
    return c < 0 ? 0 : (c > kGridCells ? kGridCells : c);
}

// Truncates towards zero, saturating far outside the world so the conversion stays defined.
int truncatePixel(float v) {
    constexpr float kFar = 1.0e6f;
    if (!(v > -kFar)) return -static_cast<int>(kFar);
    if (v > kFar) return static_cast<int>(kFar);
    return static_cast<int>(v);
}

} // namespace

void moveWithCollision(GameObject* obj, ObstacleStore* store) {
    moveWithCollision(obj, store, frameTime());
}

void moveWithCollision(GameObject* obj, ObstacleStore* store, float frameMs) {
    if (obj == nullptr || store == nullptr) {
        logMessage("################## ILLEGAL OPERATION ########################");
        return;
    }
    const float vx = obj->moveX + obj->pushX;
    const float vy = obj->moveY + obj->pushY;
    const Step step{frameMs / 1000.0f * vx, frameMs / 1000.0f * vy};
    float newX = obj->x + step.dx;
    float newY = obj->y + step.dy;

    CellSet candidates;
    pathCells(*obj, step, candidates);
    const int hw = obj->width / 2, hh = obj->height / 2;
    const Vector3 start{obj->x + hw, obj->y + hh, 0.0f};
    const Vector3 end{obj->x + step.dx + hw, obj->y + step.dy + hh, 0.0f};
    const Contact hit = firstContact(*obj, start, end, candidates, *store);

    // Gathered before collide runs, so the old records are found even if collide moved obj.
    CellSet oldCells;
    edgeCells(*obj, oldCells);
    if (hit.t >= 0.0f && hit.t <= 1.0f) {
        newX = hit.point.x - hw;
        newY = hit.point.y - hh;
        // The mover is told while it still stands where it began the frame.
        if (hit.other != nullptr) obj->collide(hit.other, hit.side, 1);
    }
    changeCells(*store, oldCells, obj, false);
    obj->x = newX;
    obj->y = newY;
    CellSet newCells;
    edgeCells(*obj, newCells);
    changeCells(*store, newCells, obj, true);
}

Contact sweepCellList(const GameObject& m, const Vector3& start, const Vector3& end,
                      const CellNode* list) {
    Contact contact;
    const int hw = m.width / 2, hh = m.height / 2;
    for (const CellNode* node = list; node != nullptr; node = node->next) {
        GameObject& o = *node->object;
        if (!canMeet(m, o)) continue;
        const float left = o.x - hw, top = o.y - hh;
        const float right = o.x + o.width + hw, bottom = o.y + o.height + hh;
        const Vector3 topLeft{left, top, 0.0f}, topRight{right, top, 0.0f};
        const Vector3 bottomRight{right, bottom, 0.0f}, bottomLeft{left, bottom, 0.0f};
        // Left and right come last so that they win a corner reached exactly.
        testSide(o, {bottomLeft, bottomRight, kSideBottom}, start, end, contact);
        testSide(o, {topLeft, topRight, kSideTop}, start, end, contact);
        testSide(o, {bottomRight, topRight, kSideRight}, start, end, contact);
        testSide(o, {topLeft, bottomLeft, kSideLeft}, start, end, contact);
    }
    return contact;
}

void objectsInRadius(const GameObject* c, float radius, GameObject** out, int capacity, int& count,
                     const ObstacleStore* store) {
    if (out == nullptr) return;
    count = 0;
    if (c == nullptr || store == nullptr) return;
    const float cx = c->x + c->width / 2, cy = c->y + c->height / 2;
    // The +50 compares cell centres with the range: a cell is scanned when its centre lies in
    // (centre - radius, centre + radius].
    int x0 = truncatePixel(cx - radius + 50.0f), y0 = truncatePixel(cy - radius + 50.0f);
    int x1 = truncatePixel(cx + radius + 50.0f), y1 = truncatePixel(cy + radius + 50.0f);
    pixelToCell(x0, y0);
    pixelToCell(x1, y1);
    x0 = clampCell(x0);
    y0 = clampCell(y0);
    x1 = clampCell(x1);
    y1 = clampCell(y1);
    // Column by column, so the order of the list follows the grid's columns.
    for (int i = x0; i < x1; ++i) {
        for (int j = y0; j < y1; ++j) {
            for (const CellNode* node = store->cellList(i, j); node != nullptr; node = node->next) {
                const GameObject& o = *node->object;
                if (!canMeet(*c, o)) continue;
                // Measured between top-left corners, not centres.
                const float ox = o.x - c->x, oy = o.y - c->y;
                if (std::sqrt(ox * ox + oy * oy) > radius || count >= capacity) continue;
                out[count++] = node->object;
            }
        }
    }
}
