// The title screens driven pass by pass through the real pump, clock and sound table: the
// menu's keys, the rising pictures and the music that goes with them.
#include "core/gui.h"
#include "game/assets.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/key_state.h"
#include "platform/platform.h"
#include "sound/sound_manager.h"

#include "screen_fixture.h"
#include "sprite_files.h"

#include <AL/al.h>

#include <filesystem>

namespace {

constexpr std::uint32_t kMenuColour = 0x204060;
constexpr std::uint32_t kIntroColour = 0x80C040;
constexpr std::uint32_t kEndColour = 0x4080C0;
constexpr int kCursorFrames = 4;

std::uint32_t cursorColour(int frame) {
    return 0x300000u * static_cast<std::uint32_t>(frame + 1) | 0x00A000u;
}

class TitleTest : public ScreenFixture {
  protected:
    TitleTest() {
        std::filesystem::create_directory("images");
        const auto solid = [](std::uint32_t rgb) { return [rgb](int) { return rgb; }; };
        writeColumnSprite("images/GUI", 4, 4, 1, solid(kMenuColour));
        writeColumnSprite("images/rocket_animated", 8, 8, kCursorFrames, cursorColour);
        writeColumnSprite("images/intro_screen", 8, 8, 1, solid(kIntroColour));
        writeColumnSprite("images/end_screen", 8, 8, 1, solid(kEndColour));
        linkGameFolder("sounds");
        assets.outroSound = loadSound("./sounds/outro.wav");
        createGuiTextures();
    }

    // One main-loop pass on the title screens, ms after the previous one, on a black screen.
    int pass(double ms = 20) {
        pump(ms);
        clearScreen(0);
        return gui.updateTitle();
    }

    static bool cursorAt(int entry) {
        return pixelAt(260, 333 + 57 * entry) ==
               displayColour(cursorColour(gui.cursorFrame % kCursorFrames));
    }

    static bool looping(int sound) {
        ALint on = AL_FALSE;
        alGetSourcei(soundManager().sounds.at(sound).source, AL_LOOPING, &on);
        return on == AL_TRUE;
    }
};

TEST_F(TitleTest, UpAndDownMoveOncePerPressAndWrapBothWays) {
    EXPECT_EQ(pass(), 0);
    EXPECT_EQ(pixelAt(0, 0), displayColour(kMenuColour));
    EXPECT_TRUE(cursorAt(0));

    queueKeyEvent(kDownKey, true);
    EXPECT_EQ(pass(), 0);
    EXPECT_EQ(gui.selection, 1);
    EXPECT_EQ(keyDown(kDownKey), 0);
    // No key-up has come, but the press is used up: holding the key moves nothing more.
    pass();
    EXPECT_EQ(gui.selection, 1);
    EXPECT_TRUE(cursorAt(1));
    EXPECT_FALSE(cursorAt(0));

    queueKeyEvent(kDownKey, true); // a repeat is a new press
    pass();
    EXPECT_EQ(gui.selection, 0);
    queueKeyEvent(kUpKey, true);
    pass();
    EXPECT_EQ(gui.selection, 1);
    EXPECT_TRUE(cursorAt(1));
    queueKeyEvent(kUpKey, true);
    pass();
    EXPECT_EQ(gui.selection, 0);
    EXPECT_EQ(keyDown(kUpKey), 0);
}

TEST_F(TitleTest, EnterIsTestedBeforeTheWrapAndQuitStopsTheProgram) {
    queueKeyEvent(kUpKey, true);
    queueKeyEvent(kEnterKey, true);
    EXPECT_EQ(pass(), 0);
    EXPECT_EQ(gui.screen, 0) << "Up and Enter together on the first entry take nothing";
    EXPECT_EQ(gui.selection, 1);
    EXPECT_EQ(enterKeyDown(), 0);
    EXPECT_TRUE(cursorAt(1));

    queueKeyEvent(kEnterKey, true);
    EXPECT_EQ(pass(), -1);
    EXPECT_EQ(gui.screen, 2);
}

TEST_F(TitleTest, EnterOnPlayOpensTheIntro) {
    queueKeyEvent(kEnterKey, true);
    EXPECT_EQ(pass(), 0);
    EXPECT_EQ(gui.screen, 1);
    EXPECT_EQ(enterKeyDown(), 0);
    EXPECT_EQ(pass(100), 0);
    EXPECT_EQ(gui.scrollOffset, 3);
}

TEST_F(TitleTest, TheCursorTakesAFrameEvery60MsOnTheMenu) {
    for (int i = 1; i <= 12; ++i) {
        pass(25);
        const int expected = 25 * i / 60;
        ASSERT_EQ(gui.cursorFrame, expected) << "after " << 25 * i << " ms";
        // The registry wraps the frame into the cursor's own frame count.
        EXPECT_TRUE(cursorAt(0));
    }
}

TEST_F(TitleTest, TheIntroRisesAt30PxASecondOnePassBehindAndStopsAt600) {
    gui.screen = 1;
    pass(1020);
    EXPECT_EQ(gui.scrollOffset, 30); // 30.6 truncated
    pass(1000);
    EXPECT_EQ(gui.scrollOffset, 60);
    // The view was set from the previous offset, 30: the top edge is 570 px down.
    EXPECT_EQ(pixelAt(0, 570), displayColour(kIntroColour));
    EXPECT_EQ(pixelAt(0, 569), 0);

    pass(17980);
    EXPECT_EQ(gui.scrollOffset, 600);
    pass(5000);
    EXPECT_EQ(gui.scrollOffset, 600);
    EXPECT_EQ(pixelAt(0, 0), displayColour(kIntroColour));
}

TEST_F(TitleTest, EscapeOnTheIntroStartsTheGameWithTheKeyUsedUp) {
    ASSERT_TRUE(soundPlaying(introMusic)) << "the intro music starts with the GUI";
    EXPECT_TRUE(looping(introMusic));
    gui.screen = 1;
    pass(1020);
    queueKeyEvent(kEscapeKey, true);
    EXPECT_EQ(pass(), 1);
    EXPECT_EQ(keyDown(kEscapeKey), 0);
    EXPECT_EQ(gui.screen, 0);
    EXPECT_EQ(gui.scrollOffset, 0);
    EXPECT_EQ(gui.introClock, 1020.0f) << "the intro shows once a run";
    EXPECT_FALSE(soundPlaying(introMusic));
}

TEST_F(TitleTest, TheEndScreenLoopsTheOutroRisesTo1300AndEscapeStops) {
    const int music = loadSound("./sounds/level1.wav");
    playSound(music);
    ASSERT_TRUE(soundPlaying(introMusic));
    ASSERT_TRUE(soundPlaying(music));

    startEndScreen();
    EXPECT_EQ(gui.screen, 3);
    EXPECT_FALSE(soundPlaying(introMusic));
    EXPECT_FALSE(soundPlaying(music));
    EXPECT_TRUE(soundPlaying(assets.outroSound));
    EXPECT_TRUE(looping(assets.outroSound));

    EXPECT_EQ(pass(43000), 0);
    EXPECT_EQ(gui.scrollOffset, 1290);
    pass(1000);
    EXPECT_EQ(gui.scrollOffset, 1300);
    pass(10000);
    EXPECT_EQ(gui.scrollOffset, 1300);
    // Risen 1300 px: the picture's top is 700 px above the screen, off it.
    EXPECT_EQ(pixelAt(0, 0), 0);

    queueKeyEvent(kEscapeKey, true);
    EXPECT_EQ(pass(), -1);
    EXPECT_EQ(keyDown(kEscapeKey), 0);
    EXPECT_EQ(gui.screen, 0);
    EXPECT_EQ(gui.endClock, 0.0f);
    EXPECT_EQ(gui.scrollOffset, 0);
}

} // namespace
