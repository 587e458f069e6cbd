#pragma once
// Writing pictures as PNG files through libpng, for the desktop's icons.
#include "image.h"

#include <filesystem>

// Writes the picture as an 8-bit RGBA PNG, its clear pixels fully transparent. False when
// the file cannot be written.
bool writePng(const std::filesystem::path& file, const Image& img);
