// The shared generator and the plane geometry under the collision code.
#include "base/random.h"
#include "base/segments.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomTest, FollowsTheClassicSequenceAndStaysWithinFifteenBitsAcrossTheWrap) {
    seedRandom(1);
    for (int value : {41, 18467, 6334, 26500, 19169, 15724})
        ASSERT_EQ(nextRandom(), value);
    seedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        int r = nextRandom();
        ASSERT_TRUE(r >= 0 && r <= 32767) << r;
    }
}

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

} // namespace
