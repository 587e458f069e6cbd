#include "graphics/display.h"
#include "graphics/surface.h"
#include "platform/log.h"
#include "platform/platform.h"

#include "sprite_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every pixel of the 16x16 test picture has its own colour.
std::uint32_t gradient(int x, int y) {
    return (static_cast<std::uint32_t>(x * 16) << 16) | (static_cast<std::uint32_t>(y * 16) << 8) |
           0x80;
}

class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        initPlatform();
        setFramePacing(false);
        ASSERT_NE(backBufferPixels(), nullptr);
        writePicture("gradient.bmp", 16, 16, gradient);
        picture = loadBitmapSurface("gradient.bmp");
        ASSERT_NE(picture, nullptr);
    }
    void TearDown() override {
        releaseSurface(picture);
        shutdownPlatform();
    }

    bool blackExceptDrawn() const {
        int drawn = 0;
        for (int i = 0; i < 800 * 600; ++i)
            drawn += backBufferPixels()[i] != 0;
        return drawn == 0;
    }

    ScopedWorkDir dir;
    Surface* picture = nullptr;
    const SourceRect whole{0, 0, 16, 16};
};

TEST_F(DisplayTest, PartlyLeftAndAboveDrawsTheVisiblePartFromTheCorner) {
    EXPECT_TRUE(blitClipped(-3, -5, picture, whole, kBlitWait));
    EXPECT_EQ(pixelAt(0, 0), displayColour(gradient(3, 5)));
    EXPECT_EQ(pixelAt(12, 10), displayColour(gradient(15, 15)));
    EXPECT_EQ(pixelAt(13, 0), 0);
    EXPECT_EQ(pixelAt(0, 11), 0);
}

TEST_F(DisplayTest, RightAndBottomEdgesCutTheCopy) {
    EXPECT_TRUE(blitClipped(795, 590, picture, whole, kBlitWait));
    EXPECT_EQ(pixelAt(799, 599), displayColour(gradient(4, 9)));
    EXPECT_EQ(pixelAt(795, 590), displayColour(gradient(0, 0)));
}

TEST_F(DisplayTest, NothingLeftToDrawStillSucceeds) {
    EXPECT_TRUE(blitClipped(800, 10, picture, whole, kBlitWait));
    EXPECT_TRUE(blitClipped(801, 10, picture, whole, kBlitWait));
    EXPECT_TRUE(blitClipped(10, 600, picture, whole, kBlitWait));
    EXPECT_TRUE(blitClipped(-16, 10, picture, whole, kBlitWait));
    EXPECT_TRUE(blitClipped(10, 10, picture, SourceRect{5, 5, 5, 10}, kBlitWait));
    EXPECT_TRUE(blackExceptDrawn());
}

TEST_F(DisplayTest, ASourceRectangleOutsideItsSurfaceDrawsNothingAndFails) {
    EXPECT_FALSE(blitClipped(10, 10, picture, SourceRect{8, 0, 24, 16}, kBlitWait));
    EXPECT_FALSE(blitClipped(10, 10, picture, SourceRect{0, 8, 16, 17}, kBlitWait));
    EXPECT_FALSE(blitClipped(10, 10, nullptr, whole, kBlitWait));
    EXPECT_TRUE(blackExceptDrawn());
}

TEST_F(DisplayTest, ANegativeSourceEdgeIsMovedInWithoutMovingTheCopy) {
    EXPECT_TRUE(blitClipped(20, 20, picture, SourceRect{-4, 0, 8, 8}, kBlitWait));
    EXPECT_EQ(pixelAt(20, 20), displayColour(gradient(0, 0)));
    EXPECT_EQ(pixelAt(27, 20), displayColour(gradient(7, 0)));
    EXPECT_EQ(pixelAt(28, 20), 0);
}

TEST_F(DisplayTest, ColoursSharingTheKeysSixteenBitValueAreTransparent) {
    const std::uint32_t colours[] = {kMagenta, 0xFA03FE, 0xFF04FF, 0x00FF00};
    writePicture("keyed.bmp", 4, 1, [&](int x, int) { return colours[x]; });
    Surface* keyed = loadBitmapSurface("keyed.bmp");
    ASSERT_NE(keyed, nullptr);
    ASSERT_TRUE(setColourKey(keyed, kMagenta));
    const std::uint16_t ground = displayColour(0x0000FF);
    ASSERT_TRUE(clearScreen(ground));
    EXPECT_TRUE(blitClipped(0, 0, keyed, SourceRect{0, 0, 4, 1}, kBlitColourKey | kBlitWait));
    EXPECT_EQ(pixelAt(0, 0), ground);
    EXPECT_EQ(pixelAt(1, 0), ground);
    EXPECT_EQ(pixelAt(2, 0), displayColour(0xFF04FF)); // one step of green off the key
    EXPECT_EQ(pixelAt(3, 0), displayColour(0x00FF00));
    // Without the key flag the same surface is copied opaque.
    EXPECT_TRUE(blitClipped(0, 1, keyed, SourceRect{0, 0, 4, 1}, kBlitWait));
    EXPECT_EQ(pixelAt(0, 1), displayColour(kMagenta));
    releaseSurface(keyed);
}

TEST_F(DisplayTest, SavedBackBufferReadsBackPixelForPixel) {
    ASSERT_TRUE(clearScreen(displayColour(0x336699)));
    blitClipped(100, 200, picture, whole, kBlitWait);
    const std::vector<std::uint16_t> before(backBufferPixels(), backBufferPixels() + 800 * 600);
    ASSERT_TRUE(saveBackBuffer("shot.bmp"));
    Surface* shot = loadBitmapSurface("shot.bmp");
    ASSERT_NE(shot, nullptr);
    clearScreen(0);
    EXPECT_TRUE(blitClipped(0, 0, shot, SourceRect{0, 0, 800, 600}, kBlitWait));
    EXPECT_TRUE(std::equal(before.begin(), before.end(), backBufferPixels()));
    releaseSurface(shot);
}

TEST_F(DisplayTest, FlipsLeaveTheBackBufferAsDrawn) {
    blitClipped(0, 0, picture, whole, kBlitWait);
    for (int pass = 0; pass < 3; ++pass)
        pumpMessages();
    EXPECT_EQ(pixelAt(5, 6), displayColour(gradient(5, 6)));
    EXPECT_EQ(readFile(kLogFileName).find("*ERROR*"), std::string::npos); // presenting was set up
}

TEST(Display, NothingIsDrawnBeforeSetUp) {
    EXPECT_EQ(backBufferPixels(), nullptr);
    EXPECT_FALSE(clearScreen(0));
    EXPECT_FALSE(saveBackBuffer("never.bmp"));
    flipDisplay();
}

} // namespace
