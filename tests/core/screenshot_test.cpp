// F12 through the real pump: the frame lands as a PNG in the pictures folder, pixel for pixel
// the back buffer.
#include "core/services.h"
#include "graphics/display.h"
#include "graphics/surface.h"
#include "platform/events.h"
#include "platform/log.h"
#include "platform/manual_clock.h"

#include "support/sprite_files.h"
#include "support/work_dir.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

constexpr int kF12 = 0x58;

class ScreenshotTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setClockSource(&clock);
        initPlatform();
        drawGradient();
    }
    void TearDown() override {
        shutdownPlatform();
        setClockSource(nullptr);
        unsetenv("XDG_PICTURES_DIR");
    }
    // A picture in which every channel varies, so a swapped or shifted channel shows.
    static void drawGradient() {
        writePicture("gradient.bmp", 256, 200,
                     [](int x, int y) { return std::uint32_t(x << 16 | y << 8 | (x ^ y)); });
        Surface* gradient = loadBitmapSurface("gradient.bmp");
        clearScreen(displayColour(0x2040A0));
        EXPECT_TRUE(blitClipped(300, 200, gradient, SourceRect{0, 0, 256, 200}, 0));
        releaseSurface(gradient);
    }
    static void pressF12() {
        queueKeyEvent(kF12, true);
        pumpMessages();
        queueKeyEvent(kF12, false);
        pumpMessages();
    }

    ScopedWorkDir dir;
    ManualClockSource clock;
};

TEST_F(ScreenshotTest, F12SavesTheBackBufferAsAPngInThePicturesFolder) {
    const auto folder = dir.path() / "shots" / "new"; // made when missing
    setenv("XDG_PICTURES_DIR", folder.c_str(), 1);
    pressF12();
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    const auto file = std::filesystem::directory_iterator(folder)->path();
    EXPECT_TRUE(std::regex_match(file.filename().string(),
                                 std::regex(R"(quorvish-blemp-\d{8}-\d{6}\.png)")));
    EXPECT_NE(readFile(kLogFileName).find("Screenshot saved: " + file.string()), std::string::npos);

    SDL_Surface* png = IMG_Load(file.c_str());
    ASSERT_NE(png, nullptr) << IMG_GetError();
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(png, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(png);
    ASSERT_EQ(rgb->w, 800);
    ASSERT_EQ(rgb->h, 600);
    int differing = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            differing += displayColour(static_cast<Uint32*>(rgb->pixels)[y * rgb->pitch / 4 + x] &
                                       0xFFFFFF) != pixelAt(x, y);
    SDL_FreeSurface(rgb);
    EXPECT_EQ(differing, 0);
}

TEST_F(ScreenshotTest, AnUnwritableFolderIsLoggedAndTheGameGoesOn) {
    writeFile("a-file", "not a folder\n");
    setenv("XDG_PICTURES_DIR", (dir.path() / "a-file" / "pictures").c_str(), 1);
    pressF12();
    const std::string log = readFile(kLogFileName);
    EXPECT_NE(log.find("Screenshot not saved: cannot write"), std::string::npos) << log;
    EXPECT_EQ(log.find("Screenshot saved"), std::string::npos);
    clock.advance(16);
    pumpMessages();
    EXPECT_FLOAT_EQ(frameTime(), 16.0f);
}

} // namespace
