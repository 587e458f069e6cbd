#pragma once
// Writing pictures and sprite descriptors in the formats the game reads.
#include "base/bitmap_writer.h"
#include "image.h"
#include "sprite_sheet.h"

#include <filesystem>
#include <string>
#include <vector>

// The picture as a Windows bitmap file of that depth, stating 72 dpi as most painters do.
// At 16 bits (the game's display format) the game reads it without converting.
std::vector<unsigned char> encodeBmp(const Image& img, BitmapDepth depth);

// The descriptor text: one "key = value" line per key, LF line ends.
std::string describeSprite(const SpriteSheet& sheet);

// Writes bytes to a file, replacing it. False when the file cannot be written.
bool writeBytes(const std::filesystem::path& file, const void* data, std::size_t size);

// Writes <dir>/<name>.bmp (16-bit when it is screen-sized or larger, else 24-bit) and
// <dir>/<name>.ini. False when either cannot be written.
bool writeSprite(const std::filesystem::path& dir, const SpriteSheet& sheet);

// Writes a picture as a 24-bit bitmap file. False when it cannot be written.
bool writeBmp(const std::filesystem::path& file, const Image& img);

// Writes a picture the game loads as a 16-bit bitmap file: the floors and the screens,
// whose conversion would be most of the start-up's loading. False when it cannot be written.
bool writeGamePicture(const std::filesystem::path& file, const Image& img);
