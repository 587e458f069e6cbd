#pragma once
// The review picture: every sprite's cells laid out on the arena floor, each sheet under its
// name, so the whole set can be judged at one look.
#include "image.h"
#include "sprite_sheet.h"

#include <filesystem>
#include <vector>

// Lays out the sheets: small ones enlarged, the screen pictures halved, cells apart.
Image makeContactSheet(const std::vector<SpriteSheet>& sheets);

// Builds every sprite and writes the review picture as a bitmap. False if it cannot be
// written.
bool writeContactSheet(const std::filesystem::path& file);
