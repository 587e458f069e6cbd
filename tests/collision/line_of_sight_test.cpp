// Sight lines, blocking sides and the detour waypoints round wall chains.
#include "collision/line_of_sight.h"

#include "base/random.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

constexpr int kW = 15; // a Mario's box
constexpr int kH = 16;
constexpr std::uint32_t kSeed = 4242;

class SightTest : public ::testing::Test {
  protected:
    // Two walls, one on top of the other, linked into a chain 300..364 by 100..612.
    void stackWalls() {
        upper = &world.wall(300, 100, 64, 256);
        lower = &world.wall(300, 356, 64, 256);
    }
    // Reads the generator's next draws into d, then puts it back where it was.
    void peekDraws() {
        seedRandom(kSeed);
        for (int& draw : d)
            draw = nextRandom();
        seedRandom(kSeed);
    }
    void expectDrawsUsed(int used) { EXPECT_EQ(nextRandom(), d[used]) << used << " draws"; }
    // The waypoint of a blocked look, or (-1, -1) when the target is in view.
    std::pair<int, int> look(int x, int y, int tx, int ty) {
        bool visible = true;
        std::pair<int, int> w{-1, -1};
        lineOfSight(&world.store, x, y, kW, kH, tx, ty, visible, w.first, w.second);
        return w;
    }

    TestWorld world;
    int d[5] = {};
    Obstacle* upper = nullptr;
    Obstacle* lower = nullptr;
};

TEST(SightLineStart, StartsBeyondTheSideAwayFromTheTarget) {
    const SightPoint onRow = sightLineStart(100, 100, kW, kH, 200, 100);
    const SightPoint belowLeft = sightLineStart(100, 100, kW, kH, 50, 200);
    EXPECT_EQ(std::make_pair(onRow.x, onRow.y), std::make_pair(98, 108));
    EXPECT_EQ(std::make_pair(belowLeft.x, belowLeft.y), std::make_pair(117, 98));
}

TEST_F(SightTest, LineWithinOnePixelOfAWallsTopSlipsPast) {
    Obstacle& w = world.wall(300, 100, 64, 256);
    int index = -1, side = 0;
    EXPECT_FALSE(firstBlockingSide(&world.store, 100, 100, 500, 100, index, side));
    EXPECT_EQ(side, kSideNone);
    ASSERT_TRUE(firstBlockingSide(&world.store, 100, 101, 500, 101, index, side));
    EXPECT_EQ(side, kSideLeft);
    EXPECT_EQ(index, 0);
    world.store.remove(&w);
    w.y = 99.1f; // the line at 100 now runs 0.9 px below the top
    world.store.insert(&w);
    EXPECT_FALSE(firstBlockingSide(&world.store, 100, 100, 500, 100, index, side));
}

TEST_F(SightTest, EitherWallOfAStackGivesTheSameDetourPastTheLeftSide) {
    stackWalls();
    peekDraws();
    const int y = d[3] > 16200 ? 100 - kH - 5 - d[1] % 10 : 612 + 5 + d[2] % 15;
    for (int fromY : {200, 450}) { // meets the upper, then the lower wall's left side
        SCOPED_TRACE(fromY);
        seedRandom(kSeed);
        EXPECT_EQ(look(100, fromY, 500, 400), std::make_pair(300 - kW - 10 - d[0] % 10, y));
        expectDrawsUsed(4);
    }
}

TEST_F(SightTest, TargetBeyondBothEndsTakesTheNearerEndWithoutADraw) {
    stackWalls();
    peekDraws();
    EXPECT_EQ(look(100, 300, 500, 700).second, 612 + 5 + d[2] % 15);
    expectDrawsUsed(3);
    seedRandom(kSeed);
    EXPECT_EQ(look(100, 300, 500, 20).second, 100 - kH - 5 - d[1] % 10);
    expectDrawsUsed(3);
}

TEST_F(SightTest, CycleOfLinksCannotHangTheWalk) {
    stackWalls();
    upper->topNeighbour = 1;
    lower->bottomNeighbour = 0;
    EXPECT_NE(look(100, 200, 500, 400).first, -1);
}

TEST_F(SightTest, LoneBlockSeenFromAboveGivesTopSideWaypoints) {
    world.wall(400, 400, 48, 48);
    peekDraws();
    const int x = d[3] > 16200 ? 400 + 58 + d[0] % 15 : 400 - kW - d[2] % 10;
    EXPECT_EQ(look(410, 200, 420, 600), std::make_pair(x, 400 - kH - 10 - d[1] % 15));
    expectDrawsUsed(4);
}

} // namespace
