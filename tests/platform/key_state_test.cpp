#include "platform/clock.h"
#include "platform/events.h"
#include "platform/key_state.h"
#include "platform/manual_clock.h"
#include "platform/scancode_table.h"
#include "platform/window.h"

#include "support/work_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

// Key events travel the real pump: pushed into SDL's queue, drained by pumpEvents.
class KeyPumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setClockSource(&clock);
        startClock();
        resetKeyState();
        ASSERT_TRUE(createGameWindow());
    }
    void TearDown() override {
        closeGameWindow();
        setClockSource(nullptr);
    }
    static void push(Uint32 type, SDL_Scancode code, bool repeat = false, Uint16 mod = 0) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = code;
        event.key.keysym.mod = mod;
        event.key.repeat = repeat ? 1 : 0;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }
    void pass() {
        clock.advance(10);
        updateClock();
        pumpEvents();
    }
    ScopedWorkDir dir;
    ManualClockSource clock;
};

TEST_F(KeyPumpTest, KeypadAndArrowsShareOneEntry) {
    push(SDL_KEYDOWN, SDL_SCANCODE_KP_8);
    pass();
    EXPECT_EQ(keyDown(kUpKey), 1);
    push(SDL_KEYUP, SDL_SCANCODE_UP);
    push(SDL_KEYDOWN, SDL_SCANCODE_KP_ENTER);
    pass();
    EXPECT_EQ(keyDown(kUpKey), 0);
    EXPECT_EQ(enterKeyDown(), 1);
}

TEST_F(KeyPumpTest, RepeatHoldsAClearedKeyAgainAndRestampsIt) {
    push(SDL_KEYDOWN, SDL_SCANCODE_SPACE);
    pass();
    const float firstPress = keyEntry(kSpaceKey).pressTime;
    EXPECT_FLOAT_EQ(firstPress, now());
    clearKey(kSpaceKey);
    pass();
    EXPECT_EQ(keyDown(kSpaceKey), 0);
    push(SDL_KEYDOWN, SDL_SCANCODE_SPACE, true);
    pass();
    EXPECT_EQ(keyDown(kSpaceKey), 1);
    EXPECT_GT(keyEntry(kSpaceKey).pressTime, firstPress);
}

TEST_F(KeyPumpTest, AltCombinationsAreRecordedAndDoNotClose) {
    push(SDL_KEYDOWN, SDL_SCANCODE_LALT);
    push(SDL_KEYDOWN, SDL_SCANCODE_F4);
    pass();
    EXPECT_EQ(keyDown(0x38), 1);
    EXPECT_EQ(keyDown(0x3E), 1);
    EXPECT_FALSE(quitRequested());
}

TEST_F(KeyPumpTest, KeysWithoutACodeChangeNothing) {
    push(SDL_KEYDOWN, SDL_SCANCODE_F13); // no set-1 code
    pass();
    for (int code = 0; code < 256; ++code)
        ASSERT_EQ(keyDown(code), 0) << code;
}

TEST_F(KeyPumpTest, WindowCloseRequestIsSeen) {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    pass();
    EXPECT_TRUE(quitRequested());
}

// Alt+Enter and F11 switch the window between full-screen and a window, F12 asks for a
// screenshot; none of them is a pressed key.
TEST_F(KeyPumpTest, WindowChordsActAndNeverReachTheKeyTable) {
    const auto fullScreen = [] {
        return (SDL_GetWindowFlags(gameWindow()) & SDL_WINDOW_FULLSCREEN) != 0;
    };
    ASSERT_TRUE(fullScreen());
    push(SDL_KEYDOWN, SDL_SCANCODE_LALT);
    push(SDL_KEYDOWN, SDL_SCANCODE_RETURN, false, KMOD_LALT);
    pass();
    EXPECT_FALSE(fullScreen());
    EXPECT_EQ(enterKeyDown(), 0);
    push(SDL_KEYUP, SDL_SCANCODE_LALT);
    push(SDL_KEYDOWN, SDL_SCANCODE_F11);
    pass();
    EXPECT_TRUE(fullScreen());
    EXPECT_FALSE(takeScreenshotRequest());
    push(SDL_KEYDOWN, SDL_SCANCODE_F12);
    pass();
    EXPECT_TRUE(takeScreenshotRequest());
    EXPECT_FALSE(takeScreenshotRequest());
    push(SDL_KEYDOWN, SDL_SCANCODE_RETURN); // without Alt, Enter is a key again
    pass();
    EXPECT_EQ(enterKeyDown(), 1);
}

TEST_F(KeyPumpTest, QueuedKeyEventsTravelThePumpBackToTheirCodes) {
    constexpr int kF1 = 0x3B, kF11 = 0x57, kF12 = 0x58; // the window's own keys
    for (int code = 1; code < 256; ++code) {
        if (sdlScancodeFor(code) == 0) continue;
        queueKeyEvent(code, true);
        pass();
        ASSERT_EQ(keyDown(code), code != kF1 && code != kF11 && code != kF12) << code;
        queueKeyEvent(code, false);
        pass();
        ASSERT_EQ(keyDown(code), 0) << code;
    }
}

TEST(KeyState, OnlyTheLowEightBitsNameTheKeyAndCodeZeroIsIgnored) {
    resetKeyState();
    pressKey(0);
    pressKey(256);
    EXPECT_EQ(keyDown(0), 0);
    pressKey(kEnterKey);
    EXPECT_EQ(keyDown(256 + 28), 1);
    clearKey(512 + 28);
    EXPECT_EQ(enterKeyDown(), 0);
}

TEST(ScancodeTable, SharedKeysReachOneEntryAndUnknownCodesNone) {
    EXPECT_EQ(setOneCode(SDL_SCANCODE_RCTRL), setOneCode(SDL_SCANCODE_LCTRL));
    EXPECT_EQ(setOneCode(SDL_SCANCODE_RALT), setOneCode(SDL_SCANCODE_LALT));
    EXPECT_EQ(setOneCode(SDL_SCANCODE_RIGHT), setOneCode(SDL_SCANCODE_KP_6));
    EXPECT_EQ(setOneCode(SDL_SCANCODE_DOWN), setOneCode(SDL_SCANCODE_KP_2));
    EXPECT_EQ(setOneCode(-1), 0);
    EXPECT_EQ(setOneCode(SDL_NUM_SCANCODES), 0);
    // Every letter and digit has a code of its own.
    int seen[256] = {};
    for (int sdl = SDL_SCANCODE_A; sdl <= SDL_SCANCODE_0; ++sdl) {
        const int code = setOneCode(sdl);
        ASSERT_NE(code, 0) << sdl;
        ASSERT_EQ(seen[code]++, 0) << sdl;
    }
}

} // namespace
