#pragma once
// The game's icon at every size the desktop asks for, and the copy the game's window shows.
#include <filesystem>

// The icon sizes written by writeIcons, in pixels.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Side of the window's icon, kept in the game folder as images/icon.bmp.
inline constexpr int kWindowIconSize = 64;

// Writes <dir>/<size>.png for every size of kIconSizes (dir made if missing). False, with a
// line on stderr, when a file cannot be written.
bool writeIcons(const std::filesystem::path& dir);
