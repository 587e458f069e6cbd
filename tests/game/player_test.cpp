#include "game/player.h"

#include <cmath>

#include "game/assets.h"
#include "game/random.h"
#include "game_fixture.h"
#include "platform/clock.h"
#include "test_enemy.h"

namespace {

class PlayerTest : public GameFixture {
  protected:
    PlayerTest() {
        step(16);
        store.insert(&player);
    }
    ~PlayerTest() override { store.remove(&player); }

    bool inCell(int cx, int cy) const {
        for (const CellNode* n = store.cellList(cx, cy); n != nullptr; n = n->next)
            if (n->object == &player) return true;
        return false;
    }

    Player player;
};

TEST_F(PlayerTest, StartsAtItsPlaceWithFourWeapons) {
    EXPECT_EQ(player.x, 100.0f);
    EXPECT_EQ(player.y, 100.0f);
    EXPECT_EQ(player.width, 46);
    EXPECT_EQ(player.kind, KindPlayer);
    EXPECT_EQ(player.sprite, assets.player);
    EXPECT_EQ(player.angle, 90.0);
    EXPECT_EQ(player.facingX, 1.0f);
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(player.weapon, player.weapons[0]);
    EXPECT_NE(dynamic_cast<Handgun*>(player.weapons[0]), nullptr);
    EXPECT_NE(dynamic_cast<RocketLauncher*>(player.weapons[1]), nullptr);
    EXPECT_NE(dynamic_cast<Rifle*>(player.weapons[2]), nullptr);
    EXPECT_NE(dynamic_cast<BombWeapon*>(player.weapons[3]), nullptr);
    for (Weapon* w : player.weapons)
        EXPECT_EQ(w->ownerKind, KindPlayer);
}

TEST_F(PlayerTest, ForwardStepsAdvanceEveryHundredMilliseconds) {
    step(150);
    player.moveForward();
    EXPECT_EQ(player.animTime, 0.0f);
    EXPECT_EQ(player.frame, 1);
    EXPECT_EQ(player.moveX, 200.0f);
    step(50);
    const int expected[] = {1, 1, 2, 2, 2, 3, 3, 3, 0};
    for (int frame : expected) {
        player.moveForward();
        ASSERT_EQ(player.frame, frame) << "animTime " << player.animTime;
    }
}

TEST_F(PlayerTest, BackwardStepsFollowTheTimeGatheredWithoutReset) {
    step(50);
    const int expected[] = {0, 1, 1, 2, 2, 3, 3, 0, 0};
    for (int frame : expected) {
        player.moveBackward();
        ASSERT_EQ(player.frame, frame) << "animTime " << player.animTime;
    }
    EXPECT_EQ(player.animTime, 450.0f);
    EXPECT_EQ(player.moveX, -200.0f);
}

TEST_F(PlayerTest, UpAndDownTogetherWalkBackwards) {
    player.moveForward();
    player.moveBackward();
    player.update(&store);
    EXPECT_FLOAT_EQ(player.x, 100.0f - 200.0f * 0.016f);
    EXPECT_EQ(player.moveX, 0.0f);
}

TEST_F(PlayerTest, LeftTurnsCounterClockwiseAndLeftPlusRightCancels) {
    player.turn(true, 500); // 90 degrees
    EXPECT_DOUBLE_EQ(player.angle, 180.0);
    EXPECT_NEAR(player.facingX, 0.0f, 1e-5f);
    EXPECT_NEAR(player.facingY, -1.0f, 1e-5f) << "towards the top of the screen";
    for (int i = 0; i < 50; ++i) {
        player.turn(true, 16);
        player.turn(false, 16);
    }
    EXPECT_NEAR(player.angle, 180.0, 1e-9);
    EXPECT_NEAR(player.facingX, 0.0f, 1e-4f);
    EXPECT_NEAR(player.facingY, -1.0f, 1e-4f);
}

TEST_F(PlayerTest, FiresFromItsCentreAtTwiceItsFacing) {
    player.x = 100.5f;
    player.fire();
    ASSERT_EQ(countProjectiles(), 1);
    EXPECT_EQ(projectileList.head->x, 123.0f);
    EXPECT_EQ(projectileList.head->y, 123.0f);
    EXPECT_EQ(projectileList.head->moveX, 1600.0f);
    EXPECT_EQ(projectileList.head->moveY, 0.0f);
}

TEST_F(PlayerTest, StandsStillWithoutAWalkingKeyEvenWhenPushed) {
    player.frame = 3;
    player.pushX = 500;
    player.update(&store);
    EXPECT_EQ(player.x, 100.0f);
    EXPECT_EQ(player.frame, 0);
    EXPECT_FLOAT_EQ(player.pushX, 500.0f / 1.2f);
}

TEST_F(PlayerTest, RespawnsAtHealthZeroButNotOne) {
    player.health = 1;
    player.update(&store);
    EXPECT_EQ(player.health, 1);
    EXPECT_EQ(player.x, 100.0f);

    seedRandom(99);
    int rx = nextRandom() % 2400;
    int ry = nextRandom() % 2400;
    int after = nextRandom();
    seedRandom(99);
    player.health = 0;
    player.armour = 3;
    player.score = 270;
    for (Weapon* w : player.weapons)
        w->ammo = 7;
    step(16);
    player.update(&store);
    EXPECT_EQ(player.health, 100);
    EXPECT_EQ(player.armour, 100);
    EXPECT_EQ(player.score, 270);
    EXPECT_EQ(player.x, static_cast<float>(rx));
    EXPECT_EQ(player.y, static_cast<float>(ry));
    EXPECT_EQ(nextRandom(), after) << "exactly two draws";
    EXPECT_EQ(player.weapons[0]->ammo, 15);
    EXPECT_EQ(player.weapons[1]->ammo, 50);
    EXPECT_EQ(player.weapons[2]->ammo, 0);
    EXPECT_EQ(player.weapons[3]->ammo, 0);
    EXPECT_EQ(player.deathTime, now());
    // Re-indexed at the new place: gone from the cell it stood in, recorded where it is.
    EXPECT_EQ(store.count, 1);
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
    EXPECT_LT(player.x, 160.0f - 46.0f);
    store.remove(&enemy);
}

} // namespace
