#include "graphics/sprite.h"

#include "graphics/descriptor.h"
#include "graphics/display.h"
#include "graphics/surface.h"
#include "platform/log.h"

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
    if (sprite.loaded == 0) releaseSprite(sprite);
}

void selectCell(Sprite& sprite, std::int32_t frame, std::int32_t column) {
    if (sprite.totalFrames > 0) sprite.row = std::abs(frame % sprite.totalFrames);
    sprite.column = column;
}

bool drawCell(const Sprite& sprite, int screenX, int screenY) {
    if (sprite.loaded == 0) return false;
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
    releaseSurface(sprite.surface);
    sprite.surface = nullptr;
    sprite.loaded = 0;
}
