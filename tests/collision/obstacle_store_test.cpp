#include "collision/obstacle_store.h"

#include "support/work_dir.h"
#include "test_world.h"

#include <gtest/gtest.h>

namespace {

using Objects = std::vector<const GameObject*>;

class Linking : public ::testing::Test {
  protected:
    TestWorld world;
};

TEST_F(Linking, WallsTouchingExactlyLinkBothWays) {
    Obstacle& left = world.wall(100, 100, 256, 64);
    Obstacle& right = world.wall(356, 100, 256, 64);
    Obstacle& below = world.wall(100, 164, 256, 64);
    EXPECT_EQ(left.rightNeighbour, 1);
    EXPECT_EQ(right.leftNeighbour, 0);
    EXPECT_EQ(left.bottomNeighbour, 2);
    EXPECT_EQ(below.topNeighbour, 0);
    EXPECT_EQ(right.bottomNeighbour, -1);
    EXPECT_EQ(below.rightNeighbour, -1);
}

TEST_F(Linking, OffsetTouchAndOtherKindsDoNotLink) {
    Obstacle& wall = world.wall(100, 100, 256, 64);
    Obstacle& offset = world.wall(356, 101, 256, 64);
    world.add(KindEnemy, 100, 164, 64, 64); // exactly below, but not a wall
    EXPECT_EQ(wall.rightNeighbour, -1);
    EXPECT_EQ(wall.bottomNeighbour, -1);
    EXPECT_EQ(offset.leftNeighbour, -1);
}

TEST_F(Linking, LastScannedWallWinsATest) {
    Obstacle& first = world.wall(356, 100, 48, 48);
    Obstacle& second = world.wall(356, 100, 48, 48);
    Obstacle& wall = world.wall(100, 100, 256, 48);
    EXPECT_EQ(wall.rightNeighbour, 1);
    EXPECT_EQ(first.leftNeighbour, 2);
    EXPECT_EQ(second.leftNeighbour, 2);
}

// Follows rightNeighbour links from entry `from`; a walk longer than the store is a loop.
std::vector<const GameObject*> chainRight(const ObstacleStore& store, int from) {
    std::vector<const GameObject*> chain;
    for (int i = from; i != -1 && chain.size() <= static_cast<size_t>(store.count);
         i = store.entries[i]->rightNeighbour) {
        chain.push_back(store.entries[i]);
    }
    return chain;
}

TEST_F(Linking, LinksKeepNamingTheSameWallsAfterEarlierEntriesLeave) {
    Probe& enemy = world.add(KindEnemy, 1000, 1000, 16, 27);
    Probe& hero = world.add(KindPlayer, 1200, 1000, 46, 46);
    Obstacle& a = world.wall(100, 100, 64, 64);
    Obstacle& b = world.wall(164, 100, 64, 64);
    Obstacle& c = world.wall(228, 100, 64, 64);
    ASSERT_TRUE(world.store.remove(&enemy));
    ASSERT_TRUE(world.store.remove(&hero));
    EXPECT_EQ(chainRight(world.store, 0), (Objects{&a, &b, &c}));
    EXPECT_EQ(world.store.entries[c.leftNeighbour], &b);
    EXPECT_EQ(world.store.entries[b.leftNeighbour], &a);
}

TEST_F(Linking, RemovingAWallUnlinksItFromItsNeighbours) {
    Obstacle& a = world.wall(100, 100, 64, 64);
    Obstacle& b = world.wall(164, 100, 64, 64);
    Obstacle& c = world.wall(228, 100, 64, 64);
    ASSERT_TRUE(world.store.remove(&b));
    EXPECT_EQ(a.rightNeighbour, -1);
    EXPECT_EQ(c.leftNeighbour, -1);
    EXPECT_EQ(b.leftNeighbour, -1); // it has left the store; its slots mean nothing now
    EXPECT_EQ(b.rightNeighbour, -1);
}

class CellBookkeeping : public ::testing::Test {
  protected:
    TestWorld world;
};

TEST_F(CellBookkeeping, InsertRecordsEdgeCellsInInsertionOrder) {
    Probe& a = world.add(KindEnemy, 10, 10, 8, 8);
    Probe& b = world.add(KindEnemy, 20, 20, 8, 8);
    Probe& c = world.add(KindEnemy, 30, 30, 8, 8);
    EXPECT_EQ(world.store.count, 3);
    EXPECT_EQ(world.cell(0, 0), (Objects{&a, &b, &c}));
    EXPECT_TRUE(world.store.remove(&b));
    EXPECT_EQ(world.cell(0, 0), (Objects{&a, &c}));
    EXPECT_TRUE(world.store.remove(&a));
    EXPECT_EQ(world.cell(0, 0), (Objects{&c}));
    EXPECT_EQ(world.store.entries[0], &c);
}

TEST_F(CellBookkeeping, DoubleInsertIsRecordedTwiceAndRemovedOnceAtATime) {
    Probe& a = world.add(KindEnemy, 95, 10, 10, 8); // cells (0, 0) and (1, 0)
    Probe& b = world.add(KindEnemy, 96, 12, 8, 8);
    ASSERT_TRUE(world.store.insert(&a));
    EXPECT_EQ(world.cell(0, 0), (Objects{&a, &b, &a}));
    EXPECT_EQ(world.cell(1, 0), (Objects{&a, &b, &a}));
    EXPECT_TRUE(world.store.remove(&a));
    EXPECT_EQ(world.cell(0, 0), (Objects{&b, &a}));
    EXPECT_EQ(world.cell(1, 0), (Objects{&b, &a}));
    EXPECT_EQ(world.store.count, 2);
    EXPECT_EQ(world.store.entries[0], &b);
    EXPECT_EQ(world.store.entries[1], &a);
}

TEST_F(CellBookkeeping, RemovingANonEntryFailsAfterClearingItsCells) {
    Probe outsider(KindEnemy, 10, 10, 8, 8);
    Probe& a = world.add(KindEnemy, 20, 20, 8, 8);
    world.store.addToCell(0, 0, &outsider);
    EXPECT_FALSE(world.store.remove(&outsider));
    EXPECT_EQ(world.cell(0, 0), (Objects{&a}));
    EXPECT_FALSE(world.store.remove(nullptr));
    EXPECT_EQ(world.store.count, 1);
}

TEST_F(CellBookkeeping, RemoveAtOutsideTheEntriesChangesNothing) {
    Probe& a = world.add(KindEnemy, 20, 20, 8, 8);
    EXPECT_FALSE(world.store.removeAt(1));
    EXPECT_FALSE(world.store.removeAt(-1));
    EXPECT_EQ(world.store.count, 1);
    EXPECT_EQ(world.store.entries[0], &a);
}

TEST_F(CellBookkeeping, CellsOutsideTheGridAreIgnored) {
    Probe a(KindEnemy, 20, 20, 8, 8);
    world.store.addToCell(24, 0, &a);
    world.store.addToCell(0, -1, &a);
    world.store.removeFromCell(-1, 5, &a);
    EXPECT_EQ(world.store.cellList(24, 0), nullptr);
    world.store.removeFromCell(3, 3, &a); // empty list
    EXPECT_EQ(world.store.cellList(3, 3), nullptr);
}

TEST(FullStore, RefusesWithoutWritingOrIndexing) {
    ScopedWorkDir dir; // the refusal is logged
    ObstacleStore store;
    std::vector<std::unique_ptr<Probe>> objects;
    for (int i = 0; i < ObstacleStore::kMaxEntries; ++i) {
        objects.push_back(std::make_unique<Probe>(KindEnemy, 2000.0f, 2000.0f, 8, 8));
        ASSERT_TRUE(store.insert(objects.back().get()));
    }
    Probe extra(KindEnemy, 10, 10, 8, 8);
    EXPECT_FALSE(store.insert(&extra));
    EXPECT_EQ(store.count, ObstacleStore::kMaxEntries);
    EXPECT_EQ(store.cellList(0, 0), nullptr);
    // Room again after a removal.
    ASSERT_TRUE(store.remove(objects.front().get()));
    EXPECT_TRUE(store.insert(&extra));
    EXPECT_EQ(store.cellList(0, 0)->object, &extra);
}

} // namespace
