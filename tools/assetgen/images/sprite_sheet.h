#pragma once
// A sprite as the game reads it: a picture cut into equal cells, rows being frames and
// columns variants, and the three numbers of its descriptor.
#include "image.h"

#include <string>

struct SpriteSheet {
    std::string name; // base file name, without extension
    int cellWidth = 0;
    int cellHeight = 0;
    int totalFrames = 0; // rows
    int columns = 0;
    Image image;

    int cellX(int column) const { return column * cellWidth; }
    int cellY(int frame) const { return frame * cellHeight; }
};

// An empty (all clear) sheet of frames rows and columns columns of cells.
inline SpriteSheet makeSheet(std::string name, int cellWidth, int cellHeight, int frames,
                             int columns) {
    return {std::move(name), cellWidth, cellHeight,
            frames,          columns,   Image(cellWidth * columns, cellHeight * frames)};
}
