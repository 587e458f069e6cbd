#pragma once
// The options of a run that plays: the window mode, sound, music, another settings file and a
// reset of the settings.
#include <optional>
#include <string>

struct PlayOptions {
    bool window = false;     // --window: in a window, this run and later ones
    bool fullscreen = false; // --fullscreen: full-screen, this run and later ones
    bool noSound = false;    // --nosound: no sound device at all
    bool noMusic = false;    // --nomusic: music at 0 for this run
    bool resetSettings = false;
    std::string config; // --config FILE, empty for the usual place
};

// The options, or nothing with bad set to the argument that is wrong or lacks its value.
std::optional<PlayOptions> readPlayOptions(int argc, const char* const* argv, std::string& bad);
