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

// The descriptor text: one "key = value" line per key, LF line ends.
std::string describeSprite(const SpriteSheet& sheet);

// Writes bytes to a file, replacing it. False when the file cannot be written.
bool writeBytes(const std::filesystem::path& file, const void* data, std::size_t size);

// Writes <dir>/<name>.bmp and <dir>/<name>.ini. False when either cannot be written.
bool writeSprite(const std::filesystem::path& dir, const SpriteSheet& sheet);

// Writes a picture as a bitmap file. False when it cannot be written.
bool writeBmp(const std::filesystem::path& file, const Image& img);
