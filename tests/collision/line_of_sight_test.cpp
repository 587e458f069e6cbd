// Sight lines, blocking sides and the detour waypoints round wall chains.
#include "collision/line_of_sight.h"

#include "game/random.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kW = 15; // a Mario's box
constexpr int kH = 16;
constexpr std::uint32_t kSeed = 4242;

class SightTest : public ::testing::Test {
  protected:
    void SetUp() override { seedRandom(kSeed); }

    Obstacle* wall(int x, int y, int w, int h) { return &world.wall(x, y, w, h); }

    int indexOf(const GameObject* o) const {
        for (int i = 0; i < store.count; ++i) {
            if (store.entries[i] == o) return i;
        }
        return -1;
    }

    // The next n draws of the generator, which is then put back where it was.
    static std::vector<int> upcomingDraws(int n) {
        std::vector<int> draws;
        seedRandom(kSeed);
        for (int i = 0; i < n; ++i)
            draws.push_back(nextRandom());
        seedRandom(kSeed);
        return draws;
    }

    struct Sight {
        bool visible;
        int wx;
        int wy;
    };
    Sight look(int x, int y, int tx, int ty) {
        Sight s{true, -1, -1};
        lineOfSight(&store, x, y, kW, kH, tx, ty, s.visible, s.wx, s.wy);
        return s;
    }

    TestWorld world;
    ObstacleStore& store = world.store;
};

// Expects the generator to have made exactly `used` of the draws.
void expectDrawsUsed(const std::vector<int>& draws, int used) {
    EXPECT_EQ(nextRandom(), draws[used]) << "the waypoint should take " << used << " draws";
}

TEST(SightLineStart, StartsBeyondTheSideAwayFromTheTarget) {
    SightPoint onRow = sightLineStart(100, 100, kW, kH, 200, 100);
    EXPECT_EQ(onRow.x, 98);
    EXPECT_EQ(onRow.y, 108);
    SightPoint belowLeft = sightLineStart(100, 100, kW, kH, 50, 200);
    EXPECT_EQ(belowLeft.x, 117);
    EXPECT_EQ(belowLeft.y, 98);
}

TEST_F(SightTest, LineWithinOnePixelOfAWallsTopSlipsPast) {
    Obstacle* w = wall(300, 100, 64, 256);
    int index = -1;
    int edge = 0;
    EXPECT_FALSE(firstBlockingEdge(&store, 100, 100, 500, 100, index, edge));
    EXPECT_EQ(edge, kEdgeNone);
    EXPECT_EQ(index, -1);

    ASSERT_TRUE(firstBlockingEdge(&store, 100, 101, 500, 101, index, edge));
    EXPECT_EQ(edge, kEdgeLeft);
    EXPECT_EQ(index, 0);
    ASSERT_TRUE(firstBlockingEdge(&store, 500, 101, 100, 101, index, edge));
    EXPECT_EQ(edge, kEdgeRight);

    store.remove(w);
    w->y = 99.1f; // the line at 100 now runs 0.9 px below the top
    store.insert(w);
    EXPECT_FALSE(firstBlockingEdge(&store, 100, 100, 500, 100, index, edge));
}

TEST_F(SightTest, NearestSideBlocksAndTiesKeepTheEarlierEntry) {
    wall(600, 100, 64, 256);
    Obstacle* nearer = wall(300, 100, 64, 256);
    wall(300, 100, 64, 256); // the same place again
    int index = -1;
    int edge = 0;
    ASSERT_TRUE(firstBlockingEdge(&store, 100, 200, 900, 200, index, edge));
    EXPECT_EQ(index, indexOf(nearer));
    EXPECT_EQ(edge, kEdgeLeft);
    // A line that just reaches a side is blocked by it: the ends count.
    ASSERT_TRUE(firstBlockingEdge(&store, 100, 200, 300, 200, index, edge));
    EXPECT_EQ(index, indexOf(nearer));
    EXPECT_FALSE(firstBlockingEdge(&store, 100, 200, 299, 200, index, edge));
    // Looking down onto the wide wall's corner region: the top side is met first.
    ASSERT_TRUE(firstBlockingEdge(&store, 320, 50, 320, 400, index, edge));
    EXPECT_EQ(edge, kEdgeTop);
    ASSERT_TRUE(firstBlockingEdge(&store, 320, 500, 320, 50, index, edge));
    EXPECT_EQ(edge, kEdgeBottom);
}

class StackedWalls : public SightTest {
  protected:
    void SetUp() override {
        SightTest::SetUp();
        upper = wall(300, 100, 64, 256);
        lower = wall(300, 356, 64, 256);
    }

    static int expectedX(const std::vector<int>& d) { return 300 - kW - 10 - d[0] % 10; }
    static int above(const std::vector<int>& d) { return 100 - kH - 5 - d[1] % 10; }
    static int below(const std::vector<int>& d) { return 612 + 5 + d[2] % 15; }

    Obstacle* upper = nullptr;
    Obstacle* lower = nullptr;
};

TEST_F(StackedWalls, EitherWallOfTheChainGivesTheSameDetour) {
    const std::vector<int> d = upcomingDraws(5);
    const int chosen = d[3] > 16200 ? above(d) : below(d);

    Sight viaUpper = look(100, 200, 500, 400); // meets the upper wall's left side
    EXPECT_FALSE(viaUpper.visible);
    EXPECT_EQ(viaUpper.wx, expectedX(d));
    EXPECT_EQ(viaUpper.wy, chosen);
    expectDrawsUsed(d, 4);

    seedRandom(kSeed);
    Sight viaLower = look(100, 450, 500, 400); // meets the lower wall's left side
    EXPECT_EQ(viaLower.wx, expectedX(d));
    EXPECT_EQ(viaLower.wy, chosen);
}

TEST_F(StackedWalls, TargetBeyondBothEndsTakesTheNearerEndWithoutADraw) {
    const std::vector<int> d = upcomingDraws(4);
    Sight towardsBottom = look(100, 300, 500, 700);
    EXPECT_EQ(towardsBottom.wx, expectedX(d));
    EXPECT_EQ(towardsBottom.wy, below(d));
    expectDrawsUsed(d, 3);

    seedRandom(kSeed);
    Sight towardsTop = look(100, 300, 500, 20);
    EXPECT_EQ(towardsTop.wy, above(d));
    expectDrawsUsed(d, 3);
}

TEST_F(SightTest, ChainSurvivesTheRemovalOfAnEarlierEntry) {
    // Enemies sit in the store before the walls; when one dies every wall moves down a slot.
    Probe& enemy = world.add(KindEnemy, 50, 50, kW, kH);
    wall(300, 100, 64, 256);
    wall(300, 356, 64, 256);
    ASSERT_TRUE(store.remove(&enemy));

    const std::vector<int> d = upcomingDraws(4);
    Sight s = look(100, 600, 600, 20); // meets the lower wall's left side
    EXPECT_FALSE(s.visible);
    EXPECT_EQ(s.wy, 100 - kH - 5 - d[1] % 10); // the walk still climbs to the upper wall
}

TEST_F(StackedWalls, CycleOfLinksCannotHangTheWalk) {
    upper->topNeighbour = indexOf(lower);
    lower->bottomNeighbour = indexOf(upper);
    Sight s = look(100, 200, 500, 400);
    EXPECT_FALSE(s.visible);
}

TEST_F(SightTest, LoneBlockSeenFromAboveGivesTopSideWaypoints) {
    wall(400, 400, 48, 48);
    const std::vector<int> d = upcomingDraws(5);
    const int right = 400 + 58 + d[0] % 15;
    const int left = 400 - kW - d[2] % 10;
    Sight s = look(410, 200, 420, 600);
    EXPECT_FALSE(s.visible);
    EXPECT_EQ(s.wy, 400 - kH - 10 - d[1] % 15);
    EXPECT_EQ(s.wx, d[3] > 16200 ? right : left);
    expectDrawsUsed(d, 4);
}

TEST_F(SightTest, LoneBlockSeenFromTheRightKeepsTenPixelsAbove) {
    wall(400, 400, 48, 48);
    const std::vector<int> d = upcomingDraws(5);
    const int up = 400 - kH - 10 - d[1] % 10;
    const int down = 448 + 5 + d[2] % 15;
    Sight s = look(600, 410, 300, 420);
    EXPECT_FALSE(s.visible);
    EXPECT_EQ(s.wx, 448 + 10 + d[0] % 10);
    EXPECT_EQ(s.wy, d[3] > 16200 ? up : down);
    expectDrawsUsed(d, 4);
}

TEST_F(SightTest, WideChainSeenFromBelowWalksToBothEnds) {
    wall(300, 500, 256, 64);
    wall(556, 500, 256, 64);
    const std::vector<int> d = upcomingDraws(4);
    const int right = 812 + 10 + d[0] % 10;
    const int left = 300 - kW - 10 - d[1] % 10;
    Sight s = look(400, 700, 420, 300); // meets the left wall's bottom side
    EXPECT_FALSE(s.visible);
    EXPECT_EQ(s.wy, 574);
    EXPECT_EQ(s.wx, d[2] > 16200 ? right : left);
    expectDrawsUsed(d, 3);
}

} // namespace
