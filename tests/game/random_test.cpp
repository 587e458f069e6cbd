#include "game/random.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomTest, SequenceFromStateOneAndReseeding) {
    seedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected)
        ASSERT_EQ(nextRandom(), value);
    // The level build seeds the generator with its own result; the run stays reproducible.
    seedRandom(1);
    int seed = nextRandom();
    seedRandom(static_cast<std::uint32_t>(seed));
    int a = nextRandom();
    seedRandom(41);
    EXPECT_EQ(a, nextRandom());
}

TEST(RandomTest, ResultsStayWithinFifteenBitsAcrossTheWrap) {
    seedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        int r = nextRandom();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

} // namespace
