#pragma once
// Line of sight for the enemies: is a point in view of a box, and if not, where to walk to
// get round the wall chain that hides it. Only walls and blocks (kind 1) block sight.
#include "collision/game_object.h"

class ObstacleStore;

struct SightPoint {
    int x;
    int y;
};

// Where a sight line from the box (x, y, w, h) towards (tx, ty) begins: on each axis 2 px
// beyond the box's side that faces away from the target, or the box's middle (integer
// halving) when the target lies level with the box's top or left.
SightPoint sightLineStart(int x, int y, int w, int h, int tx, int ty);

// Finds the wall or block side nearest to (ax, ay) that the segment to (bx, by) crosses.
// side is set to kSideNone first; on a hit, index is the obstacle's entry in the store and
// side the Side it meets. A crossing less than 1 px from a side's start end (its top for left and
// right sides, its left for top and bottom sides) does not count. Ties keep the first found
// in store order, left, top, right, bottom. A null store blocks nothing.
bool firstBlockingSide(const ObstacleStore* store, int ax, int ay, int bx, int by, int& index,
                       int& side);

// Picks the detour coordinate: p passes the chain's top or right end, q its bottom or left
// end. The larger when both lie at or below target, the smaller when both lie at or above
// it (q on equal values); otherwise one nextRandom draw, above 16200 giving p.
int chooseDetour(int p, int q, int target);

// Looks from the box (x, y, w, h) to the point (tx, ty). visible is always written; when
// the view is blocked, (wx, wy) becomes a top-left position for the box beyond one end of
// the blocking wall chain, on the box's side, with a few pixels of random spread (the
// shared generator advances by up to four draws). (wx, wy) is left alone when visible.
void lineOfSight(const ObstacleStore* store, int x, int y, int w, int h, int tx, int ty,
                 bool& visible, int& wx, int& wy);
