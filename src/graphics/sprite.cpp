#include "graphics/sprite.h"

#include "graphics/descriptor.h"
#include "graphics/display.h"
#include "graphics/surface.h"
#include "platform/log.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A sprite that is missing a key, or gives no frames or no cell size, cannot be drawn;
// without this a missing totalFrames would be a division by zero in selectCell.
bool usable(const SpriteDescriptor& descriptor) {
    return descriptor.totalFrames > 0 && descriptor.spriteWidth > 0 && descriptor.spriteHeight > 0;
}

bool fitsInt(std::int64_t value) {
    return value >= INT_MIN && value <= INT_MAX;
}

// More cells than this (a bad descriptor giving tiny cells on a big bitmap) are not cut; such
// a sprite draws from its whole bitmap.
constexpr std::int64_t kMaxCells = 4096;

// Whole pictures up to this size (sprites, icons) are readied for copying at load time.
constexpr std::int64_t kReadiedPicturePixels = 256 * 256;

// Cuts every cell that lies wholly inside the bitmap into a surface of its own, once, so
// that drawing a cell never walks the bitmap's rows above it.
void cutCells(Sprite& sprite) {
    const std::int64_t columns = surfaceWidth(sprite.surface) / sprite.spriteWidth;
    const std::int64_t rows = std::min<std::int64_t>(
        sprite.totalFrames, surfaceHeight(sprite.surface) / sprite.spriteHeight);
    if (columns * rows == 0 || columns * rows > kMaxCells) return;
    // A picture that is one whole cell is drawn from itself: no rows to skip. Only small ones
    // are readied now; the big ones are title screens, encoded when they are first shown.
    if (columns * rows == 1 && sprite.spriteWidth == surfaceWidth(sprite.surface) &&
        sprite.spriteHeight == surfaceHeight(sprite.surface)) {
        if (std::int64_t{sprite.spriteWidth} * sprite.spriteHeight <= kReadiedPicturePixels)
            prepareCopies(sprite.surface);
        return;
    }
    sprite.cells = new Surface*[static_cast<std::size_t>(columns * rows)];
    sprite.cellColumns = static_cast<std::int32_t>(columns);
    sprite.cellRows = static_cast<std::int32_t>(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int left = column * sprite.spriteWidth, top = row * sprite.spriteHeight;
            Surface* cell = cutCell(sprite.surface, SourceRect{left, top, left + sprite.spriteWidth,
                                                               top + sprite.spriteHeight});
            prepareCopies(cell);
            sprite.cells[row * columns + column] = cell;
        }
    }
}

// The cell's own surface, or null when it is not one of the cut cells.
const Surface* cutCellOf(const Sprite& sprite) {
    if (sprite.cells == nullptr || sprite.column < 0 || sprite.column >= sprite.cellColumns ||
        sprite.row < 0 || sprite.row >= sprite.cellRows)
        return nullptr;
    return sprite.cells[sprite.row * sprite.cellColumns + sprite.column];
}

} // namespace

void loadSprite(Sprite& sprite, const char* basePath) {
    releaseSprite(sprite);
    sprite = Sprite{};
    if (basePath == nullptr || std::strlen(basePath) > kMaxBasePath) return;
    const std::string base(basePath);
    sprite.surface = loadBitmapSurface((base + ".bmp").c_str());
    if (sprite.surface != nullptr) setColourKey(sprite.surface, kMagenta);
    // The descriptor is read even when the bitmap failed, as it always has been.
    SpriteDescriptor descriptor;
    const std::string descriptorPath = base + ".ini";
    const bool understood = parseDescriptor(descriptorPath.c_str(), descriptor);
    if (!understood) logError("Cannot read the sprite descriptor %s", descriptorPath.c_str());
    sprite.totalFrames = descriptor.totalFrames;
    sprite.spriteWidth = descriptor.spriteWidth;
    sprite.spriteHeight = descriptor.spriteHeight;
    sprite.loaded = sprite.surface != nullptr && understood && usable(descriptor) ? 1 : 0;
    if (understood && !usable(descriptor))
        logError("The sprite descriptor %s gives no frames or no cell size",
                 descriptorPath.c_str());
    // An unusable sprite never draws, so its bitmap need not wait for shutdown to be freed.
    if (sprite.loaded == 0) {
        releaseSprite(sprite);
        return;
    }
    cutCells(sprite);
}

void selectCell(Sprite& sprite, std::int32_t frame, std::int32_t column) {
    if (sprite.totalFrames > 0) sprite.row = std::abs(frame % sprite.totalFrames);
    sprite.column = column;
}

bool drawCell(const Sprite& sprite, int screenX, int screenY) {
    if (sprite.loaded == 0) return false;
    if (const Surface* cell = cutCellOf(sprite)) {
        return blitClipped(screenX, screenY, cell,
                           SourceRect{0, 0, sprite.spriteWidth, sprite.spriteHeight},
                           kBlitColourKey);
    }
    // A cell reaching past the bitmap's edge is copied from the bitmap, which clips or refuses
    // it as it always has.
    const std::int64_t left = std::int64_t{sprite.column} * sprite.spriteWidth;
    const std::int64_t top = std::int64_t{sprite.row} * sprite.spriteHeight;
    const std::int64_t right = left + sprite.spriteWidth;
    const std::int64_t bottom = top + sprite.spriteHeight;
    // A cell this far out cannot lie inside any bitmap.
    if (!fitsInt(left) || !fitsInt(right) || !fitsInt(bottom)) return false;
    const SourceRect cell{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                          static_cast<int>(bottom)};
    return blitClipped(screenX, screenY, sprite.surface, cell, kBlitColourKey);
}

void releaseSprite(Sprite& sprite) {
    for (std::int32_t cell = 0; cell < sprite.cellColumns * sprite.cellRows; ++cell)
        releaseSurface(sprite.cells[cell]);
    delete[] sprite.cells;
    sprite.cells = nullptr;
    sprite.cellColumns = 0;
    sprite.cellRows = 0;
    releaseSurface(sprite.surface);
    sprite.surface = nullptr;
    sprite.loaded = 0;
}
