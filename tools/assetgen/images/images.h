#pragma once
// The picture half of the asset generator.
#include <filesystem>

// Writes every picture the game loads into imagesDir (made if missing): each sprite as
// <name>.bmp with its <name>.ini, the floors bg1.bmp and background.bmp, and the window's
// icon.bmp. The same files, byte for byte, on every run. False, with a line on stderr, when a file
// cannot be written.
bool writeImages(const std::filesystem::path& imagesDir);
