#pragma once
// The Windows bitmap file format, the parts the game needs beyond SDL's reader: a check of a
// file's header before anything is allocated for it, and a plain 24-bit writer.
#include <cstdint>

// Largest width or height a picture of the game may have.
inline constexpr std::int64_t kMaxBitmapSide = 8192;

// True when the file's header describes a picture that its size can hold and that is at
// most kMaxBitmapSide on each side. False for a missing, short or nonsensical file.
// SDL's reader allocates whatever a header claims, so every bitmap passes here first.
bool bitmapFileFits(const char* path);

// As bitmapFileFits, on the file's first bytes (at most the first 54 are read) and its size.
bool bitmapHeaderFits(const unsigned char* header, std::uint64_t headerLength,
                      std::uint64_t fileSize);

// Writes a bottom-up 24-bit bitmap of width x height pixels given as 0xRRGGBB, rows top
// first. False when the file cannot be written or a side is not above 0.
bool writeBitmapFile(const char* path, int width, int height, const std::uint32_t* rgb);
