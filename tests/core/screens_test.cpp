// The title screens and the head-up display driven pass by pass through the real pump,
// clock, sound table and back buffer. The pictures are small solid blocks; every font glyph
// has its own colour and is 10 px wide, so the 20 px cells show their gaps.
#include "core/game_screen.h"
#include "core/gui.h"
#include "core/services.h"
#include "core/text.h"
#include "game/assets.h"
#include "game/player.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/key_state.h"
#include "sound/sound_manager.h"

#include "support/game_folder.h"
#include "support/sprite_files.h"
#include "support/test_level.h"
#include "support/work_dir.h"

#include <AL/al.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kGlyphWidth = 10;
constexpr int kGlyphHeight = 4;
constexpr std::uint32_t kCursorColour = 0x30A000;
constexpr std::uint32_t kIntroColour = 0x80C040;
constexpr std::uint32_t kIconColour = 0x30C0C0;

// Red counts the frame (one 5-bit step each), green tells the fonts apart.
std::uint32_t letterColour(int frame) {
    return (8u * static_cast<std::uint32_t>(frame + 1)) << 16 | 0x2000u;
}
std::uint32_t digitColour(int frame) {
    return (8u * static_cast<std::uint32_t>(frame + 1)) << 16 | 0x8040u;
}

// Writes images/name.bmp and .ini: a column of frames cells, each filled with colourOf(frame).
void writeSprite(const std::string& name, int width, int height, int frames,
                 const std::function<std::uint32_t(int)>& colourOf) {
    const std::string base = "images/" + name;
    writePicture(base + ".bmp", width, height * frames,
                 [&](int, int y) { return colourOf(y / height); });
    writeFile(base + ".ini", "totalFrames = " + std::to_string(frames) +
                                 "\nspriteWidth = " + std::to_string(width) +
                                 "\nspriteHeight = " + std::to_string(height) + "\n");
}

// A test level whose title sprites and fonts are written into its work folder and loaded by
// createGuiTextures, with the game's sounds reached through a link; the armour, health and
// handgun pictures are all the test icon.
class ScreensTest : public LevelTest {
  protected:
    ScreensTest() : LevelTest(TestLevel::kEmpty, writeScreens) {
        setFramePacing(false);
        createGuiTextures();
        // The colour the registry draws for the letter font's frame of a minus sign.
        drawSprite(assets.fontAzV, 700, 500, '-' - 'A', 0);
        minus = pixelAt(700, 500);
        clearScreen(0);
    }
    static void writeScreens() {
        std::filesystem::create_directory("images");
        const auto solid = [](std::uint32_t rgb) { return [rgb](int) { return rgb; }; };
        writeSprite("GUI", 4, 4, 1, solid(0x204060));
        writeSprite("rocket_animated", 8, 8, 1, solid(kCursorColour));
        writeSprite("intro_screen", 8, 8, 1, solid(kIntroColour));
        writeSprite("end_screen", 8, 8, 1, solid(0x4080C0));
        writeSprite("fontaz_v", kGlyphWidth, kGlyphHeight, 26, letterColour);
        writeSprite("font09_v", kGlyphWidth, kGlyphHeight, 10, digitColour);
        for (const char* name : {"armor", "health", "handgun"})
            writeSprite(name, 6, 6, 2,
                        [](int frame) { return frame == 0 ? kIconColour : 0xC0C030; });
        linkGameFolder("sounds");
    }

    // Advances the clock by ms and runs the pump: frameTime() becomes ms, queued keys land.
    void pump(double ms) {
        level.advanceClock(ms);
        pumpMessages();
    }
    // One main-loop pass on the title screens, ms after the previous one, on a black screen.
    int pass(double ms = 20) {
        pump(ms);
        clearScreen(0);
        return gui.updateTitle();
    }

    // Passes of equal length, none longer than the clock lets one pass be, that take ms in
    // all; the last one's result.
    int passesFor(double ms) {
        const int count = static_cast<int>(std::ceil(ms / kLongestPass));
        int result = 0;
        for (int i = 0; i < count; ++i)
            result = pass(ms / count);
        return result;
    }
    static constexpr double kLongestPass = 250;

    static bool cursorAt(int entry) {
        return pixelAt(260, 333 + 57 * entry) == displayColour(kCursorColour);
    }
    static bool looping(int sound) {
        ALint on = AL_FALSE;
        alGetSourcei(soundManager().sounds.at(sound).source, AL_LOOPING, &on);
        return on == AL_TRUE;
    }
    // Whether the screen shows text of capitals, digits and spaces with its first cell at
    // (x, y): each glyph's whole cell in its font frame's colour, a space's cell black.
    static bool shows(int x, int y, const std::string& text) {
        for (char c : text) {
            const std::uint32_t rgb =
                std::isdigit(c) ? digitColour(c - '0') : letterColour(c - 'A');
            const std::uint16_t want = c == ' ' ? 0 : displayColour(rgb);
            if (pixelAt(x, y) != want || pixelAt(x + kGlyphWidth - 1, y + kGlyphHeight - 1) != want)
                return false;
            x += 20;
        }
        return true;
    }
    static bool iconAt(int x, int y) {
        return pixelAt(x, y) == displayColour(kIconColour) &&
               pixelAt(x + 5, y + 5) == displayColour(kIconColour);
    }

    std::uint16_t minus = 0;
};

TEST_F(ScreensTest, MenuKeysMoveOncePerPressWrapBothWaysAndEnterComesBeforeTheWrap) {
    const struct {
        std::vector<int> keys;
        int result, screen, selection;
    } steps[] = {
        {{kDownKey}, 0, 0, 1},
        // No key-up came, but the press is used up.
        {{}, 0, 0, 1},
        {{kDownKey}, 0, 0, 0},
        {{kUpKey}, 0, 0, 1},
        {{kUpKey}, 0, 0, 0},
        // Enter is tested before the wrap: on entry -1 it takes nothing.
        {{kUpKey, kEnterKey}, 0, 0, 1},
        // QUIT.
        {{kEnterKey}, -1, 2, 1},
    };
    for (const auto& step : steps) {
        for (int key : step.keys)
            queueKeyEvent(key, true);
        EXPECT_EQ(pass(), step.result);
        EXPECT_EQ(gui.screen, step.screen);
        EXPECT_EQ(gui.selection, step.selection);
        EXPECT_FALSE(keyDown(kUpKey) || keyDown(kDownKey) || enterKeyDown());
        // The quitting pass ends before it draws.
        EXPECT_TRUE(step.result != 0 ||
                    (cursorAt(step.selection) && !cursorAt(1 - step.selection)));
    }
}

TEST_F(ScreensTest, PlayOpensTheIntroThatRisesAt30PxASecondOnePassBehindUpTo600) {
    queueKeyEvent(kEnterKey, true);
    EXPECT_EQ(pass(), 0);
    EXPECT_EQ(gui.screen, 1);
    EXPECT_EQ(enterKeyDown(), 0);

    passesFor(1020);
    EXPECT_EQ(gui.scrollOffset, 30); // 30.6 truncated
    pass(250);
    EXPECT_EQ(gui.scrollOffset, 38); // 38.1
    // The view was set from the previous offset, 30: the top edge is 570 px down.
    EXPECT_EQ(pixelAt(0, 570), displayColour(kIntroColour));
    EXPECT_EQ(pixelAt(0, 569), 0);
    passesFor(18750);
    EXPECT_EQ(gui.scrollOffset, 600);
    passesFor(5000);
    EXPECT_EQ(gui.scrollOffset, 600);
}

TEST_F(ScreensTest, EscapeOnTheIntroStartsTheGameWithTheKeyUsedUp) {
    ASSERT_TRUE(soundPlaying(assets.introSound)) << "the intro music starts with the GUI";
    EXPECT_TRUE(looping(assets.introSound));
    gui.screen = 1;
    passesFor(1020);
    queueKeyEvent(kEscapeKey, true);
    EXPECT_EQ(pass(), 1);
    EXPECT_EQ(keyDown(kEscapeKey), 0);
    EXPECT_EQ(gui.screen, 0);
    EXPECT_EQ(gui.scrollOffset, 0);
    EXPECT_EQ(gui.introClock, 1020.0f) << "the intro shows once a run";
    EXPECT_FALSE(soundPlaying(assets.introSound));
}

TEST_F(ScreensTest, TheEndScreenLoopsTheOutroRisesTo1300AndEscapeStops) {
    const int music = loadSound("./sounds/level1.wav");
    playSound(music);
    ASSERT_TRUE(soundPlaying(assets.introSound) && soundPlaying(music));
    startEndScreen();
    EXPECT_EQ(gui.screen, 3);
    EXPECT_FALSE(soundPlaying(assets.introSound) || soundPlaying(music));
    EXPECT_TRUE(soundPlaying(assets.outroSound) && looping(assets.outroSound));

    EXPECT_EQ(passesFor(43000), 0);
    EXPECT_EQ(gui.scrollOffset, 1290);
    passesFor(1000);
    EXPECT_EQ(gui.scrollOffset, 1300);
    passesFor(10000);
    EXPECT_EQ(gui.scrollOffset, 1300);

    queueKeyEvent(kEscapeKey, true);
    EXPECT_EQ(pass(), -1);
    EXPECT_EQ(keyDown(kEscapeKey), 0);
    EXPECT_EQ(gui.screen, 0);
    EXPECT_EQ(gui.endClock, 0.0f);
}

TEST_F(ScreensTest, TextTakesItsFontsIn20PxCellsAtTheScreenPointWhateverTheView) {
    ASSERT_NE(minus, 0);
    setViewCentre(1733, 951);
    drawText(100, 40, "A9 Z0");
    drawText(100, 80, "%i", -7);
    drawIcon(assets.armor, 50, 60);
    EXPECT_TRUE(shows(100, 40, "A9 Z0"));
    EXPECT_EQ(pixelAt(100 + kGlyphWidth, 40), 0);
    EXPECT_EQ(pixelAt(100, 80), minus) << "a minus is the letter font's frame, folded";
    EXPECT_TRUE(shows(120, 80, "7"));
    EXPECT_TRUE(iconAt(50, 60));
}

TEST_F(ScreensTest, TextIsCutAt255CharactersAndANullFormatDrawsNothing) {
    const std::string text(300, 'C');
    // Started 254 cells left of the screen: the last character kept lands at x = 0.
    drawText(-20 * 254, 0, "%s", text.c_str());
    EXPECT_TRUE(shows(0, 0, "C "));

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
    const char* none = nullptr; // a null format on purpose
    drawText(300, 300, none);
#pragma GCC diagnostic pop
    EXPECT_EQ(pixelAt(300, 300), 0);
}

TEST_F(ScreensTest, CountersAndIconsSitAtTheirPlaces) {
    player.score = 135;
    player.enemiesLeft = 42;
    player.armour = -5;
    player.health = 87;
    player.weapon->ammo = 16;
    drawHud();
    EXPECT_TRUE(shows(30, 10, "LEVEL 1"));
    EXPECT_TRUE(shows(250, 10, "SCORE 135"));
    EXPECT_TRUE(shows(500, 10, "ENEMIES 42"));
    EXPECT_TRUE(iconAt(420, 550) && iconAt(300, 550) && iconAt(10, 550));
    EXPECT_EQ(pixelAt(450, 550), minus);
    EXPECT_TRUE(shows(470, 550, "5"));
    EXPECT_TRUE(shows(330, 550, "87"));
    // The shots left: the weapon never spends its last unit.
    EXPECT_TRUE(shows(55, 550, "15"));
}

TEST_F(ScreensTest, TheDeathNoticeShowsForTwoSecondsAfterADeath) {
    const auto noticeAfter = [this](double ms) {
        for (; ms > kLongestPass; ms -= kLongestPass)
            pump(kLongestPass);
        pump(ms);
        clearScreen(0);
        drawHud();
        return shows(200, 300, "TRY NOT TO DIE SO MUCH");
    };
    EXPECT_FALSE(noticeAfter(500)) << "no death yet";
    player.deathTime = now();
    EXPECT_TRUE(noticeAfter(0));
    EXPECT_TRUE(noticeAfter(1999));
    EXPECT_FALSE(noticeAfter(1)) << "gone at exactly 2000 ms";
}

} // namespace
