#pragma once
// Text and icons at fixed screen positions, whatever the view.
#include <cstdarg>
#include <cstddef>

// Draws a printf-formatted line with the bitmap fonts, the first glyph's top-left corner at
// the screen point. Every character advances 20 px; digits come from the digit font, spaces
// draw nothing, everything else from the letter font at (code - 'A'), which the registry
// folds into range. The text is cut to 255 characters. A null format draws nothing.
void drawText(int screenX, int screenY, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Formats as vsnprintf does into text: at most size - 1 characters and a closing zero. A
// line whose only directives are %i and %d, as every line of the head-up display, is written
// without the general printf machinery, which costs as much as drawing the line.
void formatLine(char* text, std::size_t size, const char* format, std::va_list args);

// Draws frame 0, column 0 of a sprite with its top-left corner at the screen point.
void drawIcon(int sprite, int screenX, int screenY);
