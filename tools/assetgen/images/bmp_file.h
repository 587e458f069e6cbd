#pragma once
// Writing pictures and sprite descriptors in the formats the game reads.
#include "image.h"
#include "sprite_sheet.h"

#include <filesystem>
#include <string>
#include <vector>

// The picture as a Windows bitmap file: 24-bit, uncompressed, rows bottom-up, each row
// padded to four bytes.
std::vector<unsigned char> encodeBmp(const Image& img);

// The picture in the game's display format: 16-bit 5-6-5 with bit-field masks, rows
// bottom-up, so the game reads it without converting. Each pixel keeps the top 5, 6 and 5
// bits of red, green and blue, exactly as a conversion from 24 bits would.
std::vector<unsigned char> encodeBmp565(const Image& img);

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
