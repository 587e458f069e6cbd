#include "game/weapon.h"

#include "game/assets.h"
#include "game/player.h"
#include "game_fixture.h"
#include "platform/clock.h"

namespace {

class WeaponTest : public GameFixture {
  protected:
    WeaponTest() { step(5); }

    // Holds the trigger for duration ms at frames of frameMs, firing once per frame (the
    // first frame included); returns the now() of every shot that left.
    std::vector<float> hold(Weapon& w, double duration, double frameMs) {
        std::vector<float> shots;
        for (double t = 0; t < duration; t += frameMs) {
            float before = w.lastShotTime;
            w.fire(100, 100, 2, 0);
            if (w.lastShotTime != before) shots.push_back(w.lastShotTime);
            step(frameMs);
        }
        return shots;
    }
};

TEST_F(WeaponTest, KindsStartWithTheirIconsAmmunitionAndReloads) {
    Handgun handgun(KindPlayer);
    RocketLauncher launcher(KindPlayer);
    Rifle rifle(KindPlayer);
    BombWeapon bomb(KindPlayer);
    EXPECT_EQ(handgun.icon, assets.handgun);
    EXPECT_EQ(launcher.icon, assets.rifle) << "the launcher shows the rifle's icon";
    EXPECT_EQ(rifle.icon, assets.rifle);
    EXPECT_EQ(bomb.icon, assets.bomb);
    EXPECT_EQ(handgun.ammo, 50);
    EXPECT_EQ(launcher.ammo, 15);
    EXPECT_EQ(rifle.ammo, 100);
    EXPECT_EQ(bomb.ammo, 10);
    EXPECT_FLOAT_EQ(handgun.reloadTime, 0.3f);
    EXPECT_FLOAT_EQ(launcher.reloadTime, 0.1f);
    EXPECT_FLOAT_EQ(rifle.reloadTime, 0.05f);
    EXPECT_FLOAT_EQ(bomb.reloadTime, 0.6f);
    EXPECT_EQ(handgun.lastShotTime, 0.0f);
    EXPECT_EQ(handgun.ammoPerShot, 1);
}

TEST_F(WeaponTest, HandgunHeldForASecondFiresFourBullets) {
    Handgun handgun(KindPlayer);
    std::vector<float> shots = hold(handgun, 1000, 4);
    ASSERT_EQ(shots.size(), 4u);
    for (size_t i = 1; i < shots.size(); ++i)
        EXPECT_GT(shots[i] - shots[i - 1], 300.0f);
    EXPECT_EQ(handgun.ammo, 46);
    ASSERT_EQ(countProjectiles(), 4);
    const Projectile* newest = projectileList.head;
    EXPECT_EQ(newest->sprite, assets.bullet);
    EXPECT_EQ(newest->x, 100.0f);
    EXPECT_EQ(newest->y, 100.0f);
    EXPECT_EQ(newest->moveX, 1600.0f);
    EXPECT_EQ(newest->ignoreKind, KindPlayer);
}

TEST_F(WeaponTest, LastUnitOfAmmunitionIsNeverSpent) {
    Handgun handgun(KindPlayer);
    handgun.ammo = 2;
    std::vector<float> shots = hold(handgun, 2000, 50);
    EXPECT_EQ(shots.size(), 1u);
    EXPECT_EQ(handgun.ammo, 1);
    EXPECT_EQ(countProjectiles(), 1);
}

TEST_F(WeaponTest, RocketLauncherAtSixteenMillisecondFramesFiresEvery112) {
    RocketLauncher launcher(KindPlayer);
    std::vector<float> shots = hold(launcher, 600, 16);
    ASSERT_GE(shots.size(), 3u);
    for (size_t i = 1; i < shots.size(); ++i)
        EXPECT_FLOAT_EQ(shots[i] - shots[i - 1], 112.0f);
    EXPECT_EQ(projectileList.head->sprite, assets.rocket);
    EXPECT_EQ(projectileList.head->moveX, 600.0f);
}

TEST_F(WeaponTest, RifleAndBombCountShotsButFireNothing) {
    Rifle rifle(KindPlayer);
    BombWeapon bomb(KindPlayer);
    rifle.fire(0, 0, 1, 0);
    bomb.fire(0, 0, 1, 0);
    EXPECT_EQ(rifle.ammo, 99);
    EXPECT_EQ(bomb.ammo, 9);
    EXPECT_EQ(rifle.lastShotTime, now());
    EXPECT_EQ(countProjectiles(), 0);
}

TEST_F(WeaponTest, ShotTheStoreRefusesIsLostWithItsAmmunitionSpent) {
    obstacles = nullptr;
    Handgun handgun(KindPlayer);
    handgun.fire(0, 0, 1, 0);
    EXPECT_EQ(handgun.ammo, 49);
    EXPECT_EQ(countProjectiles(), 0);
}

TEST_F(WeaponTest, SwitchingWeaponsKeepsEachLastShotTime) {
    Player player;
    player.fire();
    float handgunShot = player.weapon->lastShotTime;
    ASSERT_GT(handgunShot, 0.0f);
    step(50);
    player.selectWeapon(1);
    EXPECT_EQ(player.weapon, player.weapons[1]);
    player.fire();
    float rocketShot = player.weapon->lastShotTime;
    EXPECT_GT(rocketShot, handgunShot);
    step(50);
    player.selectWeapon(0);
    EXPECT_EQ(player.weaponIndex, 0);
    EXPECT_EQ(player.weapon->lastShotTime, handgunShot);
    player.fire(); // 100 ms after its own shot: still reloading
    EXPECT_EQ(player.weapon->ammo, 49);
    player.selectWeapon(1);
    EXPECT_EQ(player.weapon->lastShotTime, rocketShot);
}

} // namespace
