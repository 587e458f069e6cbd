#pragma once
// The start-up's asset table: every sprite and sound loaded in its fixed order, each handle
// stored in its field of the global Assets record.
#include <filesystem>

// Loads the 46 rows in order, writing the "Made it here" progress lines between them.
void loadStartupAssets();

// True when the folder holds at least one file of the table (a sprite's bitmap, the
// background or a sound), so it can be the game folder.
bool holdsAnAssetFile(const std::filesystem::path& folder);
