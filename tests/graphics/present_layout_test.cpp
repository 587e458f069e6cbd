#include "graphics/present_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace {

void expectLayout(int outW, int outH, PresentLayout expected) {
    const PresentLayout got = presentLayout(800, 600, outW, outH);
    EXPECT_EQ(got.factor, expected.factor) << outW << "x" << outH;
    EXPECT_EQ(got.x, expected.x) << outW << "x" << outH;
    EXPECT_EQ(got.y, expected.y) << outW << "x" << outH;
    EXPECT_EQ(got.width, expected.width) << outW << "x" << outH;
    EXPECT_EQ(got.height, expected.height) << outW << "x" << outH;
}

TEST(PresentLayout, WholeMultipleFirstThenLetterboxedToTheLargestFit) {
    expectLayout(800, 600, {1, 0, 0, 800, 600});
    expectLayout(1280, 1024, {1, 0, 32, 1280, 960});   // bars above and below
    expectLayout(1920, 1080, {1, 240, 0, 1440, 1080}); // bars left and right
    expectLayout(1600, 1200, {2, 0, 0, 1600, 1200});   // exact double: no smoothing left
    expectLayout(2560, 1440, {2, 320, 0, 1920, 1440});
    expectLayout(3840, 2160, {3, 480, 0, 2880, 2160});
    expectLayout(640, 480, {1, 0, 0, 640, 480}); // smaller than the frame
}

// The layout is taken in the renderer's pixels: a 1280x720 window on a scale-2 desktop has
// 2560x1440 of them and earns the doubled frame, not the single one blurred up by the desktop.
TEST(PresentLayout, HiDpiOutputTwiceTheWindowGetsTwiceTheSharpness) {
    expectLayout(1280, 720, {1, 160, 0, 960, 720});
    expectLayout(2 * 1280, 2 * 720, {2, 320, 0, 1920, 1440});
}

// Integer scaling keeps the whole multiple and leaves black bars round it.
TEST(PresentLayout, IntegerScalingStopsAtTheWholeMultiple) {
    const struct {
        int outW, outH;
        PresentLayout expected;
    } cases[] = {
        {800, 600, {1, 0, 0, 800, 600}},         {1280, 1024, {1, 240, 212, 800, 600}},
        {1920, 1080, {1, 560, 240, 800, 600}},   {2560, 1440, {2, 480, 120, 1600, 1200}},
        {3840, 2160, {3, 720, 180, 2400, 1800}}, {640, 480, {1, 0, 0, 640, 480}},
    };
    for (const auto& c : cases) {
        const PresentLayout got = integerLayout(800, 600, c.outW, c.outH);
        EXPECT_EQ((std::array{got.factor, got.x, got.y, got.width, got.height}),
                  (std::array{c.expected.factor, c.expected.x, c.expected.y, c.expected.width,
                              c.expected.height}))
            << c.outW << "x" << c.outH;
    }
}

} // namespace
