#pragma once
// The one level of the game and its pass: the steering keys, the view, the arena clamp, and
// every group of objects updated and drawn in a fixed order.

class Player;

// Results of a World pass.
enum WorldResult : int {
    kWorldStopped = -1,
    kWorldCleared = 0,
    kWorldPlaying = 1,
};

// Makes the level's empty obstacle store, enemy list, projectile list and effect lists and
// installs them as the globals obstacles, enemies, projectiles and effects.
void createLevelStores();

class World {
  public:
    // Builds the level for the hero: the level's assets, its stores, then the 60 enemies, 20
    // walls, 20 blocks and the hero, all placed by the shared generator after seeding it with
    // its own first result, so every run builds the same level.
    explicit World(Player* hero);

    // One game pass: kWorldPlaying, kWorldCleared when every enemy is gone (the pass does
    // nothing else), kWorldStopped on Escape or with no hero.
    int update(Player* hero);

    float soundClock = 0; // ms of game passes towards the periodic taunt
    int levelMusic = -1;  // the level music's handle, loaded by the first game pass
};
