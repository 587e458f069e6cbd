#pragma once
// A sprite: a bitmap cut into a grid of equal cells, magenta transparent, with a descriptor
// giving the cell size and the number of frames. Rows are frames, columns are variants the
// caller picks by number. A base path such as "./images/player" names "./images/player.bmp"
// and "./images/player.ini".
#include <cstddef>
#include <cstdint>

struct Surface;

// Base paths have room for 255 characters; a longer one loads nothing.
inline constexpr std::size_t kMaxBasePath = 255;

struct Sprite {
    Surface* surface = nullptr;   // owned: the whole bitmap, keyed on magenta
    Surface** cells = nullptr;    // owned: each whole cell of the grid cut out, row after row
    std::int32_t cellColumns = 0; // the grid of cells lying wholly inside the bitmap
    std::int32_t cellRows = 0;
    std::int32_t spriteHeight = 0;
    std::int32_t spriteWidth = 0;
    std::uint8_t loaded = 0; // 1 when the sprite can be drawn
    std::int32_t column = 0; // the cell chosen by the last selectCell
    std::int32_t row = 0;
    std::int32_t totalFrames = 0;
};

// Loads both files of the base path. The sprite is usable (loaded = 1) only when the bitmap
// loads, the descriptor is understood and gives frames, width and height all above 0; a
// base path over 255 characters loads nothing. An unusable sprite draws nothing.
void loadSprite(Sprite& sprite, const char* basePath);

// Chooses the cell for the next drawCell: row = |frame rem totalFrames| with the remainder
// taking frame's sign, so frame -k shows the same row as +k; column unchecked.
void selectCell(Sprite& sprite, std::int32_t frame, std::int32_t column);

// Copies the selected cell to the screen with its top-left corner at (screenX, screenY),
// clipped, magenta skipped. True when drawn or wholly off screen; false when the sprite is
// unusable or the cell lies outside the bitmap (a column past its right edge).
bool drawCell(const Sprite& sprite, int screenX, int screenY);

// Frees the bitmap and makes the sprite unusable.
void releaseSprite(Sprite& sprite);
