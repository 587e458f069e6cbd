#pragma once
// The simulator's command line.
#include <map>
#include <optional>
#include <string>
#include <vector>

struct SimOptions {
    std::string dir;                       // the game folder to run in
    int passes = 0;                        // main-loop passes to run
    double frameMs = 16.667;               // the manual clock's step per pass
    std::string keysFile;                  // optional key script
    std::multimap<int, std::string> dumps; // pass -> JSON file
    std::multimap<int, std::string> shots; // pass -> BMP file
    std::vector<int> killPasses;           // before these passes every enemy's health is set to 0
    bool stats = false;
    int statsFrom = 1;                        // --stats counts the passes from this one on
    bool present = true;                      // false: no renderer copy between passes
    std::multimap<int, std::string> blitLogs; // pass -> text file of that pass's copies
    std::optional<unsigned> soakSeed;         // random play from this seed, pools watched
    std::string config;     // a settings file, as the game's --config; none: every default
    std::string replayFile; // a demo to play back instead of keys and clock
    std::string recordFile; // a demo to record the run into
};

// Parses argv; on a bad argument returns nothing and sets error to a one-line message.
std::optional<SimOptions> parseOptions(int argc, char** argv, std::string& error);

inline constexpr const char* kUsage =
    "usage: quorvish-sim --dir GAME_DIR --passes N [--frame-ms MS] [--keys FILE] "
    "[--dump PASS:FILE.json]... [--shot PASS:FILE.bmp]... [--blit-log PASS:FILE.txt]... "
    "[--kill-enemies PASS]... [--stats] [--stats-from PASS] [--no-present] [--soak SEED] "
    "[--config FILE] [--record DEMO] [--replay DEMO]";
