#include "collision/cell_set.h"
#include "collision/segments.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Parallel, RatiosDecideIncludingOppositeAndZeroVectors) {
    const struct {
        Vector3 a, b;
        bool parallel;
    } cases[] = {{{1, 0, 0}, {0, 1, 0}, false}, {{2, 4, 0}, {-1, -2, 0}, true},
                 {{0, 3, 0}, {0, 5, 0}, true},  {{0, 0, 0}, {3, 4, 0}, true},
                 {{0, 0, 0}, {0, 0, 0}, false}, {{1, 2, 5}, {2, 4, -3}, true}}; // z is flattened
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.a.x << "," << c.a.y << " / " << c.b.x << "," << c.b.y);
        EXPECT_EQ(isParallel(c.a, c.b), c.parallel);
    }
}

TEST(CrossLines, EndsCountAndCollinearNeverMeets) {
    const struct {
        Vector3 q, e;
        bool meets;
    } cases[] = {{{5, -5, 0}, {0, 10, 0}, true},
                 {{5, 1, 0}, {0, 10, 0}, false},
                 {{10, -5, 0}, {0, 5, 0}, true}, // touches at t = 1 and s = 1
                 {{10.01f, -5, 0}, {0, 5, 0}, false},
                 {{3, 0, 0}, {10, 0, 0}, false}}; // collinear and overlapping
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.q.x << "," << c.q.y);
        Vector3 p{0, 0, 0}, d{10, 0, 0}, out{7, 7, 0};
        EXPECT_EQ(crossLines(p, c.q, d, c.e, out), c.meets);
    }
}

TEST(CrossSegments, ParameterAlongTheFirstAndCollinearNeverMeets) {
    Vector3 a0{0, 0, 3}, a1{20, 0, 3}, b0{5, -5, 0}, b1{5, 5, 0}, out;
    float u = -1.0f;
    EXPECT_TRUE(crossSegments(a0, b0, a1, b1, out, u));
    EXPECT_EQ(u, 0.25f);
    Vector3 overlap0{5, 0, 0}, overlap1{15, 0, 0};
    EXPECT_FALSE(crossSegments(a0, overlap0, a1, overlap1, out, u));
}

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
