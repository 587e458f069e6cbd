#include "collision/matrix3.h"
#include "collision/segments.h"

#include <gtest/gtest.h>

namespace {

bool parallel(Vector3 a, Vector3 b) {
    return isParallel(a, b);
}

TEST(Parallel, RatiosDecideIncludingOppositeAndZeroVectors) {
    EXPECT_FALSE(parallel({1, 0, 0}, {0, 1, 0}));
    EXPECT_TRUE(parallel({2, 4, 0}, {-1, -2, 0}));
    EXPECT_TRUE(parallel({0, 3, 0}, {0, 5, 0}));
    EXPECT_TRUE(parallel({0, 0, 0}, {3, 4, 0}));
    EXPECT_FALSE(parallel({0, 0, 0}, {0, 0, 0}));
    Vector3 a{1, 2, 5}, b{2, 4, -3};
    EXPECT_TRUE(isParallel(a, b));
    EXPECT_EQ(a.z + b.z, 0.0f); // the callers' vectors are flattened
}

TEST(CrossLines, EndsCountAndAMissStillWritesTheMeetingPoint) {
    Vector3 p{0, 0, 0}, d{10, 0, 0}, q{5, -5, 0}, e{0, 10, 0}, out;
    EXPECT_TRUE(crossLines(p, q, d, e, out));
    EXPECT_EQ(out.x, 5.0f);
    Vector3 below{5, 1, 0}, miss;
    EXPECT_FALSE(crossLines(p, below, d, e, miss));
    EXPECT_EQ(miss.x, 5.0f);
    EXPECT_EQ(miss.y, 0.0f);
    Vector3 atEnd{10, -5, 0}, down{0, 5, 0}; // t = 1 and s = 1
    EXPECT_TRUE(crossLines(p, atEnd, d, down, out));
    Vector3 beyond{10.01f, -5, 0};
    EXPECT_FALSE(crossLines(p, beyond, d, down, out));
    Vector3 along{3, 0, 0}, untouched{7, 7, 0};
    EXPECT_FALSE(crossLines(p, along, d, d, untouched));
    EXPECT_EQ(untouched.x, 7.0f);
}

TEST(CrossSegments, ParameterAlongTheFirstAndCollinearNeverMeets) {
    Vector3 a0{0, 0, 3}, a1{20, 0, 3}, b0{5, -5, 0}, b1{5, 5, 0}, out;
    float u = -1.0f;
    EXPECT_TRUE(crossSegments(a0, b0, a1, b1, out, u));
    EXPECT_EQ(u, 0.25f);
    Vector3 c0{30, -5, 0}, c1{30, 5, 0};
    EXPECT_FALSE(crossSegments(a0, c0, a1, c1, out, u));
    EXPECT_EQ(u, 1.5f); // written although it lies beyond a1
    Vector3 overlap0{5, 0, 0}, overlap1{15, 0, 0};
    u = -1.0f;
    EXPECT_FALSE(crossSegments(a0, overlap0, a1, overlap1, out, u));
    EXPECT_EQ(u, -1.0f);
}

TEST(Vectors, NormaliseKeepsZeroAndScalesOthers) {
    Vector3 zero, v{3, 4, 0};
    normalise(zero);
    normalise(v);
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.8f);
}

TEST(Rotation, QuarterTurnAboutZWithTheGamesPi) {
    Vector3 v{1, 0, 0};
    rotateVector(v, 90.0f, {0, 0, 2});
    EXPECT_NEAR(v.y, 1.0f, 1e-6f);
    // 3.14159 falls short of pi, so a quarter turn leaves a small positive x.
    EXPECT_GT(v.x, 1.0e-6f);
    EXPECT_LT(v.x, 2.0e-6f);
}

TEST(Rotation, TheLastRotationAddedActsFirstOnARowVector) {
    Matrix3 m;
    setIdentity(m);
    rotateMatrix(m, 90.0f, {0, 0, 1});
    rotateMatrix(m, 90.0f, {1, 0, 0}); // m = Rx * Rz
    Vector3 v;
    transform(m, {0, 1, 0}, v); // y turns to z about x; z then stays under the turn about z
    EXPECT_NEAR(v.x, 0.0f, 1e-5f);
    EXPECT_NEAR(v.z, 1.0f, 1e-5f);
}

} // namespace
