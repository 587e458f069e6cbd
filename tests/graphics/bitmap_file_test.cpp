#include "graphics/bitmap_file.h"
#include "graphics/surface.h"
#include "graphics/surface_local.h"

#include "support/sprite_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace {

std::string little(std::uint32_t value) {
    return std::string{char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

// An 8-bit run-length-encoded bitmap of the given size in 1080 bytes: headers, a grey
// palette and nothing but the end-of-picture code.
std::string rle8(int width, int height) {
    const std::uint32_t dataOffset = 14 + 40 + 1024;
    std::string bytes = "BM" + little(dataOffset + 2) + little(0) + little(dataOffset);
    bytes += little(40) + little(width) + little(height) + std::string{1, 0, 8, 0} + little(1) +
             little(2) + little(2835) + little(2835) + little(256) + little(0);
    for (int i = 0; i < 256; ++i)
        bytes += little(0x010101u * i);
    return bytes + std::string{0, 1};
}

std::uint16_t patternAt(int x, int y) {
    return static_cast<std::uint16_t>(x * 31 + y * 2053);
}

// A 16-bit 5-6-5 bitmap with bit-field masks, as the generator writes the floor, holding
// patternAt; rows padded to four bytes, stored bottom row first unless topDown.
void write565(const std::string& path, int width, int height, bool topDown) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 2 + 3) & ~3u;
    const std::uint32_t offset = 14 + 40 + 12;
    std::string bytes = "BM" + little(offset + stride * height) + little(0) + little(offset);
    bytes += little(40) + little(width) + little(topDown ? -height : height) +
             std::string{1, 0, 16, 0} + little(3) + little(stride * height) + little(2835) +
             little(2835) + little(0) + little(0) + little(0xF800) + little(0x07E0) +
             little(0x001F);
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            row[2 * x] = static_cast<char>(patternAt(x, y));
            row[2 * x + 1] = static_cast<char>(patternAt(x, y) >> 8);
        }
        bytes += row;
    }
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(BitmapFile, ALargePictureInTheDisplaysFormatIsReadRowForRowEitherWayUp) {
    ScopedWorkDir dir;
    // 1025 px: each stored row carries two bytes of padding; 1024 rows make over 2 MB.
    for (const bool topDown : {false, true}) {
        write565("floor.bmp", 1025, 1024, topDown);
        Surface* floor = loadBitmapSurface("floor.bmp");
        ASSERT_NE(floor, nullptr);
        ASSERT_EQ(surfaceWidth(floor), 1025);
        ASSERT_EQ(surfaceHeight(floor), 1024);
        const SDL_Surface* pixels = floor->pixels;
        int wrong = 0;
        for (int y = 0; y < 1024; ++y) {
            const auto* row = reinterpret_cast<const std::uint16_t*>(
                static_cast<const unsigned char*>(pixels->pixels) + y * pixels->pitch);
            for (int x = 0; x < 1025; ++x)
                wrong += row[x] != patternAt(x, y);
        }
        EXPECT_EQ(wrong, 0) << (topDown ? "top down" : "bottom up");
        releaseSurface(floor);
    }
}

TEST(BitmapFile, BrokenOrOverclaimingFilesGiveNoSurface) {
    ScopedWorkDir dir;
    writePicture("small.bmp", 4, 3, [](int x, int y) { return 0x102030u * (x + y); });
    Surface* surface = loadBitmapSurface("small.bmp");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surfaceWidth(surface), 4);
    EXPECT_EQ(surfaceHeight(surface), 3);
    releaseSurface(surface);
    const std::string good = readFile("small.bmp");
    std::string huge = good; // 50000000 x 8 pixels: a gigabyte and more if believed
    huge.replace(18, 8, std::string("\x80\xF0\xFA\x02\x08\0\0\0", 8));
    const std::string cases[] = {"", "BM this is not a bitmap at all",
                                 good.substr(0, good.size() - 5), huge, rle8(8192, 8192)};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        writeFile("case.bmp", bytes);
        EXPECT_EQ(loadBitmapSurface("case.bmp"), nullptr);
    }
    EXPECT_NE(
        readFile("sys_debug.log").find("Cannot read the picture case.bmp (picture too large)"),
        std::string::npos);
}

// Compressed pixels can claim any picture in a few bytes: the total bounds them.
TEST(BitmapFile, PicturesOverSixteenMegapixelsAreRefusedWhateverTheirCompression) {
    const struct {
        int width, height;
        bool fits;
    } cases[] = {{4096, 4096, true}, {4097, 4096, false}, {8192, 2049, false}};
    for (const auto& c : cases) {
        const std::string bytes = rle8(c.width, c.height);
        SCOPED_TRACE(c.width * 10000 + c.height);
        const char* fault = bitmapHeaderFault(reinterpret_cast<const unsigned char*>(bytes.data()),
                                              bytes.size(), bytes.size());
        EXPECT_EQ(fault == nullptr, c.fits);
    }
}

} // namespace
