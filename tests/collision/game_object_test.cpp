#include "collision/game_object.h"
#include "collision/obstacle.h"

#include "platform/log.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

GameObject pushed(float px, float py) {
    GameObject o;
    o.pushX = px;
    o.pushY = py;
    return o;
}

TEST(DecayPush, ClearsBelowTwoPixelsPerSecondAfterTheDivision) {
    GameObject o = pushed(1.9f, 2.4f);
    decayPush(o);
    EXPECT_EQ(o.pushX, 0.0f);
    EXPECT_FLOAT_EQ(o.pushY, 2.0f); // 2.4 / 1.2 truncates to 2 and survives
}

TEST(DecayPush, NegativePushSurvivesOnceThenClears) {
    GameObject o = pushed(-2.5f, 0.0f);
    decayPush(o);
    EXPECT_NEAR(o.pushX, -2.0833f, 1e-4f);
    decayPush(o);
    EXPECT_EQ(o.pushX, 0.0f);
}

TEST(BaseConstruction, VelocitiesStartAtZero) {
    GameObject o;
    EXPECT_EQ(o.moveX, 0.0f);
    EXPECT_EQ(o.moveY, 0.0f);
    EXPECT_EQ(o.pushX, 0.0f);
    EXPECT_EQ(o.pushY, 0.0f);
}

GameObject ofKind(int kind, int ignoreKind = KindNone) {
    GameObject o;
    o.kind = kind;
    o.ignoreKind = ignoreKind;
    return o;
}

TEST(MeetingRule, SameKindSelfAndIgnoredKindsNeverMeet) {
    const GameObject hero = ofKind(KindPlayer), enemy = ofKind(KindEnemy);
    const GameObject enemy2 = ofKind(KindEnemy), wall = ofKind(KindWall);
    const GameObject bullet = ofKind(KindProjectile, KindPlayer);
    const GameObject fireball = ofKind(KindProjectile, KindEnemy);
    EXPECT_FALSE(canMeet(hero, hero));
    EXPECT_FALSE(canMeet(enemy, enemy2));
    EXPECT_FALSE(canMeet(bullet, fireball));
    EXPECT_FALSE(canMeet(bullet, hero));
    EXPECT_FALSE(canMeet(hero, bullet));
    EXPECT_FALSE(canMeet(fireball, enemy));
    EXPECT_TRUE(canMeet(fireball, hero));
    EXPECT_TRUE(canMeet(bullet, enemy));
    EXPECT_TRUE(canMeet(enemy, wall));
    EXPECT_TRUE(canMeet(hero, enemy));
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

TEST(ObstacleRecord, ConstructionFillsTheWallFields) {
    const Obstacle wall(100, 200, 256, 64, 7);
    EXPECT_EQ(wall.kind, KindWall);
    EXPECT_EQ(wall.x, 100.0f);
    EXPECT_EQ(wall.y, 200.0f);
    EXPECT_EQ(wall.width, 256);
    EXPECT_EQ(wall.height, 64);
    EXPECT_EQ(wall.sprite, 7);
    EXPECT_EQ(wall.column, 1);
    EXPECT_EQ(wall.ignoreKind, KindNone);
    EXPECT_EQ(wall.rightNeighbour, -1);
    EXPECT_EQ(wall.bottomNeighbour, -1);
}

class ObstacleCollide : public ::testing::Test {
  protected:
    ScopedWorkDir dir;
    Obstacle wall{0, 0, 48, 48, 0};
};

TEST_F(ObstacleCollide, EnemyStruckOnASideBouncesAndIsNudgedAlongWhenSlow) {
    GameObject enemy = ofKind(KindEnemy);
    enemy.moveX = 50.0f;
    enemy.moveY = -99.9f; // truncates to 99: slow
    wall.collide(&enemy, 0, 1);
    EXPECT_FLOAT_EQ(enemy.pushX, -350.0f);
    EXPECT_FLOAT_EQ(enemy.pushY, -300.0f);

    enemy.moveY = 120.0f; // fast along the side: ten times its speed
    wall.collide(&enemy, 2, 1);
    EXPECT_FLOAT_EQ(enemy.pushY, 1200.0f);
}

TEST_F(ObstacleCollide, EnemyStruckOnTopOrBottomKeepsAFastSidewaysPush) {
    GameObject enemy = ofKind(KindEnemy);
    enemy.pushX = 42.0f;
    enemy.moveX = 150.0f;
    enemy.moveY = 20.0f;
    wall.collide(&enemy, 1, 1);
    EXPECT_FLOAT_EQ(enemy.pushY, -140.0f);
    EXPECT_FLOAT_EQ(enemy.pushX, 42.0f);
    enemy.moveX = 0.0f; // slow: nudged, and 0 counts as not negative
    wall.collide(&enemy, 3, 1);
    EXPECT_FLOAT_EQ(enemy.pushX, 300.0f);
}

TEST_F(ObstacleCollide, EndsAProjectileAndAlwaysLogs) {
    GameObject projectile = ofKind(KindProjectile);
    projectile.life = 2.0f;
    wall.collide(&projectile, 1, 1);
    EXPECT_EQ(projectile.life, 0.0f);
    GameObject hero = ofKind(KindPlayer);
    wall.collide(&hero, 0, 1);
    EXPECT_EQ(readFile(kLogFileName), "removed projectile3\nremoved projectile3\n");
}

} // namespace
