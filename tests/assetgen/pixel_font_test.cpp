#include "pixel_font.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int dotsOf(char ch) {
    int n = 0;
    for (int row = 0; row < kGlyphRows; ++row)
        for (int col = 0; col < kGlyphColumns; ++col)
            n += glyphDot(ch, col, row);
    return n;
}

// Every character the screens print has a glyph of its own; an unknown one would leave a
// silent gap in a word.
TEST(PixelFont, EveryPrintedCharacterHasItsOwnGlyph) {
    std::string printed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,!?:'-/()&";
    for (std::size_t a = 0; a < printed.size(); ++a) {
        EXPECT_GT(dotsOf(printed[a]), 2) << printed[a];
        for (std::size_t b = a + 1; b < printed.size(); ++b) {
            bool same = true;
            for (int row = 0; row < kGlyphRows; ++row)
                for (int col = 0; col < kGlyphColumns; ++col)
                    same = same && glyphDot(printed[a], col, row) == glyphDot(printed[b], col, row);
            EXPECT_FALSE(same) << printed[a] << " and " << printed[b];
        }
    }
    EXPECT_EQ(dotsOf(' '), 0);
    EXPECT_EQ(dotsOf('a'), 0);
}

// Centring and the menu's placing trust textWidth and textHeight to be the drawn extent.
TEST(PixelFont, DrawnLetteringCoversExactlyItsMeasuredBox) {
    for (int scale : {1, 2, 4}) {
        TextStyle style;
        style.scale = scale;
        style.shadow = scale;
        style.boldExtra = scale / 2;
        std::string text = "HW1";
        Image img(200, 100);
        drawText(img, 10, 20, text, style);
        int minX = 999, minY = 999, maxX = -1, maxY = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.opaque(x, y)) {
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                }
        SCOPED_TRACE(scale);
        EXPECT_EQ(minX, 9); // the rim lies one pixel outside the dots
        EXPECT_EQ(minY, 19);
        EXPECT_EQ(maxX - minX + 1, textWidth(text, style));
        EXPECT_EQ(maxY - minY + 1, textHeight(style));
    }
}

} // namespace
