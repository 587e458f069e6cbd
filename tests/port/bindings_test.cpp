// The player's keys through the real pump: SDL key events pushed into SDL's queue, drained
// by pumpEvents into the key table, with the tables the settings make.
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/gamepads.h"
#include "platform/key_state.h"
#include "platform/manual_clock.h"
#include "platform/scancode_table.h"
#include "platform/window.h"
#include "port/apply_settings.h"
#include "port/key_bindings.h"
#include "port/settings_store.h"
#include "support/work_dir.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class BindingPumpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setClockSource(&clock);
        startClock();
        resetKeyState();
        ASSERT_TRUE(createGameWindow());
    }
    void TearDown() override {
        setBindingTable(nullptr);
        setPadBindings(nullptr);
        closeGameWindow();
        setClockSource(nullptr);
    }
    // The settings of a file holding the text, put into effect.
    void use(const std::string& text) {
        writeFile(work.path() / "settings.ini", text);
        loadSettings(work.path() / "settings.ini", false);
        applySettings(currentSettings(), RunOverrides{});
    }
    // The set-1 codes held after pressing one key.
    std::vector<int> heldAfter(SDL_Scancode code) {
        resetKeyState();
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.scancode = code;
        SDL_PushEvent(&event);
        clock.advance(10);
        updateClock();
        pumpEvents();
        std::vector<int> held;
        for (int c = 1; c < 256; ++c)
            if (keyDown(c)) held.push_back(c);
        event.type = SDL_KEYUP;
        event.key.state = SDL_RELEASED;
        SDL_PushEvent(&event);
        pumpEvents();
        return held;
    }
    ScopedWorkDir work;
    ManualClockSource clock;
};

TEST_F(BindingPumpTest, TheDefaultFileGivesTodaysTableForEveryScancode) {
    loadSettings(work.path() / "settings.ini", false); // written with every default
    loadSettings(work.path() / "settings.ini", false); // and read back
    std::vector<int> fixed;
    for (int s = 0; s < scancodeCount(); ++s)
        fixed.push_back(setOneCode(s));
    applySettings(currentSettings(), RunOverrides{});
    int differ = 0;
    for (int s = 0; s < scancodeCount(); ++s)
        differ += setOneCode(s) != fixed[s];
    EXPECT_EQ(differ, 0);
    // and every scripted code finds the very key it found before
    for (int code = 1; code < 256; ++code) {
        const int bound = sdlScancodeFor(code);
        setBindingTable(nullptr);
        EXPECT_EQ(bound, sdlScancodeFor(code)) << code;
        applySettings(currentSettings(), RunOverrides{});
    }
}

TEST_F(BindingPumpTest, BoundKeysEnterTheirActionsAndFreedKeysNothing) {
    struct Case {
        const char* file;
        SDL_Scancode key;
        std::vector<int> held;
    };
    const Case cases[] = {
        {"[keys]\nfire = Left Ctrl\n", SDL_SCANCODE_LCTRL, {kSpaceKey}},
        {"[keys]\nfire = Left Ctrl\n", SDL_SCANCODE_SPACE, {}},
        {"[keys]\nfire = Left Ctrl\n", SDL_SCANCODE_RCTRL, {0x1D}}, // its own code as ever
        {"[keys]\nfire = Left Ctrl\n", SDL_SCANCODE_UP, {kUpKey}},
        {"[keys]\nescape = Q\n", SDL_SCANCODE_Q, {kEscapeKey}},
        {"[keys]\nescape = Q\n", SDL_SCANCODE_ESCAPE, {}},
        {"[keys]\nescape = q\n", SDL_SCANCODE_Q, {kEscapeKey}}, // a name in another case
        {"[keys]\nup = W\ndown = S\n", SDL_SCANCODE_W, {kUpKey}},
        {"[keys]\nup = W\ndown = S\n", SDL_SCANCODE_KP_8, {}},
        {"[keys]\nup = W\ndown = S\n", SDL_SCANCODE_DOWN, {}},
        {"[keys]\nhandgun = Keypad 8\n", SDL_SCANCODE_KP_8, {kUpKey}}, // taken: the default
        {"[keys]\nhandgun = Keypad 8\n", SDL_SCANCODE_1, {kKeyOne}},
    };
    for (const Case& c : cases) {
        use(c.file);
        EXPECT_EQ(heldAfter(c.key), c.held) << c.file << " key " << SDL_GetScancodeName(c.key);
    }
}

TEST_F(BindingPumpTest, ScriptedCodesFindTheKeysBoundToThem) {
    use("[keys]\nfire = Left Ctrl\nescape = Q\n");
    for (int code : {kSpaceKey, kEscapeKey, kUpKey, kEnterKey}) {
        queueKeyEvent(code, true);
        pumpEvents();
        EXPECT_EQ(keyDown(code), 1) << code;
        queueKeyEvent(code, false);
        pumpEvents();
        EXPECT_EQ(keyDown(code), 0) << code;
    }
}

TEST(PadBindings, TheDefaultsAreTodaysButtonsAndStick) {
    const std::vector<unsigned char> table = padTable(defaultSettings().pad);
    const std::pair<const char*, int> expected[] = {
        {"a", kSpaceKey},       {"b", 0},
        {"x", kKeyOne},         {"leftshoulder", kKeyOne},
        {"y", kKeyTwo},         {"rightshoulder", kKeyTwo},
        {"start", kEnterKey},   {"back", kEscapeKey},
        {"guide", 0},           {"dpup", kUpKey},
        {"dpdown", kDownKey},   {"dpleft", kLeftKey},
        {"dpright", kRightKey}, {"leftx-", kLeftKey},
        {"leftx+", kRightKey},  {"lefty-", kUpKey},
        {"lefty+", kDownKey}};
    int bound = 0;
    for (const auto& [name, code] : expected) {
        EXPECT_EQ(table[padInputFromName(name)], code) << name;
        bound += code != 0;
    }
    EXPECT_EQ(static_cast<int>(std::count_if(table.begin(), table.end(),
                                             [](unsigned char c) { return c != 0; })),
              bound);
}

} // namespace
