#pragma once
// Small pictures and sprites that graphics tests write into their work folder.
#include <cstdint>
#include <functional>
#include <string>

// The colour of the cell in row frame and column column of a grid sprite: every cell its
// own 16-bit colour, none of them magenta or black.
std::uint32_t cellColour(int frame, int column);

// Writes a width x height bitmap whose pixel (x, y) is colourAt(x, y) as 0xRRGGBB.
void writePicture(const std::string& path, int width, int height,
                  const std::function<std::uint32_t(int, int)>& colourAt);

// Writes base.bmp, a grid of columns x frames cells of cellWidth x cellHeight filled with
// cellColour, and base.ini giving the three keys.
void writeGridSprite(const std::string& base, int cellWidth, int cellHeight, int frames,
                     int columns);

// The back buffer pixel at screen (x, y).
std::uint16_t pixelAt(int x, int y);
