#include "game/world.h"

#include "base/random.h"
#include "collision/obstacle.h"
#include "collision/obstacle_store.h"
#include "game/asset_tables.h"
#include "game/assets.h"
#include "game/draw_obstacles.h"
#include "game/effects.h"
#include "game/enemy.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "game/projectile.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "platform/key_state.h"
#include "platform/log.h"
#include "sound/sound_manager.h"

namespace {

constexpr int kPlacementRange = 2300;
constexpr int kEnemyTriples = 20;
constexpr int kWallPairs = 10;
constexpr int kBlocks = 20;
constexpr float kTauntIntervalMs = 10000.0f;

// y is drawn before x, for enemies, walls and blocks alike.
struct Placement {
    float x;
    float y;
};

Placement randomPlacement() {
    const float y = static_cast<float>(nextRandom() % kPlacementRange);
    const float x = static_cast<float>(nextRandom() % kPlacementRange);
    return {x, y};
}

template <typename EnemyKind>
void addEnemy() {
    const Placement at = randomPlacement();
    enemies->add(new EnemyKind(at.x, at.y));
}

void insertObstacle(int width, int height, int sprite) {
    const Placement at = randomPlacement();
    obstacles->insert(new Obstacle(at.x, at.y, width, height, sprite));
}

struct ViewCentre {
    int x;
    int y;
};

// The view follows the hero's top-left corner and stops short of the arena's edges.
ViewCentre viewCentreFor(float heroX, float heroY) {
    int cx = static_cast<int>(heroX);
    int cy = static_cast<int>(heroY);
    if (cx <= 400) cx = 400;
    if (cx >= 2000) cx = 2000;
    if (cy <= 300) cy = 300;
    if (cy >= 2100) cy = 2100;
    return {cx, cy};
}

void steer(Player& hero) {
    if (keyDown(kLeftKey)) hero.turn(true, frameTime());
    if (keyDown(kRightKey)) hero.turn(false, frameTime());
    if (keyDown(kUpKey)) hero.moveForward();
    if (keyDown(kDownKey)) hero.moveBackward();
    if (keyDown(kSpaceKey)) hero.fire();
}

} // namespace

void createLevelStores() {
    obstacles = new ObstacleStore();
    enemies = new EnemyList();
    projectiles = new ProjectileList();
    effects = new EffectLists();
}

World::World(Player* hero) {
    logMessage("Made it here");
    seedRandom(static_cast<unsigned>(nextRandom()));
    loadLevelAssets();
    createLevelStores();
    for (int i = 0; i < kEnemyTriples; ++i) {
        addEnemy<Mario>();
        addEnemy<MarioBig>();
        addEnemy<FireMario>();
    }
    hero->enemiesLeft = 3 * kEnemyTriples;
    for (int i = 0; i < kWallPairs; ++i) {
        insertObstacle(64, 256, assets.wall2);
        insertObstacle(256, 64, assets.wall1);
    }
    for (int i = 0; i < kBlocks; ++i)
        insertObstacle(48, 48, assets.block);
    obstacles->insert(hero);
}

int World::update(Player* hero) {
    if (hero == nullptr) {
        logMessage("World: No player found!");
        return kWorldStopped;
    }
    if (hero->enemiesLeft <= 0) return kWorldCleared;
    if (levelMusic == -1) {
        levelMusic = loadLevelMusic();
        setSoundLoop(levelMusic, 1);
        playSound(levelMusic);
    }
    soundClock += frameTime();
    if (soundClock >= kTauntIntervalMs) {
        soundClock = 0;
        playSound(assets.meMarioSound);
    }
    steer(*hero);
    // The view and the enemies use the position from before the clamp.
    const float hx = hero->x;
    const float hy = hero->y;
    const ViewCentre centre = viewCentreFor(hx, hy);
    keepInArena(obstacles, *hero);
    setViewCentre(centre.x, centre.y);
    drawBackground();
    effects->updateGround(frameTime());
    drawObstacles(*obstacles);
    enemies->update(hx, hy, centre.x, centre.y);
    // Escape is tested after the enemies have moved: the rest of the pass is skipped.
    if (keyDown(kEscapeKey)) return kWorldStopped;
    hero->update(obstacles);
    projectiles->update(centre.x, centre.y);
    effects->updateTop(frameTime());
    if (keyDown(kKeyOne)) hero->selectWeapon(0);
    if (keyDown(kKeyTwo)) hero->selectWeapon(1);
    return kWorldPlaying;
}
