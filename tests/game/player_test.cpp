#include "game/player.h"

#include <vector>

#include "base/random.h"
#include "support/test_level.h"

namespace {

class PlayerTest : public LevelTest {
  protected:
    PlayerTest() {
        step(16);
        store.insert(&player);
    }

    bool inCell(int cx, int cy) const {
        for (const CellNode* n = store.cellList(cx, cy); n != nullptr; n = n->next)
            if (n->object == &player) return true;
        return false;
    }

    // Holds the trigger for duration ms at frames of frameMs, firing once per frame (the
    // first frame included); returns the time of every shot that left.
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

TEST_F(PlayerTest, WalkingStepsForwardResetTheGatheredTimeAndBackwardNever) {
    // Ten steps of a fresh hero: the first at a frame of firstMs, the rest at 50 ms frames.
    auto walk = [this](void (Player::*move)(), double firstMs) {
        Player walker;
        std::vector<int> frames;
        step(firstMs);
        for (int i = 0; i < 10; ++i) {
            if (i == 1) step(50);
            (walker.*move)();
            frames.push_back(walker.frame);
        }
        return frames;
    };
    EXPECT_EQ(walk(&Player::moveForward, 150), (std::vector<int>{1, 1, 1, 2, 2, 2, 3, 3, 3, 0}));
    EXPECT_EQ(walk(&Player::moveBackward, 50), (std::vector<int>{0, 1, 1, 2, 2, 3, 3, 0, 0, 1}));
}

TEST_F(PlayerTest, LeftPlusRightCancels) {
    for (int i = 0; i < 50; ++i) {
        player.turn(true, 16);
        player.turn(false, 16);
    }
    EXPECT_NEAR(player.angle, 90.0, 1e-9);
    EXPECT_NEAR(player.facingX, 1.0f, 1e-4f);
    EXPECT_NEAR(player.facingY, 0.0f, 1e-4f);
}

TEST_F(PlayerTest, UpPlusDownWalksBackwardsAndWithoutAWalkingKeyTheHeroStandsWhilePushDecays) {
    player.moveForward();
    player.moveBackward();
    player.update(&store);
    EXPECT_FLOAT_EQ(player.x, 100.0f - 200.0f * 0.016f);
    player.frame = 3;
    player.pushX = 500;
    player.update(&store);
    EXPECT_FLOAT_EQ(player.x, 100.0f - 200.0f * 0.016f);
    EXPECT_EQ(player.frame, 0);
    EXPECT_FLOAT_EQ(player.pushX, 500.0f / 1.2f);
}

TEST_F(PlayerTest, RespawnsAtHealthZeroButNotOne) {
    player.health = 1;
    player.update(&store);
    EXPECT_EQ(player.x, 100.0f);

    seedRandom(99);
    const int rx = nextRandom() % 2400;
    const int ry = nextRandom() % 2400;
    const int after = nextRandom();
    seedRandom(99);
    player.health = 0;
    for (Weapon* w : player.weapons)
        w->ammo = 7;
    player.update(&store);
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(player.x, static_cast<float>(rx));
    EXPECT_EQ(player.y, static_cast<float>(ry));
    EXPECT_EQ(nextRandom(), after) << "exactly two draws";
    const int ammo[] = {15, 50, 0, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(player.weapons[i]->ammo, ammo[i]) << "slot " << i;
    // Re-indexed at the new place.
    EXPECT_FALSE(inCell(1, 1));
    EXPECT_TRUE(inCell(rx / 100, ry / 100));
}

TEST_F(PlayerTest, WalkingIntoAnEnemyPushesItBackAndHurts) {
    TestEnemy enemy(160, 110);
    enemy.moveX = -80;
    enemy.moveY = 20;
    store.insert(&enemy);
    step(100);
    player.moveForward(); // 20 px at 200 px/s: into the enemy
    player.update(&store);
    EXPECT_EQ(enemy.pushX, 800.0f);
    EXPECT_EQ(enemy.pushY, -200.0f);
    EXPECT_EQ(player.health, 90);
    store.remove(&enemy);
}

TEST_F(PlayerTest, WeaponsFireAtTheirStrictReloadRatesAndNeverSpendTheLastUnit) {
    Handgun handgun(kKindPlayer);
    EXPECT_EQ(hold(handgun, 1000, 4).size(), 4u) << "four shots a held second";
    handgun.ammo = 2;
    EXPECT_EQ(hold(handgun, 2000, 50).size(), 1u);
    EXPECT_EQ(handgun.ammo, 1);
    RocketLauncher launcher(kKindPlayer);
    const std::vector<float> shots = hold(launcher, 600, 16);
    ASSERT_GE(shots.size(), 3u);
    for (size_t i = 1; i < shots.size(); ++i)
        EXPECT_FLOAT_EQ(shots[i] - shots[i - 1], 112.0f);
}

TEST_F(PlayerTest, SwitchingWeaponsKeepsEachLastShotTime) {
    player.fire();
    const float handgunShot = player.weapon->lastShotTime;
    step(50);
    player.selectWeapon(1);
    player.fire();
    const float rocketShot = player.weapon->lastShotTime;
    EXPECT_GT(rocketShot, handgunShot);
    step(50);
    player.selectWeapon(0);
    EXPECT_EQ(player.weapon->lastShotTime, handgunShot);
    player.fire(); // 100 ms after its own shot: still reloading
    EXPECT_EQ(player.weapon->ammo, 49);
    player.selectWeapon(1);
    EXPECT_EQ(player.weapon->lastShotTime, rocketShot);
}

} // namespace
