#pragma once
// Writing Windows bitmap files, as the game writes its screen shots and the generator its
// pictures: uncompressed, rows stored bottom first, each padded to four bytes.
#include <cstdint>
#include <functional>
#include <vector>

enum class BitmapDepth {
    kRgb24,  // 24-bit colour, blue, green, red
    kRgb565, // the display's own 16-bit 5-6-5, with the bit-field masks F800, 07E0 and 001F
};

// The whole file of a width x height picture whose pixel at (x, y), y = 0 the top row, is
// pixelAt(x, y) as 0xRRGGBB. At 16 bits a pixel keeps the top 5, 6 and 5 bits of red, green
// and blue, exactly as a conversion from 24 bits would. The header states pixelsPerMetre
// across and down (0 states none). Empty when a side is not above 0 or the file would pass
// 4 GB.
std::vector<unsigned char> encodeBitmap(int width, int height, BitmapDepth depth,
                                        std::uint32_t pixelsPerMetre,
                                        const std::function<std::uint32_t(int x, int y)>& pixelAt);
