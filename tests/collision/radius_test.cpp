#include "collision/movement.h"

#include "test_world.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class Radius : public ::testing::Test {
  protected:
    std::vector<GameObject*> query(const GameObject& centre, float r, int capacity = 1001) {
        std::vector<GameObject*> out(capacity + 1); // never null, even for capacity 0
        int n = -1;
        objectsInRadius(&centre, r, out.data(), capacity, n, &world.store);
        out.resize(n);
        return out;
    }
    TestWorld world;
    Probe rocket{KindProjectile, 134, 134, 32, 32}; // centre (150, 150), not in the store
};

TEST_F(Radius, OnlyCellsWhoseCentreIsInRangeAreScanned) {
    // Both lie within 100 px of the rocket's corner; only the second is in a scanned cell.
    world.add(KindEnemy, 90, 134, 8, 8);                // cell (0, 1)
    Probe& seen = world.add(KindEnemy, 200, 150, 8, 8); // cell (2, 1)
    EXPECT_EQ(query(rocket, 100), (std::vector<GameObject*>{&seen}));
}

TEST_F(Radius, DistanceIsBetweenTopLeftCornersAndAtMostTheRadius) {
    Probe& atEdge = world.add(KindEnemy, 234, 134, 8, 8); // exactly 100 px right
    world.add(KindEnemy, 235, 134, 8, 8);                 // 101 px
    EXPECT_EQ(query(rocket, 100), (std::vector<GameObject*>{&atEdge}));
}

TEST_F(Radius, RepeatsAreListedOncePerCell) {
    Probe& straddling = world.add(KindEnemy, 195, 140, 10, 10); // cells (1, 1) and (2, 1)
    const std::vector<GameObject*> found = query(rocket, 100);
    EXPECT_EQ(found, (std::vector<GameObject*>{&straddling, &straddling}));
}

TEST_F(Radius, CapacityIsNeverExceeded) {
    world.add(KindEnemy, 195, 140, 10, 10);
    world.add(KindWall, 160, 160, 8, 8);
    EXPECT_EQ(query(rocket, 100, 2).size(), 2u);
    EXPECT_TRUE(query(rocket, 100, 0).empty());
}

TEST_F(Radius, MeetingRuleAppliesAndNullOutputIsLeftAlone) {
    world.add(KindProjectile, 150, 150, 8, 8);
    Probe& hero = world.add(KindPlayer, 160, 160, 8, 8);
    EXPECT_EQ(query(rocket, 100), (std::vector<GameObject*>{&hero}));
    rocket.ignoreKind = KindPlayer;
    EXPECT_TRUE(query(rocket, 100).empty());
    int n = 7;
    objectsInRadius(&rocket, 100, nullptr, 10, n, &world.store);
    EXPECT_EQ(n, 7);
}

TEST_F(Radius, BoundsAreClampedToTheGrid) {
    Probe corner(KindProjectile, -50, -50, 8, 8);
    Probe& near = world.add(KindEnemy, 0, 0, 8, 8);
    EXPECT_EQ(query(corner, 100), (std::vector<GameObject*>{&near}));
    Probe far(KindProjectile, 1.0e9f, 1.0e9f, 8, 8);
    EXPECT_TRUE(query(far, 100).empty());
}

} // namespace
