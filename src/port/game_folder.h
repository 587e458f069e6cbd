#pragma once
// Where the game's files are. The game chooses its folder before anything is read and then
// runs inside it, so the asset table's fixed relative paths hold wherever it was started.
#include <filesystem>
#include <vector>

// The folders that may hold images/ and sounds/, in the order they are tried, without
// repeats: the working folder, the binary's folder, and an install's data seen from it
// (<binary folder>/<dataFromBinary>, for example ../share/quorvish-blemp). An empty binary
// folder adds nothing.
std::vector<std::filesystem::path>
gameFolderCandidates(const std::filesystem::path& working,
                     const std::filesystem::path& binaryFolder,
                     const std::filesystem::path& dataFromBinary);

// The per-user folder for the log of a game run from elsewhere than its own folder:
// $XDG_STATE_HOME/quorvish-blemp, or $HOME/.local/state/quorvish-blemp when that is unset,
// empty or relative. Empty when neither gives an absolute folder.
std::filesystem::path stateLogFolder(const char* xdgStateHome, const char* home);

// Chooses the first candidate that holds a file of the asset table and makes it the working
// directory. The log stays in the working folder when that is the one chosen and also holds
// the binary being run (a build's game folder or a copy of one), and otherwise goes to the
// state folder (made when missing); an install's data folder is never written to. Without a
// state folder one line on stderr says there is no log. When no folder fits: one line naming
// the folders tried, on stderr and in the log, and false.
bool enterGameFolder();
