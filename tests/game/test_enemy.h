#pragma once
// A plain enemy for the projectile and player tests: kind 0, 16 px square, 10 health, no
// reaction of its own to what it touches.
#include "game/enemy.h"

class TestEnemy : public Enemy {
  public:
    TestEnemy(float x, float y) : Enemy(-1, 16, 16, 10, x, y) {}
};
