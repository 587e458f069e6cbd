#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "graphics/surface.h"
#include "platform/log.h"
#include "platform/platform.h"

#include "sprite_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        initPlatform();
        setFramePacing(false);
        ASSERT_NE(backBufferPixels(), nullptr);
        setViewCentre(400, 300); // world and screen coordinates agree
    }
    void TearDown() override { shutdownPlatform(); }

    // Draws the handle's cell at the screen corner on black and tells its colour there.
    std::uint16_t drawnAtCorner(int handle, int frame, int column) {
        clearScreen(0);
        drawSprite(handle, 0, 0, frame, column);
        return pixelAt(0, 0);
    }

    std::uint16_t facingAtCorner(int handle, float angle) {
        clearScreen(0);
        drawSpriteFacing(handle, 0, 0, angle, 0);
        return pixelAt(0, 0);
    }

    ScopedWorkDir dir;
};

TEST_F(RegistryTest, FramesWrapModuloTheRowsWithNegativesMirrored) {
    writeGridSprite("walker", 8, 8, 4, 2);
    const int walker = loadImage("walker", 2);
    EXPECT_EQ(drawnAtCorner(walker, 5, 0), displayColour(cellColour(1, 0)));
    EXPECT_EQ(drawnAtCorner(walker, -1, 0), displayColour(cellColour(1, 0)));
    EXPECT_EQ(drawnAtCorner(walker, -6, 1), displayColour(cellColour(2, 1)));
    EXPECT_EQ(drawnAtCorner(walker, 3, 1), displayColour(cellColour(3, 1)));
}

TEST_F(RegistryTest, AColumnBeyondTheBitmapDrawsNothing) {
    writeGridSprite("walker", 8, 8, 4, 2);
    const int walker = loadImage("walker", 2);
    clearScreen(0);
    EXPECT_FALSE(drawSprite(walker, 0, 0, 0, 2));
    EXPECT_FALSE(drawSprite(walker, 0, 0, 0, 0x7FFFFFFF));
    EXPECT_EQ(pixelAt(0, 0), 0);
    EXPECT_EQ(pixelAt(7, 7), 0);
}

TEST_F(RegistryTest, MagentaInsideACellStaysTransparent) {
    writePicture("ring.bmp", 3, 3,
                 [](int x, int y) { return x == 1 && y == 1 ? kMagenta : 0xFFFFFF; });
    writeFile("ring.ini", "totalFrames = 1\nspriteWidth = 3\nspriteHeight = 3\n");
    const int ring = loadImage("ring", 2);
    clearScreen(displayColour(0x0000FF));
    EXPECT_TRUE(drawSprite(ring, 10, 10, 0, 0));
    EXPECT_EQ(pixelAt(11, 11), displayColour(0x0000FF));
    EXPECT_EQ(pixelAt(10, 10), displayColour(0xFFFFFF));
}

TEST_F(RegistryTest, TheViewTurnsWorldPositionsIntoScreenPositions) {
    writeGridSprite("dot", 2, 2, 1, 1);
    const int dot = loadImage("dot", 2);
    setViewCentre(1000, 2000);
    int x = 0, y = 0;
    getViewCentre(x, y);
    EXPECT_EQ(x, 1000);
    EXPECT_EQ(y, 2000);
    clearScreen(0);
    EXPECT_TRUE(drawSprite(dot, 600, 1700, 0, 0)); // the view's top-left corner
    EXPECT_EQ(pixelAt(0, 0), displayColour(cellColour(0, 0)));
    EXPECT_TRUE(drawSprite(dot, 1400, 1700, 0, 0)); // just past its right edge
    EXPECT_EQ(pixelAt(799, 0), 0);
}

TEST_F(RegistryTest, FacingPicksTheSectorThatStartsAtItsBound) {
    writeGridSprite("turner", 2, 2, 16, 1);
    const int turner = loadImage("turner", 2);
    const struct {
        float angle;
        int frame;
    } cases[] = {{0.0f, 4},   {22.9f, 4},  {23.0f, 3},  {90.0f, 0},   {359.9f, 5}, {360.0f, 4},
                 {-90.0f, 8}, {725.0f, 4}, {112.9f, 0}, {113.0f, 15}, {337.9f, 6}, {-1e9f, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(facingAtCorner(turner, c.angle), displayColour(cellColour(c.frame, 0)))
            << "angle " << c.angle;
    }
}

TEST_F(RegistryTest, BackgroundIsAWindowOntoItsPictureAndBlackOutsideIt) {
    auto floor = [](int x, int y) {
        return (x < 500 ? 0x00FF00u : 0xFF0000u) | (y < 400 ? 0 : 0xFF);
    };
    writePicture("floor.bmp", 1000, 800, floor);
    EXPECT_EQ(loadImage("floor.bmp", 0), -1); // a background takes no handle
    setViewCentre(500, 400);
    drawBackground();
    EXPECT_EQ(pixelAt(0, 0), displayColour(floor(100, 100)));
    EXPECT_EQ(pixelAt(400, 300), displayColour(floor(500, 400)));
    EXPECT_EQ(pixelAt(799, 599), displayColour(floor(899, 699)));

    setViewCentre(800, 400); // reaches past the picture's right edge
    drawBackground();
    EXPECT_EQ(pixelAt(0, 0), 0);
    EXPECT_EQ(pixelAt(799, 599), 0);
}

TEST_F(RegistryTest, ALaterBackgroundReplacesTheEarlierOne) {
    writePicture("first.bmp", 800, 600, [](int, int) { return 0x00FF00u; });
    writePicture("second.bmp", 800, 600, [](int, int) { return 0x0000FFu; });
    loadImage("first.bmp", 0);
    loadImage("second.bmp", 0);
    drawBackground();
    EXPECT_EQ(pixelAt(10, 10), displayColour(0x0000FF));
    // A background that cannot load leaves none: the frame keeps what it had.
    loadImage("absent.bmp", 0);
    clearScreen(displayColour(0xFF0000));
    drawBackground();
    EXPECT_EQ(pixelAt(10, 10), displayColour(0xFF0000));
}

TEST_F(RegistryTest, HandlesCountUpAcrossFailedLoadsButNotBackgrounds) {
    writeGridSprite("good", 4, 4, 1, 1);
    EXPECT_EQ(loadImage("good", 2), 0);
    EXPECT_EQ(loadImage("missing", 2), 1);
    EXPECT_EQ(loadImage("good.bmp", 0), 1);
    EXPECT_EQ(loadImage("good", 1), 1);
    EXPECT_EQ(loadImage("good", 7), 2);
    EXPECT_EQ(spriteCount(), 3);
    EXPECT_TRUE(spriteInfo(0).loaded);
    EXPECT_FALSE(spriteInfo(1).loaded);
    EXPECT_STREQ(spriteInfo(1).path, "missing");
    EXPECT_FALSE(drawSprite(1, 0, 0, 0, 0));
    EXPECT_FALSE(drawSprite(3, 0, 0, 0, 0));
    EXPECT_FALSE(drawSprite(-1, 0, 0, 0, 0));
}

TEST_F(RegistryTest, ThePastLastSpriteLoadIsRefusedAndLogged) {
    for (int i = 0; i < kRegistryCapacity; ++i)
        ASSERT_EQ(loadImage("missing", 2), i);
    EXPECT_EQ(loadImage("missing", 2), -1);
    EXPECT_EQ(spriteCount(), kRegistryCapacity);
    EXPECT_NE(readFile(kLogFileName).find("*ERROR*"), std::string::npos);
}

TEST_F(RegistryTest, BadSpriteFilesLeaveAnUnusableSpriteThatDrawsNothing) {
    writeGridSprite("good", 4, 4, 2, 1);
    const std::string bitmap = readFile("good.bmp");
    const std::string descriptor = readFile("good.ini");
    const struct {
        const char* name;
        std::string bmp;
        std::string ini;
    } cases[] = {
        {"no_descriptor", bitmap, ""},
        {"no_frames", bitmap, "spriteWidth = 4\nspriteHeight = 4\n"},
        {"zero_frames", bitmap, "totalFrames = 0\nspriteWidth = 4\nspriteHeight = 4\n"},
        {"negative_width", bitmap, "totalFrames = 2\nspriteWidth = -4\nspriteHeight = 4\n"},
        {"corrupt_bitmap", bitmap.substr(0, 60), descriptor},
        {"empty_bitmap", "", descriptor},
        {"huge_claim",
         "BM" + bitmap.substr(2, 16) + std::string("\x80\xF0\xFA\x02", 4) + bitmap.substr(22),
         descriptor},
    };
    for (const auto& c : cases) {
        writeFile(std::string(c.name) + ".bmp", c.bmp);
        if (!c.ini.empty()) writeFile(std::string(c.name) + ".ini", c.ini);
        const int handle = loadImage(c.name, 2);
        EXPECT_FALSE(spriteInfo(handle).loaded) << c.name;
        EXPECT_FALSE(drawSprite(handle, 0, 0, 1, 0)) << c.name;
    }
    EXPECT_FALSE(spriteInfo(loadImage(std::string(300, 'p').c_str(), 2)).loaded);
}

} // namespace
