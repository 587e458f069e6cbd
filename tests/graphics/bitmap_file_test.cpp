#include "graphics/bitmap_file.h"
#include "graphics/surface.h"

#include "sprite_files.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void putLittle(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// A valid 4x3 picture's bytes, to be spoilt by each case.
std::string smallBitmap() {
    writePicture("small.bmp", 4, 3, [](int x, int y) { return 0x102030u * (x + y); });
    return readFile("small.bmp");
}

bool loads(const std::string& bytes) {
    writeFile("case.bmp", bytes);
    Surface* surface = loadBitmapSurface("case.bmp");
    const bool result = surface != nullptr;
    releaseSurface(surface);
    return result;
}

TEST(BitmapFile, WrittenPictureLoadsAtItsSize) {
    ScopedWorkDir dir;
    smallBitmap();
    Surface* surface = loadBitmapSurface("small.bmp");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surfaceWidth(surface), 4);
    EXPECT_EQ(surfaceHeight(surface), 3);
    EXPECT_EQ(matchColour(surface, 0xF800F8), matchColour(surface, kMagenta));
    releaseSurface(surface);
}

TEST(BitmapFile, BrokenFilesGiveNoSurface) {
    ScopedWorkDir dir;
    const std::string good = smallBitmap();
    EXPECT_FALSE(loads(""));
    EXPECT_FALSE(loads("BM this is not a bitmap at all"));
    EXPECT_FALSE(loads(good.substr(0, good.size() - 5))); // pixels cut short
    std::string notBm = good;
    notBm[0] = 'X';
    EXPECT_FALSE(loads(notBm));
    std::string oddDepth = good;
    oddDepth[28] = 7;
    EXPECT_FALSE(loads(oddDepth));
    EXPECT_EQ(loadBitmapSurface("absent.bmp"), nullptr);
}

TEST(BitmapFile, HeadersClaimingMoreThanTheFileHoldsAreRefusedUnread) {
    ScopedWorkDir dir;
    const std::string good = smallBitmap();
    std::string huge = good;
    putLittle(huge, 18, 50000000); // a gigabyte and more if believed
    putLittle(huge, 22, 8);
    EXPECT_FALSE(loads(huge));
    std::string tall = good;
    putLittle(tall, 22, 0x80000000u); // the most negative height
    EXPECT_FALSE(loads(tall));
    std::string square = good;
    putLittle(square, 18, 8192);
    putLittle(square, 22, 8192);
    EXPECT_FALSE(loads(square));
    // A side over the limit is refused even when the file really holds the pixels.
    writePicture("wide.bmp", 8193, 1, [](int, int) { return 0x123456u; });
    EXPECT_EQ(loadBitmapSurface("wide.bmp"), nullptr);
}

TEST(BitmapFile, TopDownRowsAreAccepted) {
    ScopedWorkDir dir;
    std::string topDown = smallBitmap();
    putLittle(topDown, 22, static_cast<std::uint32_t>(-3));
    EXPECT_TRUE(loads(topDown));
}

} // namespace
