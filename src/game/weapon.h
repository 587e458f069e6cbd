#pragma once
// Weapons turn the wish to shoot into a projectile, at a limited rate and while ammunition
// lasts. They are not game objects: no position, no collision.

class Weapon {
  public:
    virtual ~Weapon() = default;

    // Tries one shot from (x, y), the projectile's top-left corner, in direction (dirX,
    // dirY). Whether a shot left shows only in ammo and lastShotTime. The base does nothing.
    virtual void fire(int x, int y, float dirX, float dirY);

    int ownerKind; // kind of the carrier; every projectile fired ignores it
    int icon;      // sprite handle of the icon the head-up display shows
    int ammo;      // one more than the shots left: the last unit is never spent
    int ammoPerShot = 1;
    float reloadTime;       // least time between two shots, seconds
    float lastShotTime = 0; // now() of the last shot, ms

  protected:
    Weapon(int ownerKind, int icon, int ammo, float reloadTime);

    // The trigger test: strictly more than reloadTime since the last shot and strictly more
    // ammunition than a shot spends. When it passes the shot is counted (time and ammo) and
    // true returned; otherwise nothing changes.
    bool takeShot();
};

// Slot 0: bullets every 0.3 s, 50 rounds.
class Handgun : public Weapon {
  public:
    explicit Handgun(int ownerKind);
    void fire(int x, int y, float dirX, float dirY) override;
};

// Slot 1: rockets every 0.1 s, 15 rounds. Shows the rifle's icon.
class RocketLauncher : public Weapon {
  public:
    explicit RocketLauncher(int ownerKind);
    void fire(int x, int y, float dirX, float dirY) override;
};

// Slot 2: counts its shots but fires nothing.
class Rifle : public Weapon {
  public:
    explicit Rifle(int ownerKind);
    void fire(int x, int y, float dirX, float dirY) override;
};

// Slot 3: counts its shots but fires nothing.
class BombWeapon : public Weapon {
  public:
    explicit BombWeapon(int ownerKind);
    void fire(int x, int y, float dirX, float dirY) override;
};
