#include "collision/movement.h"

#include "platform/log.h"
#include "support/work_dir.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace {

using Objects = std::vector<const GameObject*>;

class Movement : public ::testing::Test {
  protected:
    // Moves a fresh probe from (x, y) at (vx, vy) px/s for a 100 ms frame.
    Probe& move(int kind, float x, float y, int w, int h, float vx, float vy) {
        Probe& p = world.add(kind, x, y, w, h);
        p.moveX = vx;
        p.moveY = vy;
        moveWithCollision(&p, &world.store, 100.0f);
        return p;
    }
    TestWorld world;
};

TEST_F(Movement, StopsOnePixelBeforeTheGrownSideAndIsReindexed) {
    Obstacle& block = world.wall(150, 90, 48, 48);
    Probe& p = move(KindPlayer, 100, 100, 32, 32, 1000, 0);
    EXPECT_EQ(p.x, 117.0f); // centre at 150 - 16 - 1
    EXPECT_EQ(p.y, 100.0f);
    ASSERT_EQ(p.calls, 1);
    EXPECT_EQ(p.struck, &block);
    EXPECT_EQ(p.struckSide, 0);
    EXPECT_EQ(p.stoodAt, std::make_pair(100.0f, 100.0f)); // told before it was set down

    Probe& free = move(KindPlayer, 150, 350, 16, 16, 1000, 0);
    EXPECT_EQ(free.x, 250.0f);
    EXPECT_TRUE(world.cell(1, 3).empty());
    EXPECT_EQ(world.cell(2, 3), (Objects{&free}));
}

TEST_F(Movement, ZeroVelocityStaysButIsReindexedAtTheEndOfItsCells) {
    Probe& p = world.add(KindPlayer, 20, 20, 16, 16);
    Probe& q = world.add(KindEnemy, 40, 40, 8, 8);
    moveWithCollision(&p, &world.store, 100.0f);
    EXPECT_EQ(p.x, 20.0f);
    EXPECT_EQ(p.calls, 0);
    EXPECT_EQ(world.cell(0, 0), (Objects{&q, &p}));
}

TEST_F(Movement, AnExactCornerReportsTheLeftOrRightSide) {
    // Both paths meet a corner of the block grown to 184..264, where two sides tie.
    world.wall(200, 200, 48, 48);
    Probe& fromLeft = move(KindPlayer, 118, 118, 32, 32, 1000, 1000);
    EXPECT_EQ(fromLeft.struckSide, 0);
    EXPECT_EQ(fromLeft.x, 167.0f); // 184 - 1 - 16
    EXPECT_EQ(fromLeft.y, 168.0f);
    Probe& fromRight = move(KindPlayer, 298, 118, 32, 32, -1000, 1000);
    EXPECT_EQ(fromRight.struckSide, 2);
    EXPECT_EQ(fromRight.x, 249.0f); // 264 + 1 - 16
}

TEST_F(Movement, CentreStartingInsideAGrownRectangleStopsWhereItLeaves) {
    world.wall(150, 90, 48, 48); // grown to 134..214 by 74..154
    Probe& stays = move(KindPlayer, 130, 100, 32, 32, 200, 0);
    EXPECT_EQ(stays.x, 150.0f); // centre 146 to 166: still inside
    EXPECT_EQ(stays.calls, 0);
    Probe& leaves = move(KindPlayer, 130, 100, 32, 32, 1000, 0);
    EXPECT_EQ(leaves.struckSide, 2);
    EXPECT_EQ(leaves.x, 199.0f); // 214 + 1 - 16
}

TEST_F(Movement, OnATieTheCellFirstInTheWalkWins) {
    // Both grown left sides lie at x = 240 across the centre's row; the top corners walk
    // row 1 (a's) before the bottom corners walk row 2 (b's).
    world.wall(250, 210, 48, 48);
    Obstacle& a = world.wall(250, 150, 48, 48);
    EXPECT_EQ(move(KindPlayer, 100, 150, 20, 100, 2000, 0).struck, &a);
}

TEST_F(Movement, KindsThatCannotMeetPassThrough) {
    world.add(KindPlayer, 150, 100, 46, 46);
    world.add(KindEnemy, 300, 100, 16, 27);
    world.add(KindEnemy, 300, 600, 16, 27);
    world.add(KindProjectile, 150, 410, 8, 8).ignoreKind = KindPlayer;
    Probe& bullet = world.add(KindProjectile, 100, 110, 8, 8);
    bullet.ignoreKind = KindPlayer;
    bullet.moveX = 3000.0f;
    moveWithCollision(&bullet, &world.store, 100.0f); // through the hero, onto the enemy
    EXPECT_EQ(bullet.struck->kind, KindEnemy);
    EXPECT_EQ(move(KindPlayer, 100, 400, 32, 32, 1000, 0).calls, 0); // through its own bullet
    EXPECT_EQ(move(KindEnemy, 250, 600, 16, 27, 1000, 0).calls, 0);  // through an enemy
}

} // namespace
