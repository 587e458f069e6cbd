#include "port/settings_screen.h"

#include "core/text.h"
#include "graphics/display.h"
#include "platform/events.h"
#include "platform/gamepads.h"
#include "platform/scancode_table.h"
#include "platform/window.h"
#include "port/settings_store.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kCell = 20; // the fonts' advance
constexpr int kLabelX = 60;
constexpr int kValueX = 340;
constexpr int kFirstRowY = 110;
constexpr int kRowStep = 30;
constexpr int kValueChars = 23; // to the right edge

enum class Page { kMain, kKeys, kPad };
enum class Nav { kNone, kUp, kDown, kLeft, kRight, kEnter, kEscape, kClose };

struct Row {
    std::string label;
    std::string value;
};

struct Screen {
    Page page = Page::kMain;
    int selected = 0;
    bool capturing = false; // the next press becomes the selected action's key or pad input
    std::string note;       // one line at the foot
    bool open = true;
    std::vector<std::uint16_t> frame; // the game's last frame, as it was
};

// Only capitals, digits and spaces are in the fonts.
std::string drawable(const std::string& text, std::size_t most) {
    std::string out;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        out += std::isalnum(u) ? static_cast<char>(std::toupper(u)) : ' ';
    }
    return out.substr(0, most);
}

std::string padInputText(int input) {
    const std::string name = padInputName(input);
    const char* names[][2] = {{"leftx-", "STICK LEFT"}, {"leftx+", "STICK RIGHT"},
                              {"lefty-", "STICK UP"},   {"lefty+", "STICK DOWN"},
                              {"dpup", "DPAD UP"},      {"dpdown", "DPAD DOWN"},
                              {"dpleft", "DPAD LEFT"},  {"dpright", "DPAD RIGHT"}};
    for (const auto& pair : names)
        if (name == pair[0]) return pair[1];
    return drawable(name, kValueChars);
}

std::string joined(const std::vector<int>& codes, bool pad) {
    std::string text;
    for (int code : codes)
        text += (text.empty() ? "" : "  ") + (pad ? padInputText(code) : scancodeName(code));
    return drawable(text, kValueChars);
}

std::vector<Row> rows(const Screen& screen) {
    const Settings& s = currentSettings();
    std::vector<Row> list;
    if (screen.page == Page::kMain) {
        list = {{"MUSIC", std::to_string(s.music)},
                {"EFFECTS", std::to_string(s.effects)},
                {"MUTE", s.mute ? "YES" : "NO"},
                {"FULL SCREEN", s.window.fullscreen ? "YES" : "NO"},
                {"SCALING", drawable(scalingName(s.scaling), kValueChars)},
                {"KEYS", ""},
                {"PAD", ""},
                {"RESET TO DEFAULTS", ""},
                {"BACK TO THE GAME", ""}};
        return list;
    }
    const bool pad = screen.page == Page::kPad;
    for (int a = 0; a < kActionCount; ++a)
        list.push_back({drawable(kActions[a].name, 16), joined(pad ? s.pad[a] : s.keys[a], pad)});
    if (pad) list.push_back({"DEAD ZONE", std::to_string(s.deadzone)});
    list.push_back({"BACK", ""});
    return list;
}

// Each channel of a 5-6-5 pixel halved (shift 1) or quartered (shift 2).
std::uint16_t dimmed(std::uint16_t pixel, int shift) {
    return shift == 1 ? static_cast<std::uint16_t>((pixel >> 1) & 0x7BEF)
                      : static_cast<std::uint16_t>((pixel >> 2) & 0x39E7);
}

void draw(const Screen& screen) {
    int width = 0;
    int height = 0;
    screenSize(width, height);
    const int bandTop = kFirstRowY - 5 + screen.selected * kRowStep;
    std::vector<std::uint16_t> pixels(screen.frame.size());
    for (int y = 0; y < height; ++y) {
        const int shift = y >= bandTop && y < bandTop + kCell + 10 ? 1 : 2;
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = dimmed(screen.frame[y * width + x], shift);
    }
    writeBackBuffer(pixels.data());
    const char* title = screen.page == Page::kMain   ? "SETTINGS"
                        : screen.page == Page::kKeys ? "KEYS"
                                                     : "PAD";
    drawText((width - kCell * static_cast<int>(std::string(title).size())) / 2, 40, "%s", title);
    const std::vector<Row> list = rows(screen);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int y = kFirstRowY + static_cast<int>(i) * kRowStep;
        drawText(kLabelX, y, "%s", list[i].label.c_str());
        const bool waiting = screen.capturing && static_cast<int>(i) == screen.selected;
        drawText(kValueX, y, "%s", waiting ? "PRESS ONE" : list[i].value.c_str());
    }
    const std::string foot = !screen.note.empty() ? screen.note
                             : screen.capturing   ? "ESCAPE KEEPS THE OLD ONE"
                                                  : "ENTER CHANGE  ESCAPE BACK";
    drawText((width - kCell * static_cast<int>(foot.size())) / 2, height - 50, "%s", foot.c_str());
}

int key(const char* name) {
    return scancodeFromName(name);
}

Nav navigation(const MenuInput& input) {
    if (input.kind == MenuInput::kKey) {
        const int code = input.code;
        if (code == key("Up") || code == key("Keypad 8")) return Nav::kUp;
        if (code == key("Down") || code == key("Keypad 2")) return Nav::kDown;
        if (code == key("Left") || code == key("Keypad 4")) return Nav::kLeft;
        if (code == key("Right") || code == key("Keypad 6")) return Nav::kRight;
        if (code == key("Return") || code == key("Keypad Enter")) return Nav::kEnter;
        if (code == key("Escape")) return Nav::kEscape;
        if (code == key("F1")) return Nav::kClose;
        return Nav::kNone;
    }
    const std::string name = padInputName(input.code);
    if (name == "dpup" || name == "lefty-") return Nav::kUp;
    if (name == "dpdown" || name == "lefty+") return Nav::kDown;
    if (name == "dpleft" || name == "leftx-") return Nav::kLeft;
    if (name == "dpright" || name == "leftx+") return Nav::kRight;
    if (name == "a" || name == "start") return Nav::kEnter;
    if (name == "b" || name == "back") return Nav::kEscape;
    if (name == "guide") return Nav::kClose;
    return Nav::kNone;
}

// Gives the action one key or pad input, taken from any other action that has more.
void bindSelected(Screen& screen, const MenuInput& input) {
    const bool pad = screen.page == Page::kPad;
    if ((input.kind == MenuInput::kPad) != pad) return; // a key for a pad action, or the reverse
    if (!pad && (input.code == key("F1") || input.code == key("F11") || input.code == key("F12"))) {
        screen.note = "THAT KEY BELONGS TO THE WINDOW";
        screen.capturing = false;
        return;
    }
    Settings next = currentSettings();
    Bindings& bindings = pad ? next.pad : next.keys;
    for (int a = 0; a < kActionCount; ++a) {
        auto& codes = bindings[a];
        if (a == screen.selected ||
            std::find(codes.begin(), codes.end(), input.code) == codes.end())
            continue;
        if (codes.size() == 1) {
            screen.note = "TAKEN BY " + drawable(kActions[a].name, 16);
            screen.capturing = false;
            return;
        }
        codes.erase(std::find(codes.begin(), codes.end(), input.code));
    }
    bindings[screen.selected] = {input.code};
    changeSettings(next);
    screen.capturing = false;
}

int stepped(int value, int step, int most, Nav nav) {
    if (nav == Nav::kLeft) return std::max(0, value - step);
    if (nav == Nav::kRight) return std::min(most, value + step);
    return value - step < 0 ? most : value - step; // Enter steps down and wraps round
}

void changeMain(Screen& screen, Nav nav) {
    Settings next = currentSettings();
    switch (screen.selected) {
    case 0:
        next.music = stepped(next.music, 10, 100, nav);
        break;
    case 1:
        next.effects = stepped(next.effects, 10, 100, nav);
        break;
    case 2:
        next.mute = !next.mute;
        break;
    case 3:
        toggleWindowMode(); // the window tells the settings itself
        return;
    case 4:
        next.scaling = static_cast<Scaling>(
            (static_cast<int>(next.scaling) + (nav == Nav::kLeft ? 2 : 1)) % 3);
        break;
    case 5:
    case 6:
        if (nav != Nav::kEnter) return;
        screen.page = screen.selected == 5 ? Page::kKeys : Page::kPad;
        screen.selected = 0;
        return;
    case 7: {
        if (nav != Nav::kEnter) return;
        const bool windowed = !next.window.fullscreen;
        next = defaultSettings();
        changeSettings(next);
        if (windowed) toggleWindowMode();
        screen.note = "EVERY SETTING IS BACK TO ITS DEFAULT";
        return;
    }
    default:
        if (nav == Nav::kEnter) screen.open = false;
        return;
    }
    changeSettings(next);
}

void changeBindingPage(Screen& screen, Nav nav) {
    const int rowsOnPage = static_cast<int>(rows(screen).size());
    if (screen.selected == rowsOnPage - 1) { // back
        if (nav == Nav::kEnter) {
            screen.selected = screen.page == Page::kKeys ? 5 : 6;
            screen.page = Page::kMain;
        }
        return;
    }
    if (screen.selected == kActionCount) { // the pad's dead zone
        Settings next = currentSettings();
        next.deadzone = stepped(next.deadzone, 5, 90, nav);
        changeSettings(next);
        return;
    }
    if (nav == Nav::kEnter) screen.capturing = true;
}

void take(Screen& screen, const MenuInput& input) {
    const Nav nav = navigation(input);
    screen.note.clear();
    if (screen.capturing) {
        if (nav == Nav::kEscape || nav == Nav::kClose)
            screen.capturing = false;
        else
            bindSelected(screen, input);
        return;
    }
    const int count = static_cast<int>(rows(screen).size());
    switch (nav) {
    case Nav::kUp:
        screen.selected = (screen.selected + count - 1) % count;
        return;
    case Nav::kDown:
        screen.selected = (screen.selected + 1) % count;
        return;
    case Nav::kClose:
        screen.open = false;
        return;
    case Nav::kEscape:
        if (screen.page == Page::kMain) {
            screen.open = false;
            return;
        }
        screen.selected = count - 1;
        changeBindingPage(screen, Nav::kEnter);
        return;
    case Nav::kLeft:
    case Nav::kRight:
    case Nav::kEnter:
        if (screen.page == Page::kMain)
            changeMain(screen, nav);
        else
            changeBindingPage(screen, nav);
        return;
    case Nav::kNone:
        return;
    }
}

} // namespace

void runSettingsScreen() {
    const std::uint16_t* pixels = backBufferPixels();
    if (pixels == nullptr) return;
    int width = 0;
    int height = 0;
    screenSize(width, height);
    Screen screen;
    screen.frame.assign(pixels, pixels + static_cast<std::ptrdiff_t>(width) * height);
    while (screen.open) {
        draw(screen);
        flipDisplay();
        const MenuInput input = waitMenuInput();
        if (input.kind == MenuInput::kQuit) break;
        take(screen, input);
    }
    writeBackBuffer(screen.frame.data());
}
