#pragma once
// The level's enemies, newest first. The list owns them; each is in the level's store while
// listed.

class Enemy;

class EnemyList {
  public:
    static constexpr int kKillScore = 135;
    static constexpr float kWindow = 500.0f; // px from the view centre, each axis, edges included

    EnemyList() = default;
    // Takes every remaining enemy out of the store and destroys it.
    ~EnemyList();
    EnemyList(const EnemyList&) = delete;
    EnemyList& operator=(const EnemyList&) = delete;

    // Puts e at the front and inserts it into the level's store. An enemy the store cannot
    // take (full, or no store) is destroyed at once and false returned: a listed enemy the
    // store does not hold could never be removed. Null is ignored (false).
    bool add(Enemy* e);

    // Takes e out of the level's store and, only when the store held it, unlinks and
    // destroys it. True when e was removed; an e not in the list is left alone.
    bool remove(Enemy* e);

    // One pass over every enemy, newest first: those whose top-left lies within the window
    // round the view centre look for the hero (at its position + 7), choose their waypoint,
    // move, are drawn and act; then each dead enemy, wherever it is, is removed, adding
    // 135 to the hero's score and taking one from its enemies left.
    void update(float heroX, float heroY, float viewX, float viewY);

    Enemy* head = nullptr; // newest enemy, or null
};

// The level's enemies; created by the level build, null before it.
extern EnemyList* enemies;
