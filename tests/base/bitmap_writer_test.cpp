// The bitmap files the game's screen shots and the generator's pictures are written as.
#include "base/bitmap_writer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

std::uint32_t little(const std::vector<unsigned char>& file, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | file.at(at + i);
    return value;
}

TEST(BitmapWriter, HeadersRowsAndPaddingForEitherDepth) {
    const struct {
        BitmapDepth depth;
        int width, height;
        std::uint32_t pixelsPerMetre;
        std::size_t stride; // bytes a stored row takes, padded to four
    } cases[] = {
        {BitmapDepth::kRgb24, 1, 1, 0, 4},     {BitmapDepth::kRgb24, 3, 2, 2835, 12},
        {BitmapDepth::kRgb24, 4, 3, 2835, 12}, {BitmapDepth::kRgb565, 1, 2, 2835, 4},
        {BitmapDepth::kRgb565, 3, 2, 0, 8},    {BitmapDepth::kRgb565, 2, 1, 0, 4},
    };
    for (const auto& c : cases) {
        const bool masked = c.depth == BitmapDepth::kRgb565;
        SCOPED_TRACE(testing::Message()
                     << (masked ? 16 : 24) << " bits " << c.width << "x" << c.height);
        // Colours that both depths hold exactly and that name their own pixel.
        const auto colourAt = [](int x, int y) {
            return std::uint32_t(((x + 1) << 19) | ((y + 1) << 10) | 0x08);
        };
        const std::vector<unsigned char> file =
            encodeBitmap(c.width, c.height, c.depth, c.pixelsPerMetre, colourAt);
        const std::size_t headers = masked ? 66 : 54;
        ASSERT_EQ(file.size(), headers + c.stride * c.height);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(little(file, 2, 4), file.size());
        EXPECT_EQ(little(file, 10, 4), headers); // the pixels follow the headers
        EXPECT_EQ(little(file, 14, 4), 40u);
        EXPECT_EQ(little(file, 18, 4), std::uint32_t(c.width));
        EXPECT_EQ(little(file, 22, 4), std::uint32_t(c.height)); // positive: bottom row first
        EXPECT_EQ(little(file, 26, 2), 1u);
        EXPECT_EQ(little(file, 28, 2), masked ? 16u : 24u);
        EXPECT_EQ(little(file, 30, 4), masked ? 3u : 0u); // bit fields, or none
        EXPECT_EQ(little(file, 34, 4), c.stride * c.height);
        EXPECT_EQ(little(file, 38, 4), c.pixelsPerMetre);
        EXPECT_EQ(little(file, 42, 4), c.pixelsPerMetre);
        EXPECT_EQ(little(file, 46, 4), 0u); // every colour used, none important
        EXPECT_EQ(little(file, 50, 4), 0u);
        if (masked) {
            EXPECT_EQ(little(file, 54, 4), 0xF800u);
            EXPECT_EQ(little(file, 58, 4), 0x07E0u);
            EXPECT_EQ(little(file, 62, 4), 0x001Fu);
        }
        for (int y = 0; y < c.height; ++y) {
            const std::size_t row = headers + std::size_t(c.height - 1 - y) * c.stride;
            for (int x = 0; x < c.width; ++x) {
                if (masked) {
                    EXPECT_EQ(little(file, row + 2 * x, 2),
                              std::uint32_t(((x + 1) << 11) | ((y + 1) << 5) | 1));
                } else {
                    EXPECT_EQ(little(file, row + 3 * x, 3), colourAt(x, y)); // blue, green, red
                }
            }
            for (std::size_t pad = std::size_t(c.width) * (masked ? 2 : 3); pad < c.stride; ++pad)
                EXPECT_EQ(file[row + pad], 0) << "padding of row " << y;
        }
    }
}

TEST(BitmapWriter, SixteenBitsKeepTheTopBitsOfEachChannel) {
    const struct {
        std::uint32_t rgb;
        std::uint32_t packed;
    } cases[] = {{0xFFFFFF, 0xFFFF}, {0xF80000, 0xF800}, {0x00FC00, 0x07E0},
                 {0x0000F8, 0x001F}, {0x070307, 0x0000}, {0xFF00FF, 0xF81F}};
    for (const auto& c : cases) {
        const std::vector<unsigned char> file =
            encodeBitmap(1, 1, BitmapDepth::kRgb565, 0, [&](int, int) { return c.rgb; });
        EXPECT_EQ(little(file, 66, 2), c.packed) << std::hex << c.rgb;
    }
}

TEST(BitmapWriter, NoFileForAnEmptyPictureOrOnePastFourGigabytes) {
    const struct {
        int width, height;
        BitmapDepth depth;
    } cases[] = {{0, 5, BitmapDepth::kRgb24},
                 {5, 0, BitmapDepth::kRgb565},
                 {-3, 4, BitmapDepth::kRgb24},
                 {40000, 40000, BitmapDepth::kRgb24},
                 {46341, 46341, BitmapDepth::kRgb565}};
    for (const auto& c : cases) {
        int asked = 0;
        EXPECT_TRUE(encodeBitmap(c.width, c.height, c.depth, 0,
                                 [&](int, int) {
                                     ++asked;
                                     return 0u;
                                 })
                        .empty())
            << c.width << "x" << c.height;
        EXPECT_EQ(asked, 0);
    }
}

} // namespace
