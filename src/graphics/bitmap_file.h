#pragma once
// The Windows bitmap file format, the parts the game needs beyond SDL's reader: a check of a
// file's header before anything is allocated for it, and a plain 24-bit writer.
#include <cstddef>
#include <cstdint>

// Largest width or height a picture of the game may have.
inline constexpr std::int64_t kMaxBitmapSide = 8192;
// Largest number of pixels: the 2400x2400 floor is the game's largest picture. Compressed
// files can be far smaller than the picture they claim, so the sides alone do not bound it.
inline constexpr std::int64_t kMaxBitmapPixels = 16 * 1024 * 1024;

// Why the file must not be given to SDL's reader, or null when its header describes a
// picture that its size can hold, at most kMaxBitmapSide on each side and kMaxBitmapPixels
// in all. The reason is a fixed text. SDL's reader allocates whatever a header claims, so
// every bitmap passes here first.
const char* bitmapFileFault(const char* path);

// As bitmapFileFault, on the file's first bytes (at most the first 54 are read) and its size.
const char* bitmapHeaderFault(const unsigned char* header, std::uint64_t headerLength,
                              std::uint64_t fileSize);

// Where the pixels of a bitmap in the display's own format lie: uncompressed 16-bit 5-6-5
// with the bit-field masks F800, 07E0 and 001F, as the game's generator writes its large
// pictures. Such a file can be read straight into a surface, row for row.
struct Rgb565Layout {
    int width;
    int height;
    bool topDown;            // rows stored top first (a negative height in the file)
    std::uint64_t offset;    // of the first stored row
    std::uint64_t rowStride; // bytes from one stored row to the next
};

// The layout of a file whose header (its first bytes, at least 66 for the masks) passes
// bitmapHeaderFault and describes such pixels; false for any other file.
bool rgb565Layout(const unsigned char* header, std::uint64_t headerLength, std::uint64_t fileSize,
                  Rgb565Layout& layout);

// As rgb565Layout, on the file at path.
bool rgb565FileLayout(const char* path, Rgb565Layout& layout);

// Reads the pixels of a file with that layout into rows pitch bytes apart, top row first.
// False when the file cannot be read to its last row.
bool readRgb565Pixels(const char* path, const Rgb565Layout& layout, unsigned char* pixels,
                      std::ptrdiff_t pitch);

// Writes a bottom-up 24-bit bitmap of width x height pixels given as 0xRRGGBB, rows top
// first. False when the file cannot be written or a side is not above 0.
bool writeBitmapFile(const char* path, int width, int height, const std::uint32_t* rgb);
