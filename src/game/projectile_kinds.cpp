#include "collision/movement.h"
#include "collision/obstacle_store.h"
#include "game/assets.h"
#include "game/effects.h"
#include "game/enemy.h"
#include "game/player.h"
#include "game/projectile.h"
#include "sound/sound_manager.h"

namespace {
constexpr float kBlastRadius = 100.0f;
// Room for every listing the area query can make, repeats included.
constexpr int kBlastResults = 1001;
constexpr int kFireballDamage = 20;

void kill(GameObject* enemy) {
    static_cast<Enemy*>(enemy)->health = 0;
}
} // namespace

Bullet::Bullet(int ownerKind, float x, float y, float dirX, float dirY)
    : Projectile(assets.bullet, 8, 8, 800.0f, ownerKind, x, y, dirX, dirY) {}

void Bullet::hit(GameObject* other, int, int) {
    int px = static_cast<int>(x);
    int py = static_cast<int>(y);
    if (effects != nullptr) effects->spawnImpact(px, py);
    playSound(assets.ricochetSound);
    life = 0;
    if (other->kind == kKindEnemy && ignoreKind == kKindPlayer) {
        kill(other);
        playSound(assets.marioHurtSound);
        if (effects != nullptr) effects->spawnBlood(px, py);
    }
}

Rocket::Rocket(int ownerKind, float x, float y, float dirX, float dirY)
    : Projectile(assets.rocket, 32, 32, 300.0f, ownerKind, x, y, dirX, dirY) {}

void Rocket::hit(GameObject*, int, int) {
    if (effects != nullptr) effects->spawnExplosion(static_cast<int>(x), static_cast<int>(y));
    playSound(assets.explosion2Sound);
    life = 0;
    GameObject* found[kBlastResults];
    int count = 0;
    objectsInRadius(this, kBlastRadius, found, kBlastResults, count, obstacles);
    // An enemy listed from two cells gets two craters; repeats are kept as they come.
    for (int i = 0; i < count; ++i) {
        GameObject* enemy = found[i];
        if (enemy->kind != kKindEnemy) continue;
        if (effects != nullptr)
            effects->spawnCrater(static_cast<int>(enemy->x), static_cast<int>(enemy->y));
        kill(enemy);
    }
}

void Rocket::leaveTrail() {
    if (effects == nullptr) return;
    // Each direction component truncated: the hero's rockets give -2 to 2.
    effects->spawnTrail(static_cast<int>(x), static_cast<int>(y), static_cast<int>(moveX / speed),
                        static_cast<int>(moveY / speed));
}

Fireball::Fireball(int ownerKind, float x, float y, float dirX, float dirY)
    : Projectile(assets.fireball, 14, 14, 5.0f, ownerKind, x, y, dirX, dirY) {}

void Fireball::hit(GameObject* other, int, int) {
    life = 0;
    if (other->kind == kKindPlayer) {
        static_cast<Player*>(other)->health -= kFireballDamage;
        playSound(assets.blempHurt2Sound);
    }
}
