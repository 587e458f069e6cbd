#pragma once
// The enemies: three kinds that look for the hero, walk to it or round the wall that hides
// it, hurt it on contact and, for the fire-throwing kind, shoot at it. One shot from a hero's
// weapon kills any of them.
#include "collision/game_object.h"

class Player;

class Enemy : public GameObject {
  public:
    static constexpr int kMaxPath = 10;
    static constexpr float kWalkSpeed = 80.0f; // px/s, every kind
    static constexpr int kArrival = 5;         // px on each axis that count as reaching a waypoint

    // A hero's projectile stopping this enemy kills it and ends the projectile; then, whatever
    // was struck, the kind's touch runs with the same arguments.
    void collide(GameObject* other, int side, int flag) override;

    // The kind's reaction to its own movement running into other. The base does nothing.
    virtual void touch(GameObject* other, int side, int flag);

    // The kind's action against the hero once per pass inside the view window. The base does
    // nothing.
    virtual void act(Player* hero);

    // Heads for the last waypoint at walking speed, facing the way it goes, moves with
    // collision through the level's store, and drops the waypoint on arriving within 5 px
    // on both axes (which ends a detour). With no waypoint it does not walk; a push still
    // carries it.
    void moveTowardTarget();

    // Push decay, the walking animation (a frame per 100 ms, never wrapped) and drawing at
    // the truncated position with the facing column.
    void animateAndDraw();

    int pathX[kMaxPath] = {}; // waypoints, world px; the enemy walks to entry pathCount - 1
    int pathY[kMaxPath] = {};
    int pathCount = 1;      // waypoints in use, 0 to kMaxPath
    bool detouring = false; // the waypoint leads round an obstacle, not to the hero
    int health = 0;         // above 0 alive; a kill sets 0
    Enemy* next = nullptr;  // next in the EnemyList, null at the end

  protected:
    // At (x, y), facing up (column 1), first waypoint (0, 0), not detouring, ignoring nothing.
    Enemy(int sprite, int width, int height, int startHealth, float x, float y);
};

// The small one: costs the hero 10 health on contact.
class Mario : public Enemy {
  public:
    Mario(float x, float y);
    void touch(GameObject* other, int side, int flag) override;
};

// The big one: costs the hero 20 health and 10 armour on contact.
class MarioBig : public Enemy {
  public:
    MarioBig(float x, float y);
    void touch(GameObject* other, int side, int flag) override;
};

// The fire-thrower: harmless to touch, it checks every 3000 ms and, when it saw the hero at
// its last look, throws a fireball along its own walking velocity.
class FireMario : public Enemy {
  public:
    static constexpr float kShotInterval = 3000.0f; // ms between checks

    FireMario(float x, float y);
    void act(Player* hero) override;

    float lastShotTime =
        0.0f; // now() at the last check, ms; a check comes whether or not it shoots
};
