#include "game/player.h"

#include <cstdlib>

#include "base/arena.h"
#include "base/matrix3.h"
#include "base/random.h"
#include "collision/movement.h"
#include "collision/obstacle_store.h"
#include "game/assets.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "sound/sound_manager.h"

Player* hero = nullptr;

namespace {
constexpr float kStepMs = 100.0f; // frame time per walking step
constexpr int kWalkingSteps = 4;
constexpr float kKnockBack = 10.0f; // what the hero walks into is pushed back this many times
constexpr int kContactDamage = 10;  // when he walks into an enemy
} // namespace

Player::Player()
    : weapons{&handgun, &rocketLauncher, &rifle, &bombWeapon}, weapon(&handgun),
      handgun(kKindPlayer), rocketLauncher(kKindPlayer), rifle(DudWeapon::rifle(kKindPlayer)),
      bombWeapon(DudWeapon::bomb(kKindPlayer)) {
    sprite = assets.player;
    x = 100;
    y = 100;
    kind = kKindPlayer;
    ignoreKind = kKindNone;
    width = 46;
    height = 46;
    rightNeighbour = topNeighbour = leftNeighbour = bottomNeighbour = -1;
    frame = 0;
    animTime = 0;
}

void Player::moveForward() {
    moveX = facingX * speed;
    moveY = facingY * speed;
    animTime += frameTime();
    if (animTime > kStepMs) {
        animTime = 0;
        frame = (frame + 1) % kWalkingSteps;
    }
}

void Player::moveBackward() {
    moveX = -facingX * speed;
    moveY = -facingY * speed;
    animTime += frameTime();
    // Walking backwards reads the step from the time gathered without resetting it.
    frame = std::abs(static_cast<int>(animTime / kStepMs)) % kWalkingSteps;
}

void Player::turn(bool left, float frameMs) {
    float delta = static_cast<float>(turnRate) * frameMs / 1000.0f;
    // angle and the facing are never re-derived from each other; their rounding drifts
    // apart on purpose, as the drawn direction always has.
    angle += left ? delta : -delta;
    Vector3 facing{facingX, facingY, facingZ};
    rotateVector(facing, left ? -delta : delta, Vector3{0.0f, 0.0f, 1.0f});
    facingX = facing.x;
    facingY = facing.y;
    facingZ = facing.z;
}

void Player::fire() {
    // Twice the facing: the hero's projectiles fly at double their nominal speed.
    weapon->fire(static_cast<int>(x + static_cast<float>(width / 2)),
                 static_cast<int>(y + static_cast<float>(height / 2)), 2.0f * facingX,
                 2.0f * facingY);
}

void Player::selectWeapon(int slot) {
    if (slot < 0 || slot >= 4) return;
    weaponIndex = slot;
    weapon = weapons[slot];
}

void Player::collide(GameObject* other, int, int) {
    other->pushX = -other->moveX * kKnockBack;
    other->pushY = -other->moveY * kKnockBack;
    if (other->kind == kKindEnemy) {
        health -= kContactDamage;
        playSound(assets.blempHurt2Sound);
    }
}

void Player::respawn(ObstacleStore* store) {
    for (Weapon* w : weapons)
        w->ammo = 0;
    // The reverse of the starting 50 and 15, kept as the game always had it.
    weapons[0]->ammo = 15;
    weapons[1]->ammo = 50;
    health = 100;
    armour = 100;
    // x is drawn before y.
    const float newX = static_cast<float>(nextRandom() % kArenaSize);
    const float newY = static_cast<float>(nextRandom() % kArenaSize);
    placeInStore(store, *this, newX, newY);
    deathTime = now();
    playSound(assets.blempDieSound);
}

void Player::update(ObstacleStore* store) {
    decayPush(*this);
    if (health <= 0) respawn(store);
    // A push alone never moves the hero: only a frame with a walking key does.
    if (moveX != 0.0f || moveY != 0.0f)
        moveWithCollision(this, store);
    else
        frame = 0;
    moveX = 0;
    moveY = 0;
    drawSpriteFacing(sprite, static_cast<int>(x), static_cast<int>(y), static_cast<float>(angle),
                     frame);
}
