#include "game/enemy.h"

#include "collision/movement.h"
#include "collision/obstacle_store.h"
#include "game/assets.h"
#include "game/player.h"
#include "game/projectile.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "sound/sound_manager.h"

#include <cmath>
#include <cstdlib>

namespace {

// What an enemy's touch costs the hero when it walks into him.
constexpr int kMarioContactDamage = 10;
constexpr int kMarioBigContactDamage = 20;
constexpr int kMarioBigContactArmour = 10;

// Sprite columns: 0 walking down, 1 up, 2 right, 3 left.
int facingColumn(float dx, float dy) {
    const float across = std::fabs(dx);
    // Equal parts go to the horizontal columns, so a diagonal walk faces sideways.
    if (dy > 0) return dy > across ? 0 : (dx < 0 ? 3 : 2);
    return std::fabs(dy) > across ? 1 : (dx < 0 ? 3 : 2);
}

} // namespace

// The record's defaults give the rest: frame 0, no push, meets every kind, sees nothing yet.
Enemy::Enemy(int spriteHandle, int w, int h, int startHealth, float startX, float startY) {
    kind = kKindEnemy;
    sprite = spriteHandle;
    column = 1;
    x = startX;
    y = startY;
    width = w;
    height = h;
    health = startHealth;
}

void Enemy::collide(GameObject* other, int side, int flag) {
    if (other == nullptr) return;
    if (other->kind == kKindProjectile && other->ignoreKind == kKindPlayer) {
        health = 0;
        other->life = 0.0f;
    }
    touch(other, side, flag);
}

void Enemy::touch(GameObject*, int, int) {}

void Enemy::act(Player*) {}

void Enemy::moveTowardTarget() {
    // pathCount is kept in 0..kMaxPath; with nothing to walk to the enemy only drifts.
    const int k = pathCount - 1;
    float dx = 0.0f;
    float dy = 0.0f;
    if (k >= 0 && k < kMaxPath) {
        dx = static_cast<float>(pathX[k]) - x;
        dy = static_cast<float>(pathY[k]) - y;
        const float len = std::sqrt(dx * dx + dy * dy);
        if (len != 0.0f) {
            dx /= len;
            dy /= len;
        }
    }
    column = facingColumn(dx, dy);
    moveX = dx * kWalkSpeed;
    moveY = dy * kWalkSpeed;
    moveWithCollision(this, obstacles);
    // A push can carry an enemy past the edge, where nothing could reach it again.
    keepInArena(obstacles, *this);

    if (k < 0 || k >= kMaxPath) return;
    const int offX = std::abs(static_cast<int>(x - static_cast<float>(pathX[k])));
    const int offY = std::abs(static_cast<int>(y - static_cast<float>(pathY[k])));
    if (offX < kArrival && offY < kArrival) {
        --pathCount;
        if (pathCount == 0) detouring = false;
    }
}

void Enemy::animateAndDraw() {
    decayPush(*this);
    animTime += frameTime();
    // Never wrapped: the registry takes the frame modulo the sprite's frame count.
    frame = std::abs(static_cast<int>(animTime / 100.0f));
    drawSprite(sprite, static_cast<int>(x), static_cast<int>(y), frame, column);
}

Mario::Mario(float x, float y) : Enemy(assets.mario, 15, 16, 10, x, y) {}

void Mario::touch(GameObject* other, int, int) {
    if (other->kind == kKindPlayer) static_cast<Player*>(other)->health -= kMarioContactDamage;
}

MarioBig::MarioBig(float x, float y) : Enemy(assets.marioBig, 16, 27, 10, x, y) {}

void MarioBig::touch(GameObject* other, int, int) {
    if (other->kind != kKindPlayer) return;
    Player* player = static_cast<Player*>(other);
    player->health -= kMarioBigContactDamage;
    player->armour -= kMarioBigContactArmour;
}

FireMario::FireMario(float x, float y) : Enemy(assets.fireMario, 10, 10, 50, x, y) {}

void FireMario::act(Player* target) {
    if (now() - lastShotTime <= kShotInterval) return;
    // The check itself restarts the wait, so a hero seen just after it waits for the next.
    lastShotTime = now();
    if (target == nullptr || target->kind != kKindPlayer || !seesTarget) return;
    if (projectiles == nullptr) return;
    playSound(assets.fireBallSound);
    // Along the walking velocity: an enemy standing on its waypoint throws one that stays put.
    projectiles->add(new Fireball(kKindEnemy, x, y, moveX, moveY));
}
