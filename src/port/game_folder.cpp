#include "port/game_folder.h"

#include "game/asset_tables.h"
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

// A run that keeps no log says so once, since nothing else would tell.
void useStateLog() {
    const fs::path folder = stateLogFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    std::error_code ec;
    if (folder.empty())
        std::fprintf(stderr, "quorvish-blemp: neither $XDG_STATE_HOME nor $HOME is set, "
                             "so the game keeps no log\n");
    else if (fs::create_directories(folder, ec); ec)
        std::fprintf(stderr, "quorvish-blemp: cannot make %s (%s), so the game keeps no log\n",
                     folder.c_str(), ec.message().c_str());
    setLogFile(folder.empty() || ec ? nullptr : (folder / kLogFileName).c_str());
}

// A build's game folder holds the binary being run (itself, a link to it, or a copy started
// from there); an install's data folder never does.
bool holdsRunningBinary(const fs::path& folder) {
    std::error_code ec;
    const fs::path binary = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return false;
    for (fs::directory_iterator entry(folder, ec); !ec && entry != fs::directory_iterator();
         entry.increment(ec)) {
        std::error_code unlike;
        if (fs::equivalent(entry->path(), binary, unlike)) return true;
    }
    return false;
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

std::vector<fs::path> gameFolderCandidates(const fs::path& working, const fs::path& binaryFolder,
                                           const fs::path& dataFromBinary) {
    // Without a trailing '/', which SDL ends the binary's folder with and "." leaves behind.
    const auto plainFolder = [](const fs::path& path) {
        const fs::path folder = path.lexically_normal();
        return folder.has_filename() ? folder : folder.parent_path();
    };
    std::vector<fs::path> candidates{working};
    if (!binaryFolder.empty()) {
        const fs::path binary = plainFolder(binaryFolder);
        for (const fs::path& folder : {binary, plainFolder(binary / dataFromBinary)})
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
    // The install rules' data folder seen from their binary folder (cmake/InstallDirs.cmake).
    const std::vector<fs::path> candidates =
        gameFolderCandidates(working, executableFolder(), QUORVISH_DATA_FROM_BINARY);
    for (const fs::path& folder : candidates) {
        if (!holdsAnAssetFile(folder)) continue;
        if (folder != working) {
            fs::current_path(folder, ec);
            if (ec) continue;
        }
        // The log stays beside the game only in a build's game folder started from inside.
        if (folder != working || !holdsRunningBinary(folder)) useStateLog();
        return true;
    }
    useStateLog();
    reportNoGameFolder(candidates);
    return false;
}
