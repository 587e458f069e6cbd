#pragma once
// The two effect lists of the level: ground marks drawn just above the background, and top
// particles drawn over everything else of the game. Each list runs from the newest node to
// the oldest and owns its nodes.
#include <cstddef>

#include "base/pool.h"
#include "game/effect.h"

class EffectLists {
  public:
    EffectLists() = default;
    EffectLists(const EffectLists&) = delete;
    EffectLists& operator=(const EffectLists&) = delete;

    Effect* ground = nullptr; // first (newest) ground node, or null
    Effect* top = nullptr;    // first (newest) top node, or null

    // A fresh node with these values from the lists' own storage, or null when no memory
    // is left. Only such nodes may be given to the add operations.
    Effect* newEffect(const Effect& values) { return pool.acquire(values); }

    // Nodes taken from the storage and not yet given back: listed, or lost.
    std::size_t inUse() const { return pool.inUse(); }

    // Put a node at the front of its list; the list owns it from then on. Null is ignored.
    void addGround(Effect* node);
    void addTop(Effect* node);

    // Unlink the node wherever it stands and destroy it; a node not in the list changes
    // nothing.
    void removeGround(Effect* node);
    void removeTop(Effect* node);

    // One crater mark on the ground at (x, y), for 20 s.
    void spawnCrater(int x, int y);
    // Two blood particles (blood1, blood2) within 10 px of (x, y).
    void spawnBlood(int x, int y);
    // Five sparks (explosion1) at (x, y).
    void spawnImpact(int x, int y);
    // Three smoke particles (smoke1, smoke2, smoke2) within 5 px of (x, y), drifting along
    // (dx, dy), the rocket's direction with each component truncated.
    void spawnTrail(int x, int y, int dx, int dy);
    // 154 explosion particles at (x, y): two series of five bursts.
    void spawnExplosion(int x, int y);

    // Ages and draws every ground node; a node is drawn once more in the update in which
    // its life falls below 0 and removed at the end of that update.
    void updateGround(float frameMs);
    // As updateGround, with each node drifting first.
    void updateTop(float frameMs);

  private:
    // How a spawner draws one particle's values from the shared generator.
    struct ParticleRule {
        int lifeModulus; // life = (R mod lifeModulus) / 500 + lifeBase
        double lifeBase;
        int speedBase; // speed = speedBase + R mod speedModulus
        int speedModulus;
        int spread; // position = point - spread / 2 + R mod spread; 0 keeps the point
    };

    void spawnParticle(int sprite, int x, int y, const ParticleRule& rule, int dx, int dy);
    void updateList(Effect*& head, float frameMs, bool drift);
    void removeFrom(Effect*& head, Effect* node);

    // An explosion makes 154 nodes at once and a flying rocket three a frame.
    Pool<Effect> pool{256};
};

// The level's effects; created by the level build, null before it.
extern EffectLists* effects;
