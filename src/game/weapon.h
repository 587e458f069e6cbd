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

// Slots 2 and 3: count their shots but fire nothing.
class DudWeapon : public Weapon {
  public:
    // Slot 2: every 0.05 s, 100 rounds. Shows the rifle's icon.
    static DudWeapon rifle(int ownerKind);
    // Slot 3: every 0.6 s, 10 rounds. Shows the bomb's icon.
    static DudWeapon bomb(int ownerKind);

    void fire(int x, int y, float dirX, float dirY) override;

  private:
    using Weapon::Weapon;
};
