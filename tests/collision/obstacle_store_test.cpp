#include "collision/obstacle_store.h"

#include "support/work_dir.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace {

TEST(Linking, ExactTouchLinksBothWaysAnOffsetTouchDoesNotAndTheLastScannedWins) {
    TestWorld world;
    Obstacle& left = world.wall(100, 100, 256, 64);
    Obstacle& right = world.wall(356, 100, 256, 64);
    Obstacle& below = world.wall(100, 164, 256, 64);
    Obstacle& offset = world.wall(612, 101, 48, 48);
    EXPECT_EQ(left.rightNeighbour, 1);
    EXPECT_EQ(right.leftNeighbour, 0);
    EXPECT_EQ(left.bottomNeighbour, 2);
    EXPECT_EQ(below.topNeighbour, 0);
    EXPECT_EQ(offset.leftNeighbour, -1);
    Obstacle& first = world.wall(1000, 500, 48, 48);
    world.wall(1000, 500, 48, 48); // the same place again
    Obstacle& wide = world.wall(744, 500, 256, 48);
    EXPECT_EQ(wide.rightNeighbour, 5);
    EXPECT_EQ(first.leftNeighbour, 6);
}

// Links are store indices: removing an earlier entry must renumber them.
TEST(Linking, LinksKeepNamingTheSameWallsAfterEntriesLeave) {
    TestWorld world;
    Probe& enemy = world.add(kKindEnemy, 1000, 1000, 16, 27);
    Obstacle& a = world.wall(100, 100, 64, 64);
    Obstacle& b = world.wall(164, 100, 64, 64);
    Obstacle& c = world.wall(228, 100, 64, 64);
    ASSERT_TRUE(world.store.remove(&enemy));
    EXPECT_EQ(world.store.entries[a.rightNeighbour], &b);
    EXPECT_EQ(world.store.entries[b.rightNeighbour], &c);
    EXPECT_EQ(world.store.entries[c.leftNeighbour], &b);
    ASSERT_TRUE(world.store.remove(&b));
    EXPECT_EQ(a.rightNeighbour, -1);
    EXPECT_EQ(c.leftNeighbour, -1);
}

TEST(CellBookkeeping, RemovalKeepsOrderAndDoubleInsertsLeaveOneAtATime) {
    TestWorld world;
    Probe& a = world.add(kKindEnemy, 10, 10, 8, 8);
    Probe& b = world.add(kKindEnemy, 20, 20, 8, 8);
    Probe& c = world.add(kKindEnemy, 30, 30, 8, 8);
    EXPECT_TRUE(world.store.remove(&b));
    EXPECT_EQ(world.cell(0, 0), (Objects{&a, &c}));
    EXPECT_EQ(world.store.entries[1], &c);
    ASSERT_TRUE(world.store.insert(&a));
    EXPECT_EQ(world.cell(0, 0), (Objects{&a, &c, &a}));
    EXPECT_TRUE(world.store.remove(&a));
    EXPECT_EQ(world.cell(0, 0), (Objects{&c, &a}));
    EXPECT_EQ(world.store.entries[1], &a);
    // A non-entry is taken off the cells it was listed in, yet reported as not found.
    world.store.addToCell(0, 0, &b);
    EXPECT_FALSE(world.store.remove(&b));
    EXPECT_EQ(world.cell(0, 0), (Objects{&c, &a}));
    EXPECT_FALSE(world.store.removeAt(2));
    EXPECT_EQ(world.store.count, 2);
}

TEST(FullStore, RefusesWithoutWritingOrIndexing) {
    ScopedWorkDir dir; // the refusal is logged
    TestWorld world;
    for (int i = 0; i < ObstacleStore::kMaxEntries; ++i)
        world.add(kKindEnemy, 2000, 2000, 8, 8);
    Probe extra(kKindEnemy, 10, 10, 8, 8);
    EXPECT_FALSE(world.store.insert(&extra));
    EXPECT_EQ(world.store.count, ObstacleStore::kMaxEntries);
    EXPECT_TRUE(world.cell(0, 0).empty());
    ASSERT_TRUE(world.store.removeAt(0));
    EXPECT_TRUE(world.store.insert(&extra));
}

} // namespace
