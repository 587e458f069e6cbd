#pragma once
// The options of a run that plays: the window mode, sound, music, another settings file, a
// reset of the settings, and a demo to record or to play back.
#include <optional>
#include <string>

struct PlayOptions {
    bool window = false;     // --window: in a window, this run and later ones
    bool fullscreen = false; // --fullscreen: full-screen, this run and later ones
    bool noSound = false;    // --nosound: no sound device at all
    bool noMusic = false;    // --nomusic: music at 0 for this run
    bool resetSettings = false;
    std::string config;   // --config FILE, empty for the usual place
    std::string record;   // --record FILE: the demo to write
    std::string playDemo; // --playdemo FILE: the demo to play back
};

// The options, or nothing with bad set to the argument that is wrong or lacks its value.
std::optional<PlayOptions> readPlayOptions(int argc, const char* const* argv, std::string& bad);
