#include "port/game_folder.h"

#include "core/asset_table.h"
#include "platform/executable_folder.h"
#include "platform/log.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kGameName = "quorvish-blemp";

void useStateLog() {
    const fs::path folder = stateLogFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    std::error_code ec;
    if (!folder.empty()) fs::create_directories(folder, ec);
    setLogFile(folder.empty() || ec ? nullptr : (folder / kLogFileName).c_str());
}

void reportNoGameFolder(const std::vector<fs::path>& looked) {
    std::string line = "quorvish-blemp: no game folder (images/ and sounds/) in ";
    for (std::size_t i = 0; i < looked.size(); ++i)
        line += (i == 0 ? "" : ", ") + looked[i].string();
    std::fprintf(stderr, "%s\n", line.c_str());
    clearLog();
    // Written whole: a long folder name must not cut the line that names it.
    appendLog((line + "\n").c_str());
}

} // namespace

std::vector<fs::path> gameFolderCandidates(const fs::path& working, const fs::path& binaryFolder) {
    std::vector<fs::path> candidates{working};
    if (!binaryFolder.empty()) {
        fs::path binary = binaryFolder.lexically_normal();
        if (!binary.has_filename()) binary = binary.parent_path(); // SDL ends it with '/'
        for (const fs::path& folder :
             {binary, (binary / "../share" / kGameName).lexically_normal()})
            if (std::find(candidates.begin(), candidates.end(), folder) == candidates.end())
                candidates.push_back(folder);
    }
    return candidates;
}

fs::path stateLogFolder(const char* xdgStateHome, const char* home) {
    if (xdgStateHome != nullptr && fs::path(xdgStateHome).is_absolute())
        return fs::path(xdgStateHome) / kGameName;
    if (home != nullptr && fs::path(home).is_absolute())
        return fs::path(home) / ".local/state" / kGameName;
    return {};
}

bool enterGameFolder() {
    std::error_code ec;
    const fs::path working = fs::current_path(ec);
    const std::vector<fs::path> candidates = gameFolderCandidates(working, executableFolder());
    for (const fs::path& folder : candidates) {
        if (!holdsAnAssetFile(folder)) continue;
        if (folder == working) return true; // today's way: the log beside the game
        fs::current_path(folder, ec);
        if (ec) continue;
        useStateLog();
        return true;
    }
    useStateLog();
    reportNoGameFolder(candidates);
    return false;
}
