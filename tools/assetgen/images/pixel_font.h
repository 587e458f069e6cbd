#pragma once
// The game's own 5x7 block lettering, rasterised at any whole scale with a rim and a drop
// shadow: used for the font sprites and for every word on the menu, intro and end pictures.
#include "image.h"
#include "palette.h"

#include <string_view>

inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 7;

// True when the glyph of ch (capitals, digits, space and . , ! ? : ' - / ( ) &) has its
// dot at (col, row); unknown characters are blank.
bool glyphDot(char ch, int col, int row);

struct TextStyle {
    int scale = 2;      // each dot as a scale x scale block
    int boldExtra = 0;  // each dot widened to the right by this many pixels
    Ramp fill = kGold;  // top of a glyph takes the light end of the ramp, bottom the dark
    Rgb rim = kOutline; // one-pixel outline
    int shadow = 1;     // rim offset down-right in pixels, 0 for none
    int letterGap = 1;  // dots of space between letters
};

// Pixels one line of text covers across, at the style's spacing.
int textWidth(std::string_view text, const TextStyle& style);
// Pixels the lettering covers down, rim and shadow included.
int textHeight(const TextStyle& style);

// Draws the text with the top-left of its first glyph's dots at (x, y).
void drawText(Image& img, int x, int y, std::string_view text, const TextStyle& style);
// Draws the text centred across the picture's width with its top at y.
void drawTextCentred(Image& img, int y, std::string_view text, const TextStyle& style);
