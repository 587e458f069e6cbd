#pragma once
// Moving objects through the store: a swept test of the centre's path against nearby
// objects' rectangles grown by half the mover's size, stopping at the first crossing with
// no sliding; and the list of objects near an object, for area damage.
#include "base/segments.h"
#include "base/vector3.h"
#include "collision/game_object.h"

class ObstacleStore;
struct CellNode;

// The outcome of one sweep.
struct Contact {
    float t = kNoHit;            // along the centre's path: 0 start, 1 end
    GameObject* other = nullptr; // the object touched; null = none
    int side = kSideNone;        // the Side of other's grown rectangle
    Vector3 point;               // the centre's stopping point, 1 px outside that side
};

// Moves obj by (moveX + pushX, moveY + pushY) px/s over frameTime(), stopped at the first
// object in its path; calls obj's collide with it before setting obj down, then moves obj's
// records in the store's cells. A null obj or store logs and moves nothing.
void moveWithCollision(GameObject* obj, ObstacleStore* store);

// The same over a given frame duration in milliseconds.
void moveWithCollision(GameObject* obj, ObstacleStore* store, float frameMs);

// The earliest crossing of the path start to end with the grown rectangles of the objects in
// list that m can meet. A later side or a later node wins a tie, so a corner reached exactly
// reports the left or right side.
Contact sweepCellList(const GameObject& m, const Vector3& start, const Vector3& end,
                      const CellNode* list);

// Lists in out the objects c can meet whose top-left corner lies within radius of c's, from
// the cells whose centres lie in (centre - radius, centre + radius] on both axes; an object
// recorded in several of those cells is listed once per cell. Stores at most capacity
// objects; count is how many were stored. A null out leaves count untouched.
void objectsInRadius(const GameObject* c, float radius, GameObject** out, int capacity, int& count,
                     const ObstacleStore* store);
