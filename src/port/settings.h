#pragma once
// The player's settings: what each one holds, its default, and how it is read from and
// written to the settings file.
#include "platform/window.h"
#include "port/ini_document.h"

#include <array>
#include <string>
#include <vector>

enum class Scaling { kSharp, kInteger, kSmooth };

// The game's nine actions and the set-1 code each one enters in the key table.
struct Action {
    const char* name;
    int setOne;
};
inline constexpr int kActionCount = 9;
inline constexpr std::array<Action, kActionCount> kActions{{{"up", 72},
                                                            {"down", 80},
                                                            {"left", 75},
                                                            {"right", 77},
                                                            {"fire", 57},
                                                            {"handgun", 2},
                                                            {"launcher", 3},
                                                            {"enter", 28},
                                                            {"escape", 1}}};

using Bindings = std::array<std::vector<int>, kActionCount>; // per action, in file order

struct Settings {
    int music = 100;   // percent
    int effects = 100; // percent
    bool mute = false;
    WindowPlacement
        window; // full-screen or not, the monitor to start on, the window's size and place
    Scaling scaling = Scaling::kSharp;
    Bindings keys;     // SDL scancodes
    Bindings pad;      // pad inputs
    int deadzone = 25; // percent

    bool operator==(const Settings&) const = default;
};

// Every setting at its default: today's keys, pad, sound and picture.
Settings defaultSettings();

// The settings the document holds, defaults for the rest. Each value that cannot be read
// gives one log line naming the file, the line and the default used.
Settings readSettings(const IniDocument& document, const std::string& fileName);

// Writes every setting into the document: a missing key is added with its comment, and a
// value is rewritten only when it means something else than what the file says.
void storeSettings(const Settings& settings, IniDocument& document);

// A key list ("Up, Keypad 8"); a pad list ("dpup, lefty-").
std::string keyList(const std::vector<int>& scancodes);
std::string padList(const std::vector<int>& inputs);
const char* scalingName(Scaling scaling);
