#pragma once
// A level for a unit test, built by the game's own code in a fresh work folder and freed
// after the test. The build: a manual clock; the platform started by initPlatform (SDL's
// dummy video driver, OpenAL Soft's null driver); the start-up table loaded; the shared
// generator seeded with 1; then either a hero and the level's empty stores (kEmpty, through
// createLevelStores, as the World's build makes them) or the hero and the whole level of the
// start-up (kWorld, through createHeroAndWorld). The table's files are missing unless prepare
// puts them in the work folder, so every field holds the handle the game gives it, to an
// undrawable sprite or a silent sound.
#include <gtest/gtest.h>

#include "collision/obstacle_store.h"
#include "game/effects.h"
#include "game/enemy.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "game/projectile.h"
#include "platform/manual_clock.h"
#include "support/work_dir.h"

#include <functional>

class World;

class TestLevel {
  public:
    enum Build { kEmpty, kWorld };

    // prepare runs in the fresh work folder before the platform starts: it may link the
    // game's folders (linkGameFolder) or write the files the table loads.
    explicit TestLevel(Build build, const std::function<void()>& prepare = nullptr);
    ~TestLevel();
    TestLevel(const TestLevel&) = delete;
    TestLevel& operator=(const TestLevel&) = delete;

    // Advances the clock by ms; the next sample (updateClock, pumpMessages) sees it.
    void advanceClock(double ms);
    // Advances the clock by ms and takes the sample: frameTime() becomes ms.
    void step(double ms);

    // The kWorld build's World; null for kEmpty.
    World* world() const;

    // Frees the level and builds the whole level again for the same hero, from the
    // generator's start. The store and the lists are new ones: LevelTest's names for the old
    // ones go stale.
    void rebuildWorld();

  private:
    ScopedWorkDir dir;
    ManualClockSource clock;
};

// A test on a TestLevel, with the level's store, lists and hero at hand by name.
class LevelTest : public ::testing::Test {
  protected:
    explicit LevelTest(TestLevel::Build build = TestLevel::kEmpty,
                       const std::function<void()>& prepare = nullptr)
        : level(build, prepare) {}

    void step(double ms) { level.step(ms); }
    int countProjectiles() const;

    TestLevel level;
    ObstacleStore& store = *obstacles;
    EffectLists& effectLists = *effects;
    ProjectileList& projectileList = *projectiles;
    EnemyList& enemyList = *enemies;
    Player& player = *hero;
};

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

// Destroys the level's enemies, projectiles, effects, walls and blocks and its store, and
// sets those globals to null. The hero is left alone.
void releaseLevel();

// releaseLevel, then the World and the hero the start-up made; both globals become null.
void releaseStartUp();
