#include "graphics/large_page_surface_local.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;

bool onLargePageBoundary(const void* pixels) {
    return reinterpret_cast<std::uintptr_t>(pixels) % kLargePage == 0;
}

TEST(LargePageSurface, IsAZeroedSurfaceOfTheSizeAndFormatAskedWithRowsWithoutPadding) {
    SDL_Surface* surface = createLargePageSurface(800, 600, SDL_PIXELFORMAT_RGB565);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->w, 800);
    EXPECT_EQ(surface->h, 600);
    EXPECT_EQ(surface->pitch, 1600);
    EXPECT_EQ(surface->format->format, SDL_PIXELFORMAT_RGB565);
    EXPECT_TRUE(onLargePageBoundary(surface->pixels));
    const auto* bytes = static_cast<const unsigned char*>(surface->pixels);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1600 * 600 - 1], 0);
    // The last row is writable through SDL like any surface's.
    SDL_Rect lastRow{0, 599, 800, 1};
    EXPECT_EQ(SDL_FillRect(surface, &lastRow, 0xF81F), 0);
    EXPECT_EQ(static_cast<const Uint16*>(surface->pixels)[800 * 600 - 1], 0xF81F);
    freeSurface(surface);
}

TEST(LargePageSurface, RefusesSizesThatCannotBeMade) {
    EXPECT_EQ(createLargePageSurface(0, 600, SDL_PIXELFORMAT_RGB565), nullptr);
    EXPECT_EQ(createLargePageSurface(800, -1, SDL_PIXELFORMAT_RGB565), nullptr);
    EXPECT_EQ(createLargePageSurface(0x7FFFFFFF, 1, SDL_PIXELFORMAT_RGB565), nullptr);
}

TEST(LargePageSurface, APictureOfALargePageOrMoreMovesWithEveryPixelAndASmallerOneStays) {
    SDL_Surface* floor = SDL_CreateRGBSurfaceWithFormat(0, 2400, 2400, 16, SDL_PIXELFORMAT_RGB565);
    ASSERT_NE(floor, nullptr);
    auto* pixels = static_cast<Uint16*>(floor->pixels);
    for (int i = 0; i < 2400 * 2400; ++i)
        pixels[i] = static_cast<Uint16>(i * 2654435761u >> 16);
    SDL_Surface* moved = moveToLargePages(floor);
    ASSERT_NE(moved, nullptr);
    EXPECT_TRUE(onLargePageBoundary(moved->pixels));
    bool same = true;
    for (int i = 0; i < 2400 * 2400 && same; ++i)
        same = static_cast<const Uint16*>(moved->pixels)[i] ==
               static_cast<Uint16>(i * 2654435761u >> 16);
    EXPECT_TRUE(same);
    freeSurface(moved);

    SDL_Surface* sprite = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 16, SDL_PIXELFORMAT_RGB565);
    EXPECT_EQ(moveToLargePages(sprite), sprite);
    freeSurface(sprite);
    freeSurface(nullptr);
}

} // namespace
