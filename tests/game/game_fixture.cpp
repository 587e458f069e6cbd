#include "game_fixture.h"

#include "base/random.h"
#include "game/assets.h"
#include "platform/clock.h"

GameFixture::GameFixture() {
    setClockSource(&clock);
    startClock();
    updateClock();
    // Distinct handles, so a test can tell which picture was chosen.
    assets = Assets{};
    assets.crater = 4;
    assets.blood1 = 5;
    assets.blood2 = 6;
    assets.explosion1 = 22;
    assets.explosion2 = 23;
    assets.smoke1 = 24;
    assets.smoke2 = 25;
    seedRandom(1);
    obstacles = &store;
    effects = &effectLists;
    projectiles = &projectileList;
}

GameFixture::~GameFixture() {
    // The list takes its projectiles out of the store, so it goes while the store stands.
    while (projectileList.head != nullptr)
        projectileList.remove(projectileList.head);
    projectiles = nullptr;
    effects = nullptr;
    obstacles = nullptr;
    setClockSource(nullptr);
}

void GameFixture::step(double ms) {
    clock.advance(ms);
    updateClock();
}
