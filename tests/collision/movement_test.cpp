#include "collision/movement.h"

#include "platform/clock.h"
#include "platform/log.h"
#include "platform/manual_clock.h"
#include "support/work_dir.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace {

using Objects = std::vector<const GameObject*>;

class Movement : public ::testing::Test {
  protected:
    // A mover already in the store, heading (vx, vy) px/s.
    Probe& mover(int kind, float x, float y, int w, int h, float vx, float vy) {
        Probe& p = world.add(kind, x, y, w, h);
        p.moveX = vx;
        p.moveY = vy;
        return p;
    }
    void move(GameObject& object, float frameMs = 100.0f) {
        moveWithCollision(&object, &world.store, frameMs);
    }
    TestWorld world;
};

TEST_F(Movement, StopsOnePixelBeforeTheGrownLeftSide) {
    Obstacle& block = world.wall(150, 90, 48, 48);
    Probe& p = mover(KindPlayer, 100, 100, 32, 32, 1000, 0);
    move(p);
    EXPECT_FLOAT_EQ(p.x, 117.0f); // centre at 150 - 16 - 1
    EXPECT_FLOAT_EQ(p.y, 100.0f);
    ASSERT_EQ(p.calls, 1);
    EXPECT_EQ(p.struck, &block);
    EXPECT_EQ(p.struckSide, 0);
    EXPECT_EQ(p.stoodAt, std::make_pair(100.0f, 100.0f)); // told before it was set down
}

TEST_F(Movement, PushAddsToOwnVelocity) {
    Probe& p = mover(KindPlayer, 500, 500, 32, 32, 300, 0);
    p.pushX = -100.0f;
    p.pushY = 50.0f;
    move(p);
    EXPECT_FLOAT_EQ(p.x, 520.0f);
    EXPECT_FLOAT_EQ(p.y, 505.0f);
    EXPECT_EQ(p.calls, 0);
}

TEST_F(Movement, CellsFollowTheMover) {
    Probe& p = mover(KindPlayer, 150, 150, 16, 16, 1000, 0);
    ASSERT_EQ(world.cell(1, 1), (Objects{&p}));
    move(p); // to x = 250
    EXPECT_TRUE(world.cell(1, 1).empty());
    EXPECT_EQ(world.cell(2, 1), (Objects{&p}));
}

TEST_F(Movement, ZeroVelocityStaysButIsReindexedAtTheEndOfItsCells) {
    Probe& p = mover(KindPlayer, 20, 20, 16, 16, 0, 0);
    Probe& q = world.add(KindEnemy, 40, 40, 8, 8);
    move(p);
    EXPECT_FLOAT_EQ(p.x, 20.0f);
    EXPECT_FLOAT_EQ(p.y, 20.0f);
    EXPECT_EQ(p.calls, 0);
    EXPECT_EQ(world.cell(0, 0), (Objects{&q, &p}));
}

TEST_F(Movement, ExactCornerReportsTheLeftSide) {
    // The centre path from (134, 134) to (234, 234) passes through the grown block's corner
    // (184, 184), where its top and left sides meet at the same t.
    world.wall(200, 200, 48, 48);
    Probe& p = mover(KindPlayer, 118, 118, 32, 32, 1000, 1000);
    move(p);
    ASSERT_EQ(p.calls, 1);
    EXPECT_EQ(p.struckSide, 0);
    EXPECT_FLOAT_EQ(p.x, 167.0f); // 184 - 1 - 16
    EXPECT_FLOAT_EQ(p.y, 168.0f);
}

TEST_F(Movement, ExactCornerFromTheRightReportsTheRightSide) {
    // Grown block spans 184..264; the path from (314, 134) to (214, 234) meets (264, 184).
    world.wall(200, 200, 48, 48);
    Probe& p = mover(KindPlayer, 298, 118, 32, 32, -1000, 1000);
    move(p);
    ASSERT_EQ(p.calls, 1);
    EXPECT_EQ(p.struckSide, 2);
    EXPECT_FLOAT_EQ(p.x, 249.0f); // 264 + 1 - 16
}

TEST_F(Movement, CentreStartingInsideAGrownRectangleStopsWhereItLeaves) {
    world.wall(150, 90, 48, 48); // grown to 134..214 by 74..154
    Probe& inside = mover(KindPlayer, 130, 100, 32, 32, 200, 0);
    move(inside); // centre 146 to 166: still inside, moves freely
    EXPECT_FLOAT_EQ(inside.x, 150.0f);
    EXPECT_EQ(inside.calls, 0);
    inside.moveX = 1000.0f;
    move(inside); // centre 166 to 266 leaves through the right side at 214
    EXPECT_EQ(inside.struckSide, 2);
    EXPECT_FLOAT_EQ(inside.x, 199.0f); // 214 + 1 - 16
}

TEST_F(Movement, NearestObstacleWinsAcrossCells) {
    Obstacle& near = world.wall(250, 100, 48, 48);
    world.wall(180, 100, 48, 48);
    world.wall(350, 100, 48, 48);
    Probe& p = mover(KindPlayer, 50, 110, 20, 20, 5000, 0);
    (void)near;
    move(p);
    EXPECT_FLOAT_EQ(p.x, 180.0f - 10 - 1 - 10);
}

TEST_F(Movement, OnATieTheCellFirstInTheWalkWins) {
    // Both grown left sides lie at x = 240 across the centre's row; the top corners walk
    // row 1 (where a stands) before the bottom corners walk row 2 (where b stands).
    Obstacle& b = world.wall(250, 210, 48, 48);
    Obstacle& a = world.wall(250, 150, 48, 48);
    Probe& p = mover(KindPlayer, 100, 150, 20, 100, 2000, 0);
    move(p);
    ASSERT_EQ(p.calls, 1);
    EXPECT_EQ(p.struck, &a);
    EXPECT_NE(p.struck, &b);
}

TEST_F(Movement, KindsThatCannotMeetPassThrough) {
    world.add(KindPlayer, 150, 100, 46, 46);
    world.add(KindEnemy, 300, 100, 16, 27);
    Probe& bullet = mover(KindProjectile, 100, 110, 8, 8, 3000, 0);
    bullet.ignoreKind = KindPlayer;
    move(bullet); // through the hero, stopped by the enemy
    EXPECT_EQ(bullet.struck->kind, KindEnemy);
    EXPECT_FLOAT_EQ(bullet.x, 300.0f - 4 - 1 - 4);

    Probe& enemy = mover(KindEnemy, 100, 400, 16, 27, 1000, 0);
    world.add(KindEnemy, 150, 400, 16, 27);
    move(enemy);
    EXPECT_EQ(enemy.calls, 0);
    EXPECT_FLOAT_EQ(enemy.x, 200.0f);
}

TEST_F(Movement, HeroIsNotStoppedByItsOwnBullet) {
    Probe& bullet = world.add(KindProjectile, 150, 110, 8, 8);
    bullet.ignoreKind = KindPlayer;
    Probe& hero = mover(KindPlayer, 100, 100, 32, 32, 1000, 0);
    move(hero);
    EXPECT_EQ(hero.calls, 0);
}

TEST_F(Movement, LeavingTheWorldMovesOnUnrecorded) {
    Probe& p = mover(KindProjectile, 2380, 50, 8, 8, 1000, 0);
    move(p);
    EXPECT_FLOAT_EQ(p.x, 2480.0f);
    for (int cy = 0; cy < 2; ++cy)
        EXPECT_TRUE(world.cell(23, cy).empty());
}

TEST(MovementClock, MovesByTheFramesDuration) {
    ScopedWorkDir dir;
    ManualClockSource source;
    setClockSource(&source);
    startClock();
    updateClock();
    source.advance(20);
    updateClock();
    TestWorld world;
    Probe& p = world.add(KindPlayer, 100, 100, 16, 16);
    p.moveX = 1000.0f;
    moveWithCollision(&p, &world.store);
    EXPECT_FLOAT_EQ(p.x, 120.0f);
    setClockSource(nullptr);
}

TEST(MovementNull, LogsAndMovesNothing) {
    ScopedWorkDir dir;
    TestWorld world;
    moveWithCollision(nullptr, &world.store, 16.0f);
    Probe p(KindPlayer, 10, 10, 8, 8);
    p.moveX = 100.0f;
    moveWithCollision(&p, nullptr, 16.0f);
    EXPECT_FLOAT_EQ(p.x, 10.0f);
    const std::string line = "################## ILLEGAL OPERATION ########################\n";
    EXPECT_EQ(readFile(kLogFileName), line + line);
}

TEST(Sweep, LaterNodeWinsATieWithinOneList) {
    TestWorld world;
    Obstacle& first = world.wall(150, 90, 48, 48);
    Obstacle& second = world.wall(150, 90, 48, 48);
    Probe m(KindPlayer, 0, 0, 32, 32);
    const Contact c = sweepCellList(m, {116, 116, 0}, {216, 116, 0}, world.store.cellList(1, 1));
    EXPECT_EQ(c.other, &second);
    EXPECT_NE(c.other, &first);
    EXPECT_FLOAT_EQ(c.t, 0.18f);
    EXPECT_FLOAT_EQ(c.point.x, 133.0f);

    const Contact none = sweepCellList(m, {116, 116, 0}, {120, 116, 0}, world.store.cellList(1, 1));
    EXPECT_EQ(none.other, nullptr);
    EXPECT_EQ(none.side, -1);
    EXPECT_EQ(none.t, 999999.0f);
}

} // namespace
