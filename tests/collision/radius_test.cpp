#include "collision/movement.h"

#include "test_world.h"

#include <gtest/gtest.h>

namespace {

using Found = std::vector<GameObject*>;

class Radius : public ::testing::Test {
  protected:
    Found query(int capacity = 1001) {
        Found out(capacity + 1); // never null, even for capacity 0
        int n = -1;
        objectsInRadius(&rocket, 100.0f, out.data(), capacity, n, &world.store);
        out.resize(n);
        return out;
    }
    TestWorld world;
    Probe rocket{KindProjectile, 134, 134, 32, 32}; // centre (150, 150), not in the store
};

TEST_F(Radius, ScansCellsWhoseCentreIsInRangeAndMeasuresCorners) {
    world.add(KindEnemy, 90, 134, 8, 8);                  // 44 px away, but in cell (0, 1)
    Probe& atEdge = world.add(KindEnemy, 234, 134, 8, 8); // exactly 100 px, cell (2, 1)
    world.add(KindEnemy, 235, 134, 8, 8);                 // 101 px
    EXPECT_EQ(query(), (Found{&atEdge}));
}

TEST_F(Radius, RepeatsAreListedOncePerCellUpToTheCapacity) {
    Probe& straddling = world.add(KindEnemy, 195, 140, 10, 10); // cells (1, 1) and (2, 1)
    EXPECT_EQ(query(), (Found{&straddling, &straddling}));
    EXPECT_EQ(query(1), (Found{&straddling}));
    EXPECT_TRUE(query(0).empty());
}

TEST_F(Radius, MeetingRuleAppliesAndANullOutputIsLeftAlone) {
    world.add(KindProjectile, 150, 150, 8, 8);
    Probe& hero = world.add(KindPlayer, 160, 160, 8, 8);
    EXPECT_EQ(query(), (Found{&hero}));
    rocket.ignoreKind = KindPlayer;
    EXPECT_TRUE(query().empty());
    int n = 7;
    objectsInRadius(&rocket, 100, nullptr, 10, n, &world.store);
    EXPECT_EQ(n, 7);
}

} // namespace
