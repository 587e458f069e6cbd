#include "collision/cell_set.h"

#include "test_world.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Cells = std::vector<std::pair<int, int>>;

Cells walk(float x0, float y0, float x1, float y1) {
    CellSet set;
    cellsAlongSegment(x0, y0, x1, y1, set);
    return pairsOf(set);
}

TEST(CellWalk, VisitsEachCellOnceInPathOrder) {
    EXPECT_EQ(walk(50, 50, 50, 50), (Cells{{0, 0}}));
    EXPECT_EQ(walk(50, 50, 350, 50), (Cells{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    const Cells diagonal{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}};
    EXPECT_EQ(walk(50, 50, 450, 430), diagonal);
    EXPECT_EQ(walk(150, 150, 50, 50), (Cells{{1, 1}, {0, 0}})); // through a corner
}

TEST(CellWalk, AnEndInsideTheOnePixelMarginIsNotReached) {
    EXPECT_EQ(walk(50, 50, 100.5f, 50), (Cells{{0, 0}}));
    EXPECT_EQ(walk(50, 50, 101.5f, 50), (Cells{{0, 0}, {1, 0}}));
}

TEST(CellWalk, AnyEndOutsideTheWorldAddsNothing) {
    EXPECT_TRUE(walk(50, 50, 2400, 50).empty());
    EXPECT_TRUE(walk(50, -0.5f, 50, 50).empty());
    EXPECT_TRUE(walk(50, 50, std::numeric_limits<float>::quiet_NaN(), 50).empty());
}

TEST(CellSet, DropsRepeatsAndStopsAtOneHundred) {
    CellSet set;
    addCell(3, 4, set);
    addCell(3, 4, set);
    EXPECT_EQ(set.count, 1);
    for (int i = 0; i < 200; ++i)
        addCell(i, 0, set);
    EXPECT_EQ(set.count, kMaxSetCells);
    EXPECT_EQ(set.cells[99].cx, 98);
}

TEST(EdgeCells, WalksTopRightBottomLeftAndSkipsEdgesLeavingTheWorld) {
    CellSet wide;
    edgeCells(Obstacle(50, 150, 256, 64, 0), wide);
    EXPECT_EQ(pairsOf(wide),
              (Cells{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}, {0, 2}}));
    CellSet border;
    edgeCells(Obstacle(2380, 50, 48, 48, 0), border); // right edge at 2428
    EXPECT_EQ(pairsOf(border), (Cells{{23, 0}}));
}

} // namespace
