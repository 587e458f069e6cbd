#include "collision/obstacle.h"

#include "platform/log.h"

#include <cmath>

namespace {

constexpr float kBounce = -7.0f;     // push against the velocity across the struck side
constexpr float kAlong = 10.0f;      // push along it, for a side hit
constexpr float kSlowBelow = 100.0f; // a speed along the side below this gets a fixed nudge
constexpr float kNudge = 300.0f;

// Truncated towards zero before the comparison, so 99.9 px/s counts as slow.
bool slow(float velocity) {
    return std::fabs(std::trunc(velocity)) < kSlowBelow;
}

float nudge(float velocity) {
    return velocity < 0.0f ? -kNudge : kNudge;
}

void pushEnemy(GameObject& enemy, int side) {
    if (side == kSideLeft || side == kSideRight) {
        enemy.pushX = kBounce * enemy.moveX;
        enemy.pushY = kAlong * enemy.moveY;
        if (slow(enemy.moveY)) enemy.pushY = nudge(enemy.moveY);
    } else if (side == kSideTop || side == kSideBottom) {
        enemy.pushY = kBounce * enemy.moveY;
        if (slow(enemy.moveX)) enemy.pushX = nudge(enemy.moveX);
    }
}

} // namespace

Obstacle::Obstacle(int x, int y, int width, int height, int sprite) {
    kind = kKindWall;
    this->x = static_cast<float>(x);
    this->y = static_cast<float>(y);
    this->width = width;
    this->height = height;
    this->sprite = sprite;
    frame = 0;
    column = 1;
    animTime = 0.0f;
    rightNeighbour = topNeighbour = leftNeighbour = bottomNeighbour = -1;
    ignoreKind = kKindNone;
}

void Obstacle::collide(GameObject* other, int side, int) {
    if (other != nullptr) {
        if (other->kind == kKindEnemy) pushEnemy(*other, side);
        if (other->kind == kKindProjectile) other->life = 0.0f;
    }
    // The message names a projectile whatever was struck; kept as the game has always logged it.
    logMessage("removed projectile3");
}
