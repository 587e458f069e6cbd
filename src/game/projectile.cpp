#include "game/projectile.h"

#include "base/linked_list.h"
#include "base/pool.h"
#include "collision/movement.h"
#include "collision/obstacle_store.h"
#include "game/stored_list.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"

#include <algorithm>
#include <cstddef>

ProjectileList* projectiles = nullptr;

namespace {
constexpr float kLifeSeconds = 100.0f;
constexpr float kWindowHalf = 500.0f; // projectiles farther than this from the view centre

constexpr std::size_t kShotSize = std::max({sizeof(Bullet), sizeof(Rocket), sizeof(Fireball)});

// Room for a projectile of any kind, aligned for any object.
struct ShotSlot {
    alignas(std::max_align_t) std::byte bytes[kShotSize];
};

// Made before main, so it outlives every projectile list.
Pool<ShotSlot> shotSlots(64);

void* makeShot(std::size_t size) noexcept {
    return size <= kShotSize ? static_cast<void*>(shotSlots.acquire())
                             : ::operator new(size, std::nothrow);
}
} // namespace

void* Projectile::operator new(std::size_t size) {
    if (void* memory = makeShot(size)) return memory;
    throw std::bad_alloc();
}

void* Projectile::operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return makeShot(size);
}

// The size is the object's own kind's, as the destructor is virtual.
void Projectile::operator delete(void* memory, std::size_t size) noexcept {
    if (memory == nullptr) return;
    if (size <= kShotSize)
        shotSlots.release(static_cast<ShotSlot*>(memory));
    else
        ::operator delete(memory);
}

Projectile::Projectile(int sprite, int width, int height, float speed, int ownerKind, float x,
                       float y, float dirX, float dirY) {
    this->sprite = sprite;
    this->x = x;
    this->y = y;
    this->width = width;
    this->height = height;
    this->speed = speed;
    life = kLifeSeconds;
    moveX = dirX * speed;
    moveY = dirY * speed;
    kind = kKindProjectile;
    ignoreKind = ownerKind;
    column = 1;
}

void Projectile::collide(GameObject* other, int side, int flag) {
    hit(other, side, flag);
}

void Projectile::hit(GameObject*, int, int) {}

void Projectile::update() {
    decayPush(*this);
    moveWithCollision(this, obstacles);
    // Drawn at the point reached, also in the frame in which it struck something.
    drawSprite(sprite, static_cast<int>(x), static_cast<int>(y), 1, 1);
    leaveTrail();
}

ProjectileList::~ProjectileList() {
    unlinkIf(
        head, [](const Projectile&) { return true; }, [this](Projectile* p) { destroy(p); });
}

bool ProjectileList::add(Projectile* p) {
    return storeAndList(head, p);
}

void ProjectileList::remove(Projectile* p) {
    unlinkIf(
        head, [p](const Projectile& at) { return &at == p; },
        [this](Projectile* at) { destroy(at); });
}

void ProjectileList::destroy(Projectile* p) {
    // Out of the store first, while its rectangle still names the cells it is recorded in.
    if (obstacles != nullptr) obstacles->remove(p);
    delete p;
}

void ProjectileList::update(float viewX, float viewY) {
    unlinkIf(
        head,
        [&](Projectile& p) {
            p.life -= frameTime() / 1000.0f;
            // Bounds included on every side; outside the square a projectile is dropped at
            // once, however long it had left to live.
            bool inWindow = viewX - kWindowHalf <= p.x && p.x <= viewX + kWindowHalf &&
                            viewY - kWindowHalf <= p.y && p.y <= viewY + kWindowHalf;
            if (inWindow)
                p.update();
            else
                p.life = 0;
            return p.life <= 0.0f;
        },
        [this](Projectile* p) { destroy(p); });
}
