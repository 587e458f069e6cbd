#pragma once
// A small level for the game's unit tests: a fresh work folder, a manual clock, the store
// and the two lists installed as the level's globals, distinct asset handles, and the
// shared generator back at its start.
#include <gtest/gtest.h>

#include "collision/obstacle_store.h"
#include "game/effects.h"
#include "game/projectile.h"
#include "platform/manual_clock.h"
#include "support/work_dir.h"

class GameFixture : public ::testing::Test {
  protected:
    GameFixture();
    ~GameFixture() override;

    // Advances the clock by ms and takes the sample: frameTime() becomes ms.
    void step(double ms);

    // Number of nodes in an effect list.
    static int countNodes(const Effect* head);
    // Number of projectiles listed.
    int countProjectiles() const;

    ScopedWorkDir dir;
    ManualClockSource clock;
    ObstacleStore store;
    EffectLists effectLists;
    ProjectileList projectileList;
};
