#include "game/effects.h"

#include "base/linked_list.h"
#include "base/random.h"
#include "game/assets.h"

EffectLists* effects = nullptr;

namespace {
constexpr float kCraterLife = 20.0f;

struct Burst {
    int count;
    int speedBase;
    int speedModulus;
    bool second; // explosion2 rather than explosion1
};

constexpr Burst kExplosionSeries[] = {
    {19, 200, 600, false}, {15, 100, 700, false}, {13, 50, 650, false},
    {17, 50, 750, true},   {13, 0, 800, true},
};
constexpr int kExplosionSeriesCount = 2;
} // namespace

void EffectLists::addGround(Effect* node) {
    if (node == nullptr) return;
    node->next = ground;
    ground = node;
}

void EffectLists::addTop(Effect* node) {
    if (node == nullptr) return;
    node->next = top;
    top = node;
}

void EffectLists::removeGround(Effect* node) {
    removeFrom(ground, node);
}

void EffectLists::removeTop(Effect* node) {
    removeFrom(top, node);
}

void EffectLists::removeFrom(Effect*& head, Effect* node) {
    unlinkIf(
        head, [node](const Effect& at) { return &at == node; },
        [this](Effect* at) { pool.release(at); });
}

void EffectLists::spawnCrater(int x, int y) {
    addGround(newEffect(Effect(assets.crater, static_cast<float>(x), static_cast<float>(y), 0.0f,
                               0.0f, 0, kCraterLife)));
}

void EffectLists::spawnParticle(int sprite, int x, int y, const ParticleRule& rule, int dx,
                                int dy) {
    // The draw order (life, speed, dirY, dirX, y, x) is part of the game's determinism:
    // every later user of the generator depends on it.
    float life = static_cast<float>((nextRandom() % rule.lifeModulus) / 500.0 + rule.lifeBase);
    int speed = rule.speedBase + nextRandom() % rule.speedModulus;
    float dirY = static_cast<float>((nextRandom() % 100) / 100.0 + dy - 0.5);
    float dirX = static_cast<float>((nextRandom() % 100) / 100.0 + dx - 0.5);
    int px = x;
    int py = y;
    if (rule.spread != 0) {
        py = y - rule.spread / 2 + nextRandom() % rule.spread;
        px = x - rule.spread / 2 + nextRandom() % rule.spread;
    }
    // Values are drawn before the node is taken, so a node lost to a lack of memory leaves
    // the generator where a complete effect would.
    addTop(newEffect(
        Effect(sprite, static_cast<float>(px), static_cast<float>(py), dirX, dirY, speed, life)));
}

void EffectLists::spawnBlood(int x, int y) {
    constexpr ParticleRule blood{100, 0.05, 0, 200, 20};
    spawnParticle(assets.blood1, x, y, blood, 0, 0);
    spawnParticle(assets.blood2, x, y, blood, 0, 0);
}

void EffectLists::spawnImpact(int x, int y) {
    constexpr ParticleRule spark{100, 0.3, 200, 600, 0};
    for (int i = 0; i < 5; ++i)
        spawnParticle(assets.explosion1, x, y, spark, 0, 0);
}

void EffectLists::spawnTrail(int x, int y, int dx, int dy) {
    constexpr ParticleRule smoke{500, 0.15, 0, 50, 10};
    spawnParticle(assets.smoke1, x, y, smoke, dx, dy);
    spawnParticle(assets.smoke2, x, y, smoke, dx, dy);
    spawnParticle(assets.smoke2, x, y, smoke, dx, dy);
}

void EffectLists::spawnExplosion(int x, int y) {
    for (int series = 0; series < kExplosionSeriesCount; ++series) {
        for (const Burst& burst : kExplosionSeries) {
            ParticleRule rule{100, 0.3, burst.speedBase, burst.speedModulus, 0};
            int sprite = burst.second ? assets.explosion2 : assets.explosion1;
            for (int i = 0; i < burst.count; ++i)
                spawnParticle(sprite, x, y, rule, 0, 0);
        }
    }
}

void EffectLists::updateGround(float frameMs) {
    updateList(ground, frameMs, false);
}

void EffectLists::updateTop(float frameMs) {
    updateList(top, frameMs, true);
}

void EffectLists::updateList(Effect*& head, float frameMs, bool drift) {
    pool.prefetch();
    unlinkIf(
        head,
        [&](Effect& node) {
            if (drift) node.advance(frameMs);
            node.life -= frameMs / 1000.0f;
            node.draw();
            // Strictly below zero: a node at exactly 0 is kept for one more frame.
            return node.life < 0.0f;
        },
        [this](Effect* node) { pool.release(node); });
}
