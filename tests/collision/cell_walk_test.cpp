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

TEST(CellWalk, PointAndStraightRun) {
    EXPECT_EQ(walk(50, 50, 50, 50), (Cells{{0, 0}}));
    EXPECT_EQ(walk(50, 50, 350, 50), (Cells{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(walk(350, 50, 50, 50), (Cells{{3, 0}, {2, 0}, {1, 0}, {0, 0}}));
}

TEST(CellWalk, DiagonalStepsThroughEachCellInOrder) {
    EXPECT_EQ(walk(50, 50, 450, 430),
              (Cells{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}}));
}

TEST(CellWalk, ThroughACornerStepsDiagonally) {
    EXPECT_EQ(walk(150, 150, 50, 50), (Cells{{1, 1}, {0, 0}}));
}

TEST(CellWalk, EndWithinTheOnePixelMarginIsNotReached) {
    EXPECT_EQ(walk(50, 50, 100.5f, 50), (Cells{{0, 0}}));
    EXPECT_EQ(walk(50, 50, 101.5f, 50), (Cells{{0, 0}, {1, 0}}));
}

TEST(CellWalk, AnyEndOutsideTheWorldAddsNothing) {
    EXPECT_TRUE(walk(50, 50, 2400, 50).empty());
    EXPECT_TRUE(walk(50, 50, 50, -0.5f).empty());
    EXPECT_EQ(walk(2399.9f, 50, 2399.9f, 150), (Cells{{23, 0}, {23, 1}}));
}

TEST(CellWalk, NotANumberCountsAsOutside) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(walk(50, 50, nan, 50).empty());
}

TEST(CellSet, KeepsFirstOrderDropsRepeatsAndStopsAtOneHundred) {
    CellSet set;
    addCell(3, 4, set);
    addCell(1, 1, set);
    addCell(3, 4, set);
    EXPECT_EQ(pairsOf(set), (Cells{{3, 4}, {1, 1}}));
    for (int i = 0; i < 200; ++i)
        addCell(i, 0, set);
    EXPECT_EQ(set.count, kMaxSetCells);
    EXPECT_EQ(set.cells[99].cx, 97); // the two first pairs plus (0, 0) to (97, 0)
}

TEST(CellSet, PixelToCellTruncates) {
    int x = 199, y = 2399;
    pixelToCell(x, y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 23);
}

TEST(EdgeCells, WalksTopRightBottomLeft) {
    Obstacle block(150, 90, 48, 48, 0);
    CellSet set;
    edgeCells(block, set);
    EXPECT_EQ(pairsOf(set), (Cells{{1, 0}, {1, 1}}));

    Obstacle wall(50, 150, 256, 64, 0); // spans four columns
    CellSet wide;
    edgeCells(wall, wide);
    EXPECT_EQ(pairsOf(wide),
              (Cells{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}, {0, 2}}));
}

TEST(EdgeCells, EdgesCrossingTheWorldBorderAreLeftOut) {
    Obstacle block(2380, 50, 48, 48, 0); // right edge at 2428
    CellSet set;
    edgeCells(block, set);
    EXPECT_EQ(pairsOf(set), (Cells{{23, 0}})); // only the left edge lies wholly inside
}

} // namespace
