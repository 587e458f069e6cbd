#pragma once
// The one level of the game and its pass: the steering keys, the view, the arena clamp, and
// every group of objects updated and drawn in a fixed order.

class Player;

class World {
  public:
    // Builds the level for the hero: the store, the 60 enemies, 20 walls, 20 blocks and the
    // hero, all placed by the shared generator after seeding it with its own first result,
    // so every run builds the same level.
    explicit World(Player* hero);

    // One game pass. 1 keep playing, 0 every enemy is gone (the end screen has been started),
    // -1 stop (Escape, or no hero).
    int update(Player* hero);

    float soundClock = 0; // ms of game passes towards the periodic taunt
    int levelMusic = -1;  // loaded by the first game pass
};
