// The generator writes the game's pictures in the display's 16-bit format: SDL must read
// them as that format, holding exactly what its own conversion makes of the 24-bit picture.
#include "bmp_file.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Every 16-bit pixel of a picture read from bitmap bytes, after converting it to 5-6-5.
std::vector<std::uint16_t> readAs565(const std::vector<unsigned char>& bytes, Uint32& format) {
    SDL_Surface* read = SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (read == nullptr) return {};
    format = read->format->format;
    SDL_Surface* packed = SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGB565, 0);
    std::vector<std::uint16_t> pixels;
    for (int y = 0; packed != nullptr && y < packed->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint16_t*>(
            static_cast<const std::uint8_t*>(packed->pixels) + y * packed->pitch);
        pixels.insert(pixels.end(), row, row + packed->w);
    }
    SDL_FreeSurface(packed);
    SDL_FreeSurface(read);
    return pixels;
}

TEST(GamePicture, SixteenBitFileHoldsWhatTheDisplayMakesOfTheTwentyFourBitOne) {
    // Odd widths pad their rows; the sweep covers every low bit that packing drops, and the
    // pinks next to magenta must pack to the key exactly as they would have.
    for (int width : {1, 3, 66}) {
        SCOPED_TRACE(width);
        Image picture(width, 7);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < width; ++x)
                picture.set(x, y,
                            Rgb{std::uint8_t(37 * x + y), std::uint8_t(5 * x * y),
                                std::uint8_t(255 - 3 * x)});
        picture.set(0, 1, kClear);
        picture.set(0, 2, Rgb{250, 3, 251});
        picture.set(0, 3, Rgb{247, 4, 247});
        Uint32 format24 = 0, format16 = 0;
        const std::vector<std::uint16_t> wanted =
            readAs565(encodeBmp(picture, BitmapDepth::kRgb24), format24);
        const std::vector<std::uint16_t> got =
            readAs565(encodeBmp(picture, BitmapDepth::kRgb565), format16);
        ASSERT_EQ(wanted.size(), std::size_t(width) * 7);
        EXPECT_EQ(format16, Uint32{SDL_PIXELFORMAT_RGB565}) << "read without a conversion";
        EXPECT_EQ(got, wanted);
    }
}

} // namespace
