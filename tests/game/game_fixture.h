#pragma once
// A small level for the game's unit tests: a fresh work folder, a manual clock, the store
// and the two lists installed as the level's globals, distinct asset handles, and the
// shared generator back at its start.
#include <gtest/gtest.h>

#include "collision/obstacle_store.h"
#include "game/effects.h"
#include "game/enemy.h"
#include "game/projectile.h"
#include "platform/manual_clock.h"
#include "support/work_dir.h"

// Length of a list linked through next.
template <class Node>
int countList(const Node* head) {
    int n = 0;
    for (; head != nullptr; head = head->next)
        ++n;
    return n;
}

// A plain enemy: kind 0, 16 px square, 10 health, no reaction of its own to what it touches.
class TestEnemy : public Enemy {
  public:
    TestEnemy(float x, float y) : Enemy(-1, 16, 16, 10, x, y) {}
};

class GameFixture : public ::testing::Test {
  protected:
    GameFixture();
    ~GameFixture() override;

    // Advances the clock by ms and takes the sample: frameTime() becomes ms.
    void step(double ms);
    int countProjectiles() const { return countList(projectileList.head); }

    ScopedWorkDir dir;
    ManualClockSource clock;
    ObstacleStore store;
    EffectLists effectLists;
    ProjectileList projectileList;
};
