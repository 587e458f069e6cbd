#include "collision/matrix3.h"
#include "collision/segments.h"

#include <gtest/gtest.h>

namespace {

TEST(Parallel, RatiosDecideIncludingOppositeAndZeroVectors) {
    Vector3 a{1, 0, 0}, b{0, 1, 0};
    EXPECT_FALSE(isParallel(a, b));
    Vector3 c{2, 4, 0}, d{-1, -2, 0};
    EXPECT_TRUE(isParallel(c, d));
    Vector3 e{0, 3, 0}, f{0, 5, 0};
    EXPECT_TRUE(isParallel(e, f));
    Vector3 zero{0, 0, 0}, other{3, 4, 0};
    EXPECT_TRUE(isParallel(zero, other));
    Vector3 z1{0, 0, 0}, z2{0, 0, 0};
    EXPECT_FALSE(isParallel(z1, z2));
}

TEST(Parallel, FlattensTheCallersVectors) {
    Vector3 a{1, 2, 5}, b{2, 4, -3};
    EXPECT_TRUE(isParallel(a, b));
    EXPECT_EQ(a.z, 0.0f);
    EXPECT_EQ(b.z, 0.0f);
}

TEST(CrossLines, CrossingAndMissBothWriteTheMeetingPoint) {
    Vector3 p{0, 0, 0}, d{10, 0, 0}, q{5, -5, 0}, e{0, 10, 0}, out;
    EXPECT_TRUE(crossLines(p, q, d, e, out));
    EXPECT_FLOAT_EQ(out.x, 5.0f);
    EXPECT_FLOAT_EQ(out.y, 0.0f);

    Vector3 q2{5, 1, 0}, miss{-1, -1, -1};
    EXPECT_FALSE(crossLines(p, q2, d, e, miss));
    EXPECT_FLOAT_EQ(miss.x, 5.0f);
    EXPECT_FLOAT_EQ(miss.y, 0.0f);
}

TEST(CrossLines, TouchingEndsCount) {
    Vector3 p{0, 0, 0}, d{10, 0, 0}, out;
    Vector3 atEnd{10, -5, 0}, down{0, 5, 0}; // meets at t = 1, s = 1
    EXPECT_TRUE(crossLines(p, atEnd, d, down, out));
    Vector3 atStart{0, 0, 0}, up{0, -5, 0}; // meets at t = 0, s = 0
    EXPECT_TRUE(crossLines(p, atStart, d, up, out));
    Vector3 beyond{10.01f, -5, 0};
    EXPECT_FALSE(crossLines(p, beyond, d, down, out));
}

TEST(CrossLines, ParallelLeavesOutAlone) {
    Vector3 p{0, 0, 0}, d{10, 0, 0}, q{0, 0, 0}, e{-4, 0, 0}, out{7, 7, 7};
    EXPECT_FALSE(crossLines(p, q, d, e, out));
    EXPECT_EQ(out.x, 7.0f);
}

TEST(CrossSegments, ReportsPointAndParameterAlongTheFirst) {
    Vector3 a0{0, 0, 3}, a1{20, 0, 3}, b0{5, -5, 0}, b1{5, 5, 0}, out;
    float u = -1.0f;
    EXPECT_TRUE(crossSegments(a0, b0, a1, b1, out, u));
    EXPECT_FLOAT_EQ(u, 0.25f);
    EXPECT_FLOAT_EQ(out.x, 5.0f);
    EXPECT_EQ(a0.z, 0.0f);

    Vector3 c0{30, -5, 0}, c1{30, 5, 0};
    EXPECT_FALSE(crossSegments(a0, c0, a1, c1, out, u));
    EXPECT_FLOAT_EQ(u, 1.5f); // written although the crossing lies beyond a1
}

TEST(CrossSegments, CollinearOverlapIsParallelAndNeverMeets) {
    Vector3 a0{0, 0, 0}, a1{10, 0, 0}, b0{5, 0, 0}, b1{15, 0, 0}, out{9, 9, 0};
    float u = -1.0f;
    EXPECT_FALSE(crossSegments(a0, b0, a1, b1, out, u));
    EXPECT_EQ(u, -1.0f);
    EXPECT_EQ(out.x, 9.0f);
}

TEST(Vectors, NormaliseKeepsZeroAndScalesOthers) {
    Vector3 zero;
    normalise(zero);
    EXPECT_EQ(zero.x, 0.0f);
    EXPECT_EQ(zero.y, 0.0f);
    Vector3 v{3, 4, 0};
    normalise(v);
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.8f);
    EXPECT_FLOAT_EQ(length(v), 1.0f);
}

TEST(Matrices, MultiplyPutsTheSecondOnTheLeft) {
    Matrix3 a{{1, 2, 0, 0, 1, 0, 0, 0, 1}};
    Matrix3 b{{1, 0, 0, 3, 1, 0, 0, 0, 1}};
    Matrix3 out;
    multiply(a, b, out);
    const float expected[9] = {1, 2, 0, 3, 7, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_FLOAT_EQ(out.m[i], expected[i]) << i;
}

TEST(Matrices, TransformTreatsTheVectorAsARow) {
    Matrix3 m;
    setIdentity(m);
    m.m[1] = 5.0f; // element (0, 1)
    Vector3 out;
    transform(m, {1, 0, 0}, out);
    EXPECT_FLOAT_EQ(out.x, 1.0f);
    EXPECT_FLOAT_EQ(out.y, 5.0f);
}

TEST(Rotation, QuarterTurnAboutZTurnsClockwiseOnScreenWithTheGamesPi) {
    Vector3 v{1, 0, 0};
    const Vector3 axis{0, 0, 2}; // not unit length; the caller's copy stays as it is
    rotateVector(v, 90.0f, axis);
    EXPECT_NEAR(v.y, 1.0f, 1e-6f);
    // 3.14159 falls short of pi, so a quarter turn leaves a small positive x.
    EXPECT_GT(v.x, 1.0e-6f);
    EXPECT_LT(v.x, 2.0e-6f);
    EXPECT_EQ(axis.z, 2.0f);
}

TEST(Rotation, TheLastRotationAddedActsFirstOnARowVector) {
    Matrix3 m;
    setIdentity(m);
    rotateMatrix(m, 90.0f, {0, 0, 1});
    rotateMatrix(m, 90.0f, {1, 0, 0}); // m = Rx * Rz
    Vector3 v;
    transform(m, {0, 1, 0}, v); // y turns to z about x; z then stays under the turn about z
    EXPECT_NEAR(v.x, 0.0f, 1e-5f);
    EXPECT_NEAR(v.y, 0.0f, 1e-5f);
    EXPECT_NEAR(v.z, 1.0f, 1e-5f);
}

} // namespace
