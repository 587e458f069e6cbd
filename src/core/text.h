#pragma once
// Text and icons at fixed screen positions, whatever the view.

// Draws a printf-formatted line with the bitmap fonts, the first glyph's top-left corner at
// the screen point. Every character advances 20 px; digits come from the digit font, spaces
// draw nothing, everything else from the letter font at (code - 'A'), which the registry
// folds into range. The text is cut to 255 characters. A null format draws nothing.
void drawText(int screenX, int screenY, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Draws frame 0, column 0 of a sprite with its top-left corner at the screen point.
void drawIcon(int sprite, int screenX, int screenY);
