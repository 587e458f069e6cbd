#include "support/test_level.h"

#include "base/random.h"
#include "core/core.h"
#include "core/game_screen.h"
#include "core/services.h"
#include "game/asset_tables.h"
#include "game/world.h"
#include "platform/clock.h"

#include <vector>

TestLevel::TestLevel(Build build, const std::function<void()>& prepare) {
    if (prepare) prepare();
    setClockSource(&clock);
    initPlatform();
    loadStartupAssets();
    seedRandom(1);
    if (build == kWorld) {
        createHeroAndWorld();
        return;
    }
    hero = new Player();
    createLevelStores();
}

TestLevel::~TestLevel() {
    releaseStartUp();
    shutdownPlatform();
    setClockSource(nullptr);
}

void TestLevel::advanceClock(double ms) {
    clock.advance(ms);
}

void TestLevel::step(double ms) {
    advanceClock(ms);
    updateClock();
}

World* TestLevel::world() const {
    return gameScreen.world;
}

void TestLevel::rebuildWorld() {
    releaseLevel();
    delete gameScreen.world;
    seedRandom(1);
    gameScreen.world = new World(hero);
}

int LevelTest::countProjectiles() const {
    return countList(projectileList.head);
}

void releaseLevel() {
    // Both lists take their objects out of the store, so they go while it stands.
    delete enemies;
    enemies = nullptr;
    delete projectiles;
    projectiles = nullptr;
    delete effects;
    effects = nullptr;
    if (obstacles == nullptr) return;
    std::vector<GameObject*> walls;
    for (int i = 0; i < obstacles->count; ++i) {
        if (obstacles->entries[i]->kind == kKindWall) walls.push_back(obstacles->entries[i]);
    }
    delete obstacles;
    obstacles = nullptr;
    for (GameObject* wall : walls)
        delete wall;
}

void releaseStartUp() {
    releaseLevel();
    delete gameScreen.world;
    gameScreen.world = nullptr;
    delete hero;
    hero = nullptr;
}
