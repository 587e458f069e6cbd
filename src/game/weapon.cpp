#include "game/weapon.h"

#include <new>

#include "game/assets.h"
#include "game/projectile.h"
#include "platform/clock.h"
#include "sound/sound_manager.h"

namespace {
// A shot that could not be made or listed is lost; its ammunition and time stay spent.
void launch(Projectile* shot, int sound) {
    if (shot != nullptr) {
        if (projectiles != nullptr)
            projectiles->add(shot);
        else
            delete shot;
    }
    playSound(sound);
}
} // namespace

Weapon::Weapon(int ownerKind, int icon, int ammo, float reloadTime)
    : ownerKind(ownerKind), icon(icon), ammo(ammo), reloadTime(reloadTime) {}

void Weapon::fire(int, int, float, float) {}

bool Weapon::takeShot() {
    float t = now();
    // Both tests are strict: at a 16 ms frame a 0.1 s reload fires every 112 ms, and the
    // last unit of ammunition is never spent.
    if (!(t - reloadTime * 1000.0f > lastShotTime && ammo > ammoPerShot)) return false;
    lastShotTime = now();
    ammo -= ammoPerShot;
    return true;
}

Handgun::Handgun(int ownerKind) : Weapon(ownerKind, assets.handgun, 50, 0.3f) {}

void Handgun::fire(int x, int y, float dirX, float dirY) {
    if (!takeShot()) return;
    launch(new (std::nothrow)
               Bullet(ownerKind, static_cast<float>(x), static_cast<float>(y), dirX, dirY),
           assets.b1Sound);
}

RocketLauncher::RocketLauncher(int ownerKind) : Weapon(ownerKind, assets.rifle, 15, 0.1f) {}

void RocketLauncher::fire(int x, int y, float dirX, float dirY) {
    if (!takeShot()) return;
    launch(new (std::nothrow)
               Rocket(ownerKind, static_cast<float>(x), static_cast<float>(y), dirX, dirY),
           assets.rocketShootSound);
}

DudWeapon DudWeapon::rifle(int ownerKind) {
    return DudWeapon(ownerKind, assets.rifle, 100, 0.05f);
}

DudWeapon DudWeapon::bomb(int ownerKind) {
    return DudWeapon(ownerKind, assets.bomb, 10, 0.6f);
}

void DudWeapon::fire(int, int, float, float) {
    takeShot();
}
