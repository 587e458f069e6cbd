#include "game_fixture.h"

#include "game/assets.h"
#include "game/random.h"
#include "platform/clock.h"

namespace {
// Distinct handles in load order, so a test can tell which picture was chosen.
void numberAssets() {
    assets = Assets{};
    assets.crater = 4;
    assets.blood1 = 5;
    assets.blood2 = 6;
    assets.player = 7;
    assets.bullet = 9;
    assets.rocket = 10;
    assets.bomb = 11;
    assets.fireball = 12;
    assets.handgun = 16;
    assets.rifle = 17;
    assets.explosion1 = 22;
    assets.explosion2 = 23;
    assets.smoke1 = 24;
    assets.smoke2 = 25;
}
} // namespace

GameFixture::GameFixture() {
    setClockSource(&clock);
    startClock();
    updateClock();
    numberAssets();
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

int GameFixture::countNodes(const Effect* head) {
    int n = 0;
    for (; head != nullptr; head = head->next)
        ++n;
    return n;
}

int GameFixture::countProjectiles() const {
    int n = 0;
    for (const Projectile* p = projectileList.head; p != nullptr; p = p->next)
        ++n;
    return n;
}
