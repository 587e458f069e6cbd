#include "collision/game_object.h"
#include "collision/obstacle.h"

#include "platform/log.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

GameObject ofKind(int kind, int ignoreKind = KindNone) {
    GameObject o;
    o.kind = kind;
    o.ignoreKind = ignoreKind;
    return o;
}

TEST(DecayPush, ClearsBelowTwoPixelsPerSecondAfterTheDivision) {
    GameObject o;
    o.pushX = 1.9f;
    o.pushY = -2.5f;
    decayPush(o);
    EXPECT_EQ(o.pushX, 0.0f);
    EXPECT_NEAR(o.pushY, -2.0833f, 1e-4f);
    decayPush(o);
    EXPECT_EQ(o.pushY, 0.0f);
    o.pushX = 2.4f; // 2.0 after the division: truncates to 2 and survives
    decayPush(o);
    EXPECT_FLOAT_EQ(o.pushX, 2.0f);
}

TEST(MeetingRule, SameKindSelfAndIgnoredKindsNeverMeet) {
    const GameObject hero = ofKind(KindPlayer), enemy = ofKind(KindEnemy);
    const GameObject bullet = ofKind(KindProjectile, KindPlayer);
    const GameObject fireball = ofKind(KindProjectile, KindEnemy);
    EXPECT_FALSE(canMeet(hero, hero));
    EXPECT_FALSE(canMeet(enemy, ofKind(KindEnemy)));
    EXPECT_FALSE(canMeet(bullet, fireball));
    EXPECT_FALSE(canMeet(hero, bullet));
    EXPECT_FALSE(canMeet(bullet, hero));
    EXPECT_FALSE(canMeet(fireball, enemy));
    EXPECT_TRUE(canMeet(fireball, hero));
    EXPECT_TRUE(canMeet(enemy, ofKind(KindWall)));
}

TEST(Destruction, DerivedPartsRunWhenDeletedThroughTheBase) {
    struct Tracked : GameObject {
        explicit Tracked(bool& flag) : destroyed(flag) {}
        ~Tracked() override { destroyed = true; }
        bool& destroyed;
    };
    bool destroyed = false;
    std::unique_ptr<GameObject> object = std::make_unique<Tracked>(destroyed);
    object.reset();
    EXPECT_TRUE(destroyed);
}

class ObstacleCollide : public ::testing::Test {
  protected:
    ScopedWorkDir dir;
    Obstacle wall{0, 0, 48, 48, 0};
};

TEST_F(ObstacleCollide, EnemyBouncesAndIsNudgedAlongTheSideWhenSlow) {
    GameObject enemy = ofKind(KindEnemy);
    enemy.moveX = 50.0f;
    enemy.moveY = -99.9f; // truncates to 99: slow
    wall.collide(&enemy, 0, 1);
    EXPECT_FLOAT_EQ(enemy.pushX, -350.0f);
    EXPECT_FLOAT_EQ(enemy.pushY, -300.0f);
    enemy.moveY = 120.0f;
    wall.collide(&enemy, 2, 1);
    EXPECT_FLOAT_EQ(enemy.pushY, 1200.0f);

    enemy.pushX = 42.0f;
    enemy.moveX = 150.0f; // fast along the top: its sideways push is kept
    enemy.moveY = 20.0f;
    wall.collide(&enemy, 1, 1);
    EXPECT_FLOAT_EQ(enemy.pushY, -140.0f);
    EXPECT_FLOAT_EQ(enemy.pushX, 42.0f);
    enemy.moveX = 0.0f; // 0 counts as not negative
    wall.collide(&enemy, 3, 1);
    EXPECT_FLOAT_EQ(enemy.pushX, 300.0f);
}

TEST_F(ObstacleCollide, EndsAProjectileAndAlwaysLogs) {
    GameObject projectile = ofKind(KindProjectile), hero = ofKind(KindPlayer);
    projectile.life = 2.0f;
    wall.collide(&projectile, 1, 1);
    wall.collide(&hero, 0, 1);
    EXPECT_EQ(projectile.life, 0.0f);
    EXPECT_EQ(readFile(kLogFileName), "removed projectile3\nremoved projectile3\n");
}

} // namespace
