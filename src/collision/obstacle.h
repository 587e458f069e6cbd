#pragma once
// Walls and blocks: bare game objects of kind 1 that never move on their own.
#include "collision/game_object.h"

class Obstacle : public GameObject {
  public:
    // A wall or block at (x, y) of width by height px drawn with the sprite handle; column 1,
    // no neighbours, ignores nothing.
    Obstacle(int x, int y, int width, int height, int sprite);

    // Only runs if an obstacle is ever moved: pushes an enemy it ran into back and sideways,
    // ends a projectile, and logs "removed projectile3" whatever it struck.
    void collide(GameObject* other, int side, int flag) override;
};
