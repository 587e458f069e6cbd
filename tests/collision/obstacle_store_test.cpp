#include "collision/obstacle_store.h"

#include "support/work_dir.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace {

using Objects = std::vector<const GameObject*>;

TEST(Linking, ExactTouchLinksBothWaysOffsetTouchAndOtherKindsDoNot) {
    TestWorld world;
    Obstacle& left = world.wall(100, 100, 256, 64);
    Obstacle& right = world.wall(356, 100, 256, 64);
    Obstacle& below = world.wall(100, 164, 256, 64);
    Obstacle& offset = world.wall(612, 101, 48, 48);
    world.add(KindEnemy, 100, 36, 64, 64); // exactly on top, but not a wall
    EXPECT_EQ(left.rightNeighbour, 1);
    EXPECT_EQ(right.leftNeighbour, 0);
    EXPECT_EQ(left.bottomNeighbour, 2);
    EXPECT_EQ(below.topNeighbour, 0);
    EXPECT_EQ(right.rightNeighbour, -1);
    EXPECT_EQ(offset.leftNeighbour, -1);
    EXPECT_EQ(left.topNeighbour, -1);
}

TEST(Linking, LastScannedWallWinsATest) {
    TestWorld world;
    Obstacle& first = world.wall(356, 100, 48, 48);
    Obstacle& second = world.wall(356, 100, 48, 48);
    Obstacle& wall = world.wall(100, 100, 256, 48);
    EXPECT_EQ(wall.rightNeighbour, 1);
    EXPECT_EQ(first.leftNeighbour, 2);
    EXPECT_EQ(second.leftNeighbour, 2);
}

TEST(Linking, LinksKeepNamingTheSameWallsAfterEntriesLeave) {
    TestWorld world;
    Probe& enemy = world.add(KindEnemy, 1000, 1000, 16, 27);
    Obstacle& a = world.wall(100, 100, 64, 64);
    Obstacle& b = world.wall(164, 100, 64, 64);
    Obstacle& c = world.wall(228, 100, 64, 64);
    ASSERT_TRUE(world.store.remove(&enemy));
    Objects chain; // a walk longer than the store would be a loop
    for (int i = 0; i != -1 && chain.size() <= 3; i = world.store.entries[i]->rightNeighbour)
        chain.push_back(world.store.entries[i]);
    EXPECT_EQ(chain, (Objects{&a, &b, &c}));
    EXPECT_EQ(world.store.entries[c.leftNeighbour], &b);

    ASSERT_TRUE(world.store.remove(&b));
    EXPECT_EQ(a.rightNeighbour, -1);
    EXPECT_EQ(c.leftNeighbour, -1);
    EXPECT_EQ(b.leftNeighbour, -1); // its slots mean nothing once it has left
}

TEST(CellBookkeeping, RemovingFromTheMiddleKeepsTheOrder) {
    TestWorld world;
    Probe& a = world.add(KindEnemy, 10, 10, 8, 8);
    Probe& b = world.add(KindEnemy, 20, 20, 8, 8);
    Probe& c = world.add(KindEnemy, 30, 30, 8, 8);
    EXPECT_EQ(world.cell(0, 0), (Objects{&a, &b, &c}));
    EXPECT_TRUE(world.store.remove(&b));
    EXPECT_EQ(world.cell(0, 0), (Objects{&a, &c}));
    EXPECT_EQ(world.store.entries[1], &c);
    EXPECT_FALSE(world.store.removeAt(2));
    EXPECT_FALSE(world.store.removeAt(-1));
    EXPECT_EQ(world.store.count, 2);
}

TEST(CellBookkeeping, DoubleInsertIsRecordedTwiceAndRemovedOnceAtATime) {
    TestWorld world;
    Probe& a = world.add(KindEnemy, 95, 10, 10, 8); // cells (0, 0) and (1, 0)
    Probe& b = world.add(KindEnemy, 96, 12, 8, 8);
    ASSERT_TRUE(world.store.insert(&a));
    EXPECT_EQ(world.cell(1, 0), (Objects{&a, &b, &a}));
    EXPECT_TRUE(world.store.remove(&a));
    EXPECT_EQ(world.cell(0, 0), (Objects{&b, &a}));
    EXPECT_EQ(world.cell(1, 0), (Objects{&b, &a}));
    EXPECT_EQ(world.store.entries[1], &a);
}

TEST(CellBookkeeping, RemovingANonEntryFailsAfterClearingItsCells) {
    TestWorld world;
    Probe outsider(KindEnemy, 10, 10, 8, 8);
    Probe& a = world.add(KindEnemy, 20, 20, 8, 8);
    world.store.addToCell(0, 0, &outsider);
    world.store.addToCell(24, 0, &outsider); // off the grid: ignored
    EXPECT_FALSE(world.store.remove(&outsider));
    EXPECT_EQ(world.cell(0, 0), (Objects{&a}));
    EXPECT_EQ(world.store.count, 1);
}

TEST(FullStore, RefusesWithoutWritingOrIndexing) {
    ScopedWorkDir dir; // the refusal is logged
    TestWorld world;
    for (int i = 0; i < ObstacleStore::kMaxEntries; ++i)
        world.add(KindEnemy, 2000, 2000, 8, 8);
    Probe extra(KindEnemy, 10, 10, 8, 8);
    EXPECT_FALSE(world.store.insert(&extra));
    EXPECT_EQ(world.store.count, ObstacleStore::kMaxEntries);
    EXPECT_TRUE(world.cell(0, 0).empty());
    ASSERT_TRUE(world.store.removeAt(0));
    EXPECT_TRUE(world.store.insert(&extra));
    EXPECT_EQ(world.cell(0, 0), (Objects{&extra}));
}

} // namespace
