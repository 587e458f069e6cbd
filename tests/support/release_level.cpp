#include "support/release_level.h"

#include "collision/obstacle_store.h"
#include "core/game_screen.h"
#include "game/effects.h"
#include "game/enemy_list.h"
#include "game/player.h"
#include "game/projectile.h"
#include "game/world.h"

#include <vector>

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
