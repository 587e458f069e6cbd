// Gamepads through the real pump: a virtual pad of SDL's is plugged in, its buttons and stick
// moved, and the key table read back.
#include "platform/events.h"
#include "platform/gamepads.h"
#include "platform/key_state.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

class GamepadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetKeyState();
        startGamepads();
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MISC1; // the fifteen standard buttons
        desc.button_mask = (1u << desc.nbuttons) - 1;
        desc.axis_mask = (1u << desc.naxes) - 1;
        desc.name = "test pad";
        device = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(device);
        ASSERT_NE(stick, nullptr) << SDL_GetError();
        pumpEvents(); // the pad arrives
    }
    void TearDown() override {
        unplug();
        stopGamepads();
    }
    void unplug() {
        if (stick != nullptr) SDL_JoystickClose(stick);
        if (device >= 0) SDL_JoystickDetachVirtual(device);
        stick = nullptr;
        device = -1;
        pumpEvents();
    }
    void button(int b, bool down) {
        SDL_JoystickSetVirtualButton(stick, b, down ? 1 : 0);
        pumpEvents();
    }
    void axis(int a, Sint16 value) {
        SDL_JoystickSetVirtualAxis(stick, a, value);
        pumpEvents();
    }
    // The codes held in the key table, as a readable list.
    static std::string held() {
        std::string codes;
        for (int code = 1; code < 256; ++code)
            if (keyDown(code)) codes += std::to_string(code) + " ";
        return codes;
    }

    int device = -1;
    SDL_Joystick* stick = nullptr;
};

TEST_F(GamepadTest, EachButtonHoldsItsKeyUntilReleased) {
    // In SDL's order: A B X Y, back guide start, the sticks, the shoulders, up down left right.
    const char* const keys[] = {"57 ", "",   "2 ", "3 ",  "1 ",  "",    "28 ", "",
                                "",    "2 ", "3 ", "72 ", "80 ", "75 ", "77 "};
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MISC1; ++b) {
        SCOPED_TRACE(
            SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(b)));
        button(b, true);
        EXPECT_EQ(held(), keys[b]);
        button(b, false);
        EXPECT_EQ(held(), "");
    }
}

// A quarter of the travel is dead; beyond it the stick is an arrow until it comes back.
TEST_F(GamepadTest, TheLeftStickIsTheArrowsOutsideItsDeadZone) {
    const struct {
        int axis;
        Sint16 value;
        const char* held;
    } cases[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, -32768, "75 "}, {SDL_CONTROLLER_AXIS_LEFTX, 32767, "77 "},
        {SDL_CONTROLLER_AXIS_LEFTY, -32768, "72 "}, {SDL_CONTROLLER_AXIS_LEFTY, 32767, "80 "},
        {SDL_CONTROLLER_AXIS_LEFTX, 8000, ""},      {SDL_CONTROLLER_AXIS_LEFTY, -8000, ""},
        {SDL_CONTROLLER_AXIS_LEFTX, 9000, "77 "},   {SDL_CONTROLLER_AXIS_RIGHTX, 32767, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        axis(c.axis, c.value);
        EXPECT_EQ(held(), c.held);
        axis(c.axis, 4000); // back inside the dead zone
        EXPECT_EQ(held(), "");
    }
}

// The player's pad table and dead zone, and the guide button, which opens the settings screen
// and holds no key.
TEST_F(GamepadTest, BoundInputsPressTheirCodesAndTheDeadZoneIsTheSettings) {
    std::vector<unsigned char> table(static_cast<std::size_t>(padInputCount()));
    table[SDL_CONTROLLER_BUTTON_B] = kSpaceKey;
    table[padInputFromName("lefty+")] = kUpKey; // the stick upside down
    table[padInputFromName("lefty-")] = kDownKey;
    setPadBindings(table.data());
    setPadDeadZone(50);
    const struct {
        int axis; // -1: a button
        int which;
        Sint16 value;
        const char* held;
    } cases[] = {
        {-1, SDL_CONTROLLER_BUTTON_A, 1, ""},         {-1, SDL_CONTROLLER_BUTTON_B, 1, "57 "},
        {SDL_CONTROLLER_AXIS_LEFTY, 0, 32767, "72 "}, {SDL_CONTROLLER_AXIS_LEFTY, 0, -32768, "80 "},
        {SDL_CONTROLLER_AXIS_LEFTY, 0, 16000, ""}, // inside half its travel
        {SDL_CONTROLLER_AXIS_LEFTX, 0, 32767, ""}, // bound to nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.which * 100000 + c.value);
        if (c.axis < 0) {
            button(c.which, true);
            EXPECT_EQ(held(), c.held);
            button(c.which, false);
        } else {
            axis(c.axis, c.value);
            EXPECT_EQ(held(), c.held);
            axis(c.axis, 0);
        }
        EXPECT_EQ(held(), "");
    }
    setPadBindings(nullptr);
    setPadDeadZone(25);
    resetEvents(); // no request left from an earlier test's F1 or guide button
    EXPECT_FALSE(takeSettingsRequest());
    button(SDL_CONTROLLER_BUTTON_GUIDE, true);
    EXPECT_EQ(held(), "");
    EXPECT_TRUE(takeSettingsRequest());
    EXPECT_FALSE(takeSettingsRequest());
    button(SDL_CONTROLLER_BUTTON_GUIDE, false);
    EXPECT_FALSE(takeSettingsRequest());
    EXPECT_EQ(padInputName(padInputFromName("LeftShoulder")), "leftshoulder");
    EXPECT_EQ(padInputFromName("nonsense"), -1);
}

// A key held by the pad and the stick at once waits for both; unplugging lets go of all.
TEST_F(GamepadTest, KeysHeldByTwoSourcesWaitForBothAndUnpluggingReleasesThemAll) {
    button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);
    button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
    EXPECT_EQ(held(), "72 ");
    axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    EXPECT_EQ(held(), "");
    button(SDL_CONTROLLER_BUTTON_A, true);
    button(SDL_CONTROLLER_BUTTON_START, true);
    axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    ASSERT_EQ(held(), "28 57 77 ");
    unplug();
    EXPECT_EQ(held(), "");
}

} // namespace
