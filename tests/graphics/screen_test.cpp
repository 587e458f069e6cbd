// Drawing into the back buffer: the clipped copy and the sprite registry on top of it.
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "graphics/surface.h"
#include "platform/log.h"
#include "support/test_display.h"

#include "support/sprite_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Every pixel of the 16x16 test picture has its own colour.
std::uint32_t gradient(int x, int y) {
    return (16u * x) << 16 | (16u * y) << 8 | 0x80;
}

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        openTestDisplay();
        setFramePacing(false);
        ASSERT_NE(backBufferPixels(), nullptr);
        setViewCentre(400, 300); // world and screen coordinates agree
    }
    void TearDown() override { closeTestDisplay(); }

    static bool allBlack() {
        return std::all_of(backBufferPixels(), backBufferPixels() + 800 * 600,
                           [](std::uint16_t p) { return p == 0; });
    }

    ScopedWorkDir dir;
};
using Display = ScreenTest;
using Registry = ScreenTest;

TEST_F(Display, ClippingDrawsTheVisiblePartOnlyFromTheRightCorner) {
    writePicture("gradient.bmp", 16, 16, gradient);
    Surface* picture = loadBitmapSurface("gradient.bmp");
    const SourceRect whole{0, 0, 16, 16};
    for (int x : {800, 801}) // wholly off the right edge
        EXPECT_TRUE(blitClipped(x, 10, picture, whole, 0));
    EXPECT_TRUE(blitClipped(10, 10, picture, SourceRect{5, 5, 5, 10}, 0)); // no width
    EXPECT_TRUE(allBlack());
    EXPECT_TRUE(blitClipped(-3, -5, picture, whole, 0));
    EXPECT_EQ(pixelAt(0, 0), displayColour(gradient(3, 5)));
    EXPECT_EQ(pixelAt(13, 0), 0);
    EXPECT_EQ(pixelAt(0, 11), 0);
    EXPECT_TRUE(blitClipped(795, 590, picture, whole, 0));
    EXPECT_EQ(pixelAt(799, 599), displayColour(gradient(4, 9)));
    releaseSurface(picture);
}

TEST_F(Display, ColoursSharingTheKeysSixteenBitValueAreTransparent) {
    const std::uint32_t colours[] = {kMagenta, 0xFA03FE, 0xFF04FF};
    writePicture("keyed.bmp", 3, 1, [&](int x, int) { return colours[x]; });
    Surface* keyed = loadBitmapSurface("keyed.bmp");
    ASSERT_TRUE(setColourKey(keyed, kMagenta));
    const std::uint16_t ground = displayColour(0x0000FF);
    ASSERT_TRUE(clearScreen(ground));
    EXPECT_TRUE(blitClipped(0, 0, keyed, SourceRect{0, 0, 3, 1}, kBlitColourKey));
    EXPECT_EQ(pixelAt(0, 0), ground);
    EXPECT_EQ(pixelAt(1, 0), ground);
    EXPECT_EQ(pixelAt(2, 0), displayColour(0xFF04FF)); // one step of green off the key
    releaseSurface(keyed);
}

TEST_F(Registry, FramesWrapModuloTheRowsAndAColumnBeyondTheBitmapDrawsNothing) {
    writeGridSprite("walker", 8, 8, 4, 2);
    const int walker = loadImage("walker", ImageLoad::kSprite);
    const struct { int frame, column, row; } cases[] = {{5, 0, 1}, {-1, 0, 1}, {-6, 1, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frame);
        EXPECT_TRUE(drawSprite(walker, 0, 0, c.frame, c.column));
        EXPECT_EQ(pixelAt(0, 0), displayColour(cellColour(c.row, c.column)));
    }
    clearScreen(0);
    EXPECT_FALSE(drawSprite(walker, 0, 0, 0, 2));
    EXPECT_TRUE(allBlack());
}

TEST_F(Registry, FacingPicksTheSectorThatStartsAtItsBound) {
    writeGridSprite("turner", 2, 2, 16, 1);
    const int turner = loadImage("turner", ImageLoad::kSprite);
    const struct {
        float angle;
        int frame;
    } cases[] = {{0.0f, 4},   {22.9f, 4},  {23.0f, 3},  {90.0f, 0},   {359.9f, 5}, {360.0f, 4},
                 {-90.0f, 8}, {725.0f, 4}, {112.9f, 0}, {113.0f, 15}, {337.9f, 6}, {-1e9f, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        clearScreen(0);
        drawSpriteFacing(turner, 0, 0, c.angle, 0);
        EXPECT_EQ(pixelAt(0, 0), displayColour(cellColour(c.frame, 0)));
    }
}

TEST_F(Registry, ALaterBackgroundReplacesTheEarlierAndBlackLiesOutsideIt) {
    auto floor = [](int x, int y) {
        return (x < 500 ? 0x00FF00u : 0xFF0000u) | (y < 400 ? 0 : 0xFF);
    };
    writePicture("first.bmp", 800, 600, [](int, int) { return 0x0000FFu; });
    writePicture("floor.bmp", 1000, 800, floor);
    EXPECT_EQ(loadImage("first.bmp", ImageLoad::kBackground), -1); // a background takes no handle
    loadImage("floor.bmp", ImageLoad::kBackground);
    setViewCentre(500, 400);
    drawBackground();
    EXPECT_EQ(pixelAt(0, 0), displayColour(floor(100, 100)));
    EXPECT_EQ(pixelAt(799, 599), displayColour(floor(899, 699)));
    setViewCentre(800, 400); // reaches past the picture's right edge: none of it is copied
    drawBackground();
    EXPECT_TRUE(allBlack());
}

// Each cell is drawn from a surface of its own; every draw must match the copy of the same
// cell out of the whole keyed bitmap, clipped or refused alike. The bitmap has a partial
// fourth column and a partial fifth row, which only the whole bitmap can serve.
TEST_F(Registry, CellsDrawAsTheCopyOfTheirPartOfTheWholeBitmap) {
    constexpr int kCellW = 6, kCellH = 5, kWidth = 22, kHeight = 22;
    auto colour = [](int x, int y) { return (x + y) % 5 == 0 ? kMagenta : gradient(x, y); };
    writePicture("odd.bmp", kWidth, kHeight, colour);
    writeFile("odd.ini", "totalFrames = 5\nspriteWidth = 6\nspriteHeight = 5\n");
    const std::uint16_t ground = displayColour(0x204080);
    clearScreen(ground);
    const int odd = loadImage("odd", ImageLoad::kSprite);
    ASSERT_TRUE(std::all_of(backBufferPixels(), backBufferPixels() + 800 * 600,
                            [&](std::uint16_t p) { return p == ground; }))
        << "readying the cells left a mark";
    Surface* whole = loadBitmapSurface("odd.bmp");
    ASSERT_TRUE(setColourKey(whole, kMagenta));
    const struct {
        int x, y;
    } places[] = {{10, 10},  {-3, -2},  {796, 597}, {797, 10},
                  {-20, 40}, {800, 10}, {10, 600},  {-6, -5}};
    for (int frame = 0; frame < 5; ++frame)
        for (int column = 0; column < 5; ++column)
            for (const auto& at : places) {
                SCOPED_TRACE(testing::Message() << "frame " << frame << " column " << column
                                                << " at " << at.x << "," << at.y);
                clearScreen(ground);
                const SourceRect cell{column * kCellW, frame * kCellH, (column + 1) * kCellW,
                                      (frame + 1) * kCellH};
                const bool expected = blitClipped(at.x, at.y, whole, cell, kBlitColourKey);
                const std::vector<std::uint16_t> wanted(backBufferPixels(),
                                                        backBufferPixels() + 800 * 600);
                clearScreen(ground);
                ASSERT_EQ(drawSprite(odd, at.x, at.y, frame, column), expected);
                ASSERT_TRUE(std::equal(wanted.begin(), wanted.end(), backBufferPixels()));
            }
    releaseSurface(whole);
}

// The floor's pass leaves nothing of the frame before: the floor where it covers the screen,
// black wherever it does not, and black without any floor at all.
TEST_F(Registry, TheFloorPassLeavesNothingOfTheFrameBefore) {
    auto floor = [](int x, int y) {
        return (x < 500 ? 0x00FF00u : 0xFF0000u) | (y < 400 ? 0 : 0xFF);
    };
    writePicture("floor.bmp", 1000, 800, floor);
    writeFile("empty.bmp", "");
    const struct {
        const char* name;
        const char* file; // null: no floor loaded at all
        int centreX, centreY;
        bool floorShown;
    } cases[] = {
        {"covering", "floor.bmp", 500, 400, true},
        {"past the right edge", "floor.bmp", 800, 400, false},
        {"left of the floor", "floor.bmp", 300, 400, false},
        {"zero-byte file", "empty.bmp", 400, 300, false},
        {"none", nullptr, 400, 300, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        createRegistry();
        if (c.file != nullptr) loadImage(c.file, ImageLoad::kBackground);
        setViewCentre(c.centreX, c.centreY);
        clearScreen(displayColour(0x808080)); // the frame before
        drawBackground();
        if (c.floorShown) {
            EXPECT_EQ(pixelAt(0, 0), displayColour(floor(c.centreX - 400, c.centreY - 300)));
            EXPECT_EQ(pixelAt(799, 599), displayColour(floor(c.centreX + 399, c.centreY + 299)));
        } else if (c.centreX >= 400) {
            EXPECT_TRUE(allBlack());
        } else { // the picture's edge shows where the view starts left of it, black beyond
            EXPECT_EQ(pixelAt(0, 0), displayColour(floor(0, 100)));
            EXPECT_EQ(pixelAt(799, 0), 0);
        }
    }
}

TEST_F(Registry, FailedLoadsTakeHandlesUpToTheCapacity) {
    writeGridSprite("good", 4, 4, 1, 1);
    EXPECT_EQ(loadImage("good", ImageLoad::kSprite), 0);
    EXPECT_EQ(loadImage("missing", ImageLoad::kSprite), 1);
    EXPECT_EQ(loadImage("good", ImageLoad::kSprite), 2);
    EXPECT_FALSE(drawSprite(1, 0, 0, 0, 0));
    EXPECT_TRUE(drawSprite(2, 0, 0, 0, 0));
    for (int i = 3; i < kRegistryCapacity; ++i)
        ASSERT_EQ(loadImage("missing", ImageLoad::kSprite), i);
    EXPECT_EQ(loadImage("good", ImageLoad::kSprite), -1);
    EXPECT_EQ(spriteCount(), kRegistryCapacity);
    const std::string log = readFile(kLogFileName);
    EXPECT_NE(log.find("no room for another sprite"), std::string::npos);
    // Each file of a failed load is named once, on a line of its own.
    for (const char* line : {"Cannot read the picture missing.bmp (cannot be read)      *ERROR*\n",
                             "Cannot read the sprite descriptor missing.ini      *ERROR*\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    EXPECT_EQ(log.find("good."), std::string::npos);
}

} // namespace
