#include "collision/cell_set.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Cells = std::vector<std::pair<int, int>>;

TEST(CellWalk, VisitsEachCellOnceInPathOrderInsideTheWorld) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float x0, y0, x1, y1;
        Cells cells;
    } cases[] = {
        {50, 50, 350, 50, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
        {50,
         50,
         450,
         430,
         {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}}},
        {150, 150, 50, 50, {{1, 1}, {0, 0}}}, // through a corner
        {50, 50, 100.5f, 50, {{0, 0}}},       // an end inside the 1 px margin is not reached
        {50, 50, 101.5f, 50, {{0, 0}, {1, 0}}},
        {50, 50, 2400, 50, {}}, // any end outside the world adds nothing
        {50, -0.5f, 50, 50, {}},
        {50, 50, nan, 50, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1);
        CellSet set;
        cellsAlongSegment(c.x0, c.y0, c.x1, c.y1, set);
        Cells got;
        for (int i = 0; i < set.count; ++i)
            got.emplace_back(set.cells[i].cx, set.cells[i].cy);
        EXPECT_EQ(got, c.cells);
    }
}

} // namespace
