#include "collision/line_of_sight.h"

#include "base/random.h"
#include "base/segments.h"
#include "base/vector3.h"
#include "collision/game_object.h"
#include "collision/obstacle_store.h"

namespace {

struct SideLine {
    Vector3 start;
    Vector3 direction;
    int code;
};

// The four sides of an obstacle, in the order they are tested.
void sidesOf(const GameObject& o, SideLine (&sides)[4]) {
    const float w = static_cast<float>(o.width);
    const float h = static_cast<float>(o.height);
    sides[0] = {{o.x, o.y, 0}, {0, h, 0}, kSideLeft};
    sides[1] = {{o.x, o.y, 0}, {w, 0, 0}, kSideTop};
    sides[2] = {{o.x + w, o.y, 0}, {0, h, 0}, kSideRight};
    sides[3] = {{o.x, o.y + h, 0}, {w, 0, 0}, kSideBottom};
}

// A crossing within 1 px of a side's start end slips past the side: the truncation is
// kept on purpose, so a line grazing a wall's top corner is not blocked by its upright sides.
bool atSideStart(const SideLine& side, const Vector3& crossing) {
    const bool upright = side.code == kSideLeft || side.code == kSideRight;
    const float along = upright ? crossing.y - side.start.y : crossing.x - side.start.x;
    return static_cast<int>(along) == 0;
}

// Whether o's rectangle, grown by a pixel against rounding, lies clear of the segment's
// bounding box: then none of its sides can cross the segment, and the four exact tests are
// skipped. Most walls of the level fail this at once.
bool clearOf(const GameObject& o, float minX, float minY, float maxX, float maxY) {
    return o.x + static_cast<float>(o.width) + 1.0f < minX || o.x - 1.0f > maxX ||
           o.y + static_cast<float>(o.height) + 1.0f < minY || o.y - 1.0f > maxY;
}

bool isWall(const GameObject* o) {
    return o != nullptr && o->kind == kKindWall;
}

// Follows one neighbour link from entry `from` to the chain's end. Links are kept true by
// the store; the walk is still bounded by the entry count and stops at a link that names no
// wall, so a damaged chain can never hang the game.
const GameObject* chainEnd(const ObstacleStore& store, const GameObject* from,
                           int GameObject::*link) {
    const GameObject* end = from;
    for (int steps = 0; steps < store.count; ++steps) {
        const int next = end->*link;
        if (next < 0 || next >= store.count || !isWall(store.entries[next])) break;
        end = store.entries[next];
    }
    return end;
}

int rand10() {
    return nextRandom() % 10;
}
int rand15() {
    return nextRandom() % 15;
}

// Every waypoint value is worked out in float from the wall's float position, then truncated.
int truncated(float value) {
    return static_cast<int>(value);
}

struct Waypoint {
    int x;
    int y;
};

// The draws below happen in a fixed order that the level's replays depend on; each
// statement makes its draws before the next one starts.
Waypoint detourPastChain(const ObstacleStore& store, const GameObject* blocker, int side, int w,
                         int h, int tx, int ty) {
    Waypoint wp{0, 0};
    if (side == kSideLeft || side == kSideRight) {
        const GameObject* top = chainEnd(store, blocker, &GameObject::topNeighbour);
        const GameObject* bottom = chainEnd(store, top, &GameObject::bottomNeighbour);
        const float below = bottom->y + static_cast<float>(bottom->height);
        // The upper candidate keeps 5 px from a left side but 10 px from a right one.
        const float above = top->y - static_cast<float>(h) - (side == kSideLeft ? 5.0f : 10.0f);
        if (side == kSideLeft) {
            wp.x = truncated(top->x - static_cast<float>(w) - 10.0f - static_cast<float>(rand10()));
        } else {
            wp.x = truncated(top->x + static_cast<float>(top->width) + 10.0f +
                             static_cast<float>(rand10()));
        }
        const int p = truncated(above - static_cast<float>(rand10()));
        const int q = truncated(below + 5.0f + static_cast<float>(rand15()));
        wp.y = chooseDetour(p, q, ty);
        return wp;
    }
    const GameObject* right = chainEnd(store, blocker, &GameObject::rightNeighbour);
    const GameObject* left = chainEnd(store, right, &GameObject::leftNeighbour);
    const float pastRight = right->x + static_cast<float>(right->width) + 10.0f;
    if (side == kSideTop) {
        const int p = truncated(pastRight + static_cast<float>(rand15()));
        wp.y = truncated(right->y - static_cast<float>(h) - 10.0f - static_cast<float>(rand15()));
        // Past the left end there is no 10 px margin from a top side; kept as the game has it.
        const int q = truncated(left->x - static_cast<float>(w) - static_cast<float>(rand10()));
        wp.x = chooseDetour(p, q, tx);
        return wp;
    }
    const int p = truncated(pastRight + static_cast<float>(rand10()));
    const int q = truncated(left->x - static_cast<float>(w) - 10.0f - static_cast<float>(rand10()));
    wp.x = chooseDetour(p, q, tx);
    wp.y = truncated(right->y + static_cast<float>(right->height) + 10.0f);
    return wp;
}

// The sight line starts 2 px outside the box's side that faces away from the target, so
// the box's own corners never count as crossings; on the target's row or column it starts
// at the box's middle.
int startCoordinate(int position, int size, int target) {
    if (target < position) return position + size + 2;
    if (target > position) return position - 2;
    return position + size / 2;
}

} // namespace

SightPoint sightLineStart(int x, int y, int w, int h, int tx, int ty) {
    return {startCoordinate(x, w, tx), startCoordinate(y, h, ty)};
}

bool firstBlockingSide(const ObstacleStore* store, int ax, int ay, int bx, int by, int& index,
                       int& side) {
    side = kSideNone;
    if (store == nullptr) return false;
    const Vector3 from{static_cast<float>(ax), static_cast<float>(ay), 0};
    const Vector3 direction{static_cast<float>(bx - ax), static_cast<float>(by - ay), 0};
    const float minX = static_cast<float>(ax < bx ? ax : bx);
    const float maxX = static_cast<float>(ax < bx ? bx : ax);
    const float minY = static_cast<float>(ay < by ? ay : by);
    const float maxY = static_cast<float>(ay < by ? by : ay);
    float best = kNoHit;
    for (int i = 0; i < store->count; ++i) {
        const GameObject* o = store->entries[i];
        if (!isWall(o) || clearOf(*o, minX, minY, maxX, maxY)) continue;
        SideLine sides[4];
        sidesOf(*o, sides);
        for (const SideLine& line : sides) {
            Vector3 p = from, q = line.start, d = direction, e = line.direction, crossing{};
            if (!crossLines(p, q, d, e, crossing)) continue;
            const float distance = length({crossing.x - from.x, crossing.y - from.y, 0});
            if (distance < best && !atSideStart(line, crossing)) {
                best = distance;
                side = line.code;
                index = i;
            }
        }
    }
    return side != kSideNone;
}

int chooseDetour(int p, int q, int target) {
    if (p <= target && q <= target) return p > q ? p : q;
    if (p >= target && q >= target) return p < q ? p : q;
    // The target lies between the two ends: either way round will do.
    return nextRandom() > 16200 ? p : q;
}

void lineOfSight(const ObstacleStore* store, int x, int y, int w, int h, int tx, int ty,
                 bool& visible, int& wx, int& wy) {
    const SightPoint start = sightLineStart(x, y, w, h, tx, ty);
    int index = -1;
    int side = kSideNone;
    visible = !firstBlockingSide(store, start.x, start.y, tx, ty, index, side);
    if (visible) return;
    const Waypoint wp = detourPastChain(*store, store->entries[index], side, w, h, tx, ty);
    wx = wp.x;
    wy = wp.y;
}
