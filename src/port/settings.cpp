#include "port/settings.h"

#include "platform/gamepads.h"
#include "platform/log.h"
#include "platform/scancode_table.h"

#include <charconv>
#include <functional>
#include <set>

namespace {

struct Entry {
    std::string section;
    std::string key;
    std::string comment;
    std::function<std::string(const Settings&)> write;
    std::function<bool(std::string_view, Settings&)> read; // false: the value cannot be read
};

bool readNumber(std::string_view text, int low, int high, int& out) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool readYesNo(std::string_view text, bool& out) {
    if (text == "yes" || text == "no") {
        out = text == "yes";
        return true;
    }
    return false;
}

const char* yesNo(bool on) {
    return on ? "yes" : "no";
}

std::vector<std::string_view> splitList(std::string_view text) {
    std::vector<std::string_view> items;
    while (true) {
        const std::size_t comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        while (!item.empty() && item.front() == ' ')
            item.remove_prefix(1);
        while (!item.empty() && item.back() == ' ')
            item.remove_suffix(1);
        items.push_back(item);
        if (comma == std::string_view::npos) return items;
        text.remove_prefix(comma + 1);
    }
}

// A list of names, each read by lookup (0 or above, or -1 for none); empty or one unknown
// name fails.
bool readList(std::string_view text, const std::function<int(const std::string&)>& lookup,
              std::vector<int>& out) {
    std::vector<int> codes;
    for (std::string_view item : splitList(text)) {
        const int code = item.empty() ? -1 : lookup(std::string(item));
        if (code < 0) return false;
        codes.push_back(code);
    }
    out = codes;
    return true;
}

// The guide button opens the settings screen and is no action's.
int padFromName(const std::string& name) {
    const int input = padInputFromName(name);
    return padInputName(input) == "guide" ? -1 : input;
}

int keyFromName(const std::string& name) {
    const int code = scancodeFromName(name.c_str());
    return code > 0 ? code : -1;
}

// "800x600", or auto for none.
bool readSize(std::string_view text, Settings& s) {
    if (text == "auto") {
        s.window.width = s.window.height = 0;
        return true;
    }
    const std::size_t x = text.find('x');
    return x != std::string_view::npos && readNumber(text.substr(0, x), 1, 16384, s.window.width) &&
           readNumber(text.substr(x + 1), 1, 16384, s.window.height);
}

bool readPlace(std::string_view text, Settings& s) {
    if (text == "auto") {
        s.window.placed = false;
        return true;
    }
    const std::size_t comma = text.find(',');
    s.window.placed = comma != std::string_view::npos &&
                      readNumber(text.substr(0, comma), -65536, 65536, s.window.x) &&
                      readNumber(text.substr(comma + 1), -65536, 65536, s.window.y);
    return s.window.placed;
}

bool readScaling(std::string_view text, Scaling& out) {
    for (Scaling mode : {Scaling::kSharp, Scaling::kInteger, Scaling::kSmooth})
        if (text == scalingName(mode)) {
            out = mode;
            return true;
        }
    return false;
}

std::vector<Entry> makeEntries() {
    std::vector<Entry> entries{
        {"sound", "music", "music volume (intro, level and end screen), 0 to 100",
         [](const Settings& s) { return std::to_string(s.music); },
         [](std::string_view t, Settings& s) { return readNumber(t, 0, 100, s.music); }},
        {"sound", "effects", "volume of every other sound, 0 to 100",
         [](const Settings& s) { return std::to_string(s.effects); },
         [](std::string_view t, Settings& s) { return readNumber(t, 0, 100, s.effects); }},
        {"sound", "mute", "yes silences everything, no plays it",
         [](const Settings& s) { return std::string(yesNo(s.mute)); },
         [](std::string_view t, Settings& s) { return readYesNo(t, s.mute); }},
        {"video", "fullscreen", "yes starts full-screen, no in a window",
         [](const Settings& s) { return std::string(yesNo(s.window.fullscreen)); },
         [](std::string_view t, Settings& s) { return readYesNo(t, s.window.fullscreen); }},
        {"video", "window", "the window's size as WIDTHxHEIGHT, or auto",
         [](const Settings& s) {
             return s.window.width == 0
                        ? std::string("auto")
                        : std::to_string(s.window.width) + "x" + std::to_string(s.window.height);
         },
         readSize},
        {"video", "position", "the window's place on the desktop as X,Y, or auto",
         [](const Settings& s) {
             return s.window.placed ? std::to_string(s.window.x) + "," + std::to_string(s.window.y)
                                    : std::string("auto");
         },
         readPlace},
        {"video", "display", "the monitor to start on, 0 for the primary",
         [](const Settings& s) { return std::to_string(s.window.display); },
         [](std::string_view t, Settings& s) { return readNumber(t, 0, 63, s.window.display); }},
        {"video", "scaling",
         "sharp (whole multiple, then smooth to fill), integer (whole multiple, black bars) "
         "or smooth",
         [](const Settings& s) { return std::string(scalingName(s.scaling)); },
         [](std::string_view t, Settings& s) { return readScaling(t, s.scaling); }},
    };
    constexpr const char* kWhat[kActionCount] = {"walk forwards, menu up",
                                                 "walk backwards, menu down",
                                                 "turn left",
                                                 "turn right",
                                                 "fire",
                                                 "the handgun",
                                                 "the rocket launcher",
                                                 "take the menu entry",
                                                 "start the game from the intro, quit"};
    for (int a = 0; a < kActionCount; ++a)
        entries.push_back(
            {"keys", kActions[a].name,
             std::string(kWhat[a]) + ": key names as SDL writes them, separated by commas",
             [a](const Settings& s) { return keyList(s.keys[a]); },
             [a](std::string_view t, Settings& s) { return readList(t, keyFromName, s.keys[a]); }});
    for (int a = 0; a < kActionCount; ++a)
        entries.push_back(
            {"pad", kActions[a].name,
             std::string(kWhat[a]) +
                 (a == 0 ? ": pad buttons (a, b, x, y, back, start, leftstick, rightstick, "
                           "leftshoulder, rightshoulder, dpup, dpdown, dpleft, dpright) or "
                           "left stick directions (leftx-, leftx+, lefty-, lefty+)"
                         : ": pad buttons or left stick directions, as for up"),
             [a](const Settings& s) { return padList(s.pad[a]); },
             [a](std::string_view t, Settings& s) { return readList(t, padFromName, s.pad[a]); }});
    entries.push_back(
        {"pad", "deadzone", "stick travel ignored, 0 to 90 percent",
         [](const Settings& s) { return std::to_string(s.deadzone); },
         [](std::string_view t, Settings& s) { return readNumber(t, 0, 90, s.deadzone); }});
    return entries;
}

const std::vector<Entry>& entries() {
    static const std::vector<Entry> all = makeEntries();
    return all;
}

std::vector<int> keysNamed(std::initializer_list<const char*> names) {
    std::vector<int> codes;
    for (const char* name : names)
        codes.push_back(scancodeFromName(name));
    return codes;
}

std::vector<int> padNamed(std::initializer_list<const char*> names) {
    std::vector<int> inputs;
    for (const char* name : names)
        inputs.push_back(padInputFromName(name));
    return inputs;
}

// A code named by two actions, or twice by one, stays with the first; the later action
// takes its default again, without codes taken before it.
void settleRepeats(Bindings& bindings, const Bindings& defaults, const char* section,
                   const IniDocument& document, const std::string& fileName) {
    std::set<int> taken;
    for (int a = 0; a < kActionCount; ++a) {
        const std::set<int> own(bindings[a].begin(), bindings[a].end());
        bool repeated = own.size() != bindings[a].size();
        for (int code : own)
            repeated = repeated || taken.count(code) != 0;
        if (repeated) {
            logMessage("Settings: %s line %d: [%s] %s names a key twice; the default is used",
                       fileName.c_str(), document.lineOf(section, kActions[a].name), section,
                       kActions[a].name);
            bindings[a].clear();
            for (int code : defaults[a])
                if (taken.count(code) == 0) bindings[a].push_back(code);
        }
        taken.insert(bindings[a].begin(), bindings[a].end());
    }
}

} // namespace

Settings defaultSettings() {
    Settings s;
    s.keys = {keysNamed({"Up", "Keypad 8"}),
              keysNamed({"Down", "Keypad 2"}),
              keysNamed({"Left", "Keypad 4"}),
              keysNamed({"Right", "Keypad 6"}),
              keysNamed({"Space"}),
              keysNamed({"1"}),
              keysNamed({"2"}),
              keysNamed({"Return", "Keypad Enter"}),
              keysNamed({"Escape"})};
    s.pad = {padNamed({"dpup", "lefty-"}),
             padNamed({"dpdown", "lefty+"}),
             padNamed({"dpleft", "leftx-"}),
             padNamed({"dpright", "leftx+"}),
             padNamed({"a"}),
             padNamed({"x", "leftshoulder"}),
             padNamed({"y", "rightshoulder"}),
             padNamed({"start"}),
             padNamed({"back"})};
    return s;
}

Settings readSettings(const IniDocument& document, const std::string& fileName) {
    const Settings defaults = defaultSettings();
    Settings settings = defaults;
    for (const Entry& entry : entries()) {
        const std::string* value = document.find(entry.section, entry.key);
        if (value == nullptr) continue;
        Settings attempt = settings;
        if (entry.read(*value, attempt)) {
            settings = attempt;
            continue;
        }
        logMessage("Settings: %s line %d: cannot read [%s] %s = %s; the default %s is used",
                   fileName.c_str(), document.lineOf(entry.section, entry.key),
                   entry.section.c_str(), entry.key.c_str(), value->substr(0, 60).c_str(),
                   entry.write(defaults).c_str());
    }
    settleRepeats(settings.keys, defaults.keys, "keys", document, fileName);
    settleRepeats(settings.pad, defaults.pad, "pad", document, fileName);
    return settings;
}

void storeSettings(const Settings& settings, IniDocument& document) {
    for (const Entry& entry : entries()) {
        const std::string wanted = entry.write(settings);
        if (const std::string* value = document.find(entry.section, entry.key)) {
            Settings read = defaultSettings();
            if (entry.read(*value, read) && entry.write(read) == wanted) continue;
        }
        document.set(entry.section, entry.key, wanted, entry.comment);
    }
}

std::string keyList(const std::vector<int>& scancodes) {
    std::string text;
    for (int code : scancodes)
        text += (text.empty() ? "" : ", ") + scancodeName(code);
    return text;
}

std::string padList(const std::vector<int>& inputs) {
    std::string text;
    for (int input : inputs)
        text += (text.empty() ? "" : ", ") + padInputName(input);
    return text;
}

const char* scalingName(Scaling scaling) {
    switch (scaling) {
    case Scaling::kInteger:
        return "integer";
    case Scaling::kSmooth:
        return "smooth";
    case Scaling::kSharp:
        break;
    }
    return "sharp";
}
