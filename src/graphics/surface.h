#pragma once
// Off-screen pictures in the display's 16-bit pixel format (5-6-5), made from bitmap files.
// The type is opaque: only the display code sees what is inside.
#include <cstdint>

struct Surface;
struct SourceRect;

// Magenta, the transparent colour of every sprite, as 0xRRGGBB.
inline constexpr std::uint32_t kMagenta = 0xFF00FF;

// A new surface of the bitmap's size holding its pixels, converted once to the display's
// format; null, with one log line naming the file, when it is missing, unreadable or fails
// the bitmap check. The caller owns it and gives it back with releaseSurface.
Surface* loadBitmapSurface(const char* fileName);

// Frees a surface; null is allowed.
void releaseSurface(Surface* surface);

// The surface's size in pixels; 0 for null.
int surfaceWidth(const Surface* surface);
int surfaceHeight(const Surface* surface);

// The raw 16-bit pixel value that the colour 0xRRGGBB has in the surface's format, or
// 0xFFFFFFFF for null. Colours that share a 16-bit value give the same raw value.
std::uint32_t matchColour(const Surface* surface, std::uint32_t rgb);

// Makes every pixel whose raw value equals matchColour(surface, rgb) transparent in keyed
// copies. The surface's pixels must be final: keyed surfaces are run-length encoded for speed.
// False for null.
bool setColourKey(Surface* surface, std::uint32_t rgb);

// A new surface holding one rectangle of a sheet, with the sheet's colour key and run-length
// encoded, so that copying it never walks the sheet's other rows. The caller owns it; null
// when the rectangle is not wholly inside the sheet.
Surface* cutCell(const Surface* sheet, SourceRect rect);
