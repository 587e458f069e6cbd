#include "collision/movement.h"

#include "test_world.h"

#include <gtest/gtest.h>

namespace {

class Movement : public ::testing::Test {
  protected:
    // Moves a fresh probe from (x, y) at (vx, vy) px/s for a 100 ms frame.
    Probe& move(float x, float y, int w, int h, float vx, float vy, int kind = kKindPlayer,
                int ignoreKind = kKindNone) {
        Probe& p = world.add(kind, x, y, w, h);
        p.ignoreKind = ignoreKind;
        p.moveX = vx;
        p.moveY = vy;
        moveWithCollision(&p, &world.store, 100.0f);
        return p;
    }
    TestWorld world;
};

TEST_F(Movement, StopsOnePixelBeforeTheGrownSideAndIsReindexed) {
    Obstacle& block = world.wall(150, 90, 48, 48);
    Probe& p = move(100, 100, 32, 32, 1000, 0);
    EXPECT_EQ(p.x, 117.0f); // centre at 150 - 16 - 1
    EXPECT_EQ(p.y, 100.0f);
    EXPECT_EQ(p.struck, &block);
    EXPECT_EQ(p.struckSide, 0);
    Probe& free = move(150, 350, 16, 16, 1000, 0);
    EXPECT_EQ(free.x, 250.0f);
    EXPECT_TRUE(world.cell(1, 3).empty());
    EXPECT_EQ(world.cell(2, 3), (Objects{&free}));
}

TEST_F(Movement, ZeroVelocityStaysButIsReindexedAtTheEndOfItsCells) {
    Probe& p = world.add(kKindPlayer, 20, 20, 16, 16);
    Probe& q = world.add(kKindEnemy, 40, 40, 8, 8);
    moveWithCollision(&p, &world.store, 100.0f);
    EXPECT_EQ(p.x, 20.0f);
    EXPECT_EQ(p.struck, nullptr);
    EXPECT_EQ(world.cell(0, 0), (Objects{&q, &p}));
}

TEST_F(Movement, AnExactCornerReportsTheLeftOrRightSide) {
    world.wall(200, 200, 48, 48); // grown to 184..264 both ways
    Probe& fromLeft = move(118, 118, 32, 32, 1000, 1000);
    EXPECT_EQ(fromLeft.struckSide, 0);
    EXPECT_EQ(fromLeft.x, 167.0f); // 184 - 1 - 16
    EXPECT_EQ(fromLeft.y, 168.0f);
    Probe& fromRight = move(298, 118, 32, 32, -1000, 1000);
    EXPECT_EQ(fromRight.struckSide, 2);
    EXPECT_EQ(fromRight.x, 249.0f); // 264 + 1 - 16
}

TEST_F(Movement, CentreStartingInsideAGrownRectangleStopsWhereItLeaves) {
    world.wall(150, 90, 48, 48); // grown to 134..214 by 74..154
    Probe& stays = move(130, 100, 32, 32, 200, 0);
    EXPECT_EQ(stays.x, 150.0f); // centre 146 to 166: still inside
    EXPECT_EQ(stays.struck, nullptr);
    Probe& leaves = move(130, 100, 32, 32, 1000, 0);
    EXPECT_EQ(leaves.struckSide, 2);
    EXPECT_EQ(leaves.x, 199.0f); // 214 + 1 - 16
}

TEST_F(Movement, KindsThatCannotMeetPassThrough) {
    world.add(kKindPlayer, 150, 100, 46, 46);
    world.add(kKindEnemy, 300, 100, 16, 27);
    world.add(kKindEnemy, 300, 600, 16, 27);
    Probe& bullet = move(100, 110, 8, 8, 3000, 0, kKindProjectile, kKindPlayer);
    EXPECT_EQ(bullet.struck->kind, kKindEnemy); // through the hero, onto the enemy
    EXPECT_EQ(move(250, 600, 16, 27, 1000, 0, kKindEnemy).struck, nullptr); // through an enemy
}

TEST(Radius, ScansCellsWhoseCentreIsInRangeListingRepeatsUpToTheCapacity) {
    TestWorld world;
    Probe rocket{kKindProjectile, 134, 134, 32, 32}; // centre (150, 150), not in the store
    auto query = [&](int capacity) {
        std::vector<GameObject*> out(capacity + 1); // never null, even for capacity 0
        int n = -1;
        objectsInRadius(&rocket, 100.0f, out.data(), capacity, n, &world.store);
        return Objects(out.begin(), out.begin() + n);
    };
    world.add(kKindEnemy, 90, 134, 8, 8);                  // 44 px away, but in cell (0, 1)
    Probe& atEdge = world.add(kKindEnemy, 234, 134, 8, 8); // exactly 100 px, cell (2, 1)
    world.add(kKindEnemy, 235, 134, 8, 8);                 // 101 px
    EXPECT_EQ(query(10), (Objects{&atEdge}));
    Probe& straddling = world.add(kKindEnemy, 195, 140, 10, 10); // cells (1, 1) and (2, 1)
    EXPECT_EQ(query(10), (Objects{&straddling, &atEdge, &straddling}));
    EXPECT_EQ(query(1), (Objects{&straddling}));
    EXPECT_TRUE(query(0).empty());
}

} // namespace
