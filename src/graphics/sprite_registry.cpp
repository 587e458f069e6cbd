#include "graphics/sprite_registry.h"

#include "graphics/display.h"
#include "graphics/sprite.h"
#include "graphics/surface.h"
#include "platform/log.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int kHalfViewWidth = 400;
constexpr int kHalfViewHeight = 300;
constexpr float kLargeAngle = 1.0e6f;

struct SpriteRegistry {
    Sprite sprites[kRegistryCapacity];
    int count = 0;
    int capacity = kRegistryCapacity;
    Surface* background = nullptr;
    int viewLeft = 0;
    int viewTop = 0;
    int viewRight = 2 * kHalfViewWidth;
    int viewBottom = 2 * kHalfViewHeight;
    // For the simulator's reports only. Plain characters keep the registry constinit, with
    // nothing to destroy.
    char paths[kRegistryCapacity][kMaxBasePath + 1] = {};
};

// constinit: in place before main() runs, with no constructor to order against the others.
constinit SpriteRegistry registry;

void loadBackground(const char* path) {
    // A new background replaces the old one, whose surface would otherwise be lost.
    releaseSurface(registry.background);
    registry.background = loadBitmapSurface(path);
}

int loadNextSprite(const char* path) {
    if (registry.count >= registry.capacity) {
        logError("loadImage: no room for another sprite (%s)", path != nullptr ? path : "");
        return -1;
    }
    const int handle = registry.count++;
    loadSprite(registry.sprites[handle], path);
    std::snprintf(registry.paths[handle], sizeof registry.paths[handle], "%s",
                  path != nullptr ? path : "");
    return handle;
}

// The frame of each 22.5-degree sector, from 0 degrees on; each sector begins at its bound
// (22.5 k rounded up) rather than being centred on it, as the sprites were drawn for.
int facingFrame(float angle) {
    // Angles far out would never change by subtracting 360, and infinities never end.
    if (!std::isfinite(angle)) angle = 0.0f;
    if (std::fabs(angle) >= kLargeAngle) angle = std::fmod(angle, 360.0f);
    while (angle >= 360.0f || angle < 0.0f) {
        if (angle >= 360.0f) angle -= 360.0f;
        if (angle < 0.0f) angle += 360.0f;
    }
    static constexpr int kBounds[16] = {23,  45,  68,  90,  113, 135, 158, 180,
                                        203, 225, 248, 270, 293, 315, 338, 360};
    static constexpr int kFrames[16] = {4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5};
    for (int sector = 0; sector < 16; ++sector) {
        if (angle < static_cast<float>(kBounds[sector])) return kFrames[sector];
    }
    return kFrames[15];
}

} // namespace

int loadImage(const char* path, ImageLoad mode) {
    if (mode == ImageLoad::kSprite) return loadNextSprite(path);
    loadBackground(path);
    return registry.count - 1;
}

bool drawSprite(int handle, int worldX, int worldY, int frame, int column) {
    if (handle < 0 || handle >= registry.count) return false;
    Sprite& sprite = registry.sprites[handle];
    selectCell(sprite, frame, column);
    return drawCell(sprite, worldX - registry.viewLeft, worldY - registry.viewTop);
}

bool drawSpriteFacing(int handle, int worldX, int worldY, float angle, int column) {
    return drawSprite(handle, worldX, worldY, facingFrame(angle), column);
}

void drawBackground() {
    const SourceRect view{registry.viewLeft, registry.viewTop, registry.viewRight,
                          registry.viewBottom};
    // The floor's copy overwrites every pixel when it covers the screen; only then may the
    // fill go. Without a floor the screen is still cleared, so no earlier frame shows through.
    if (!coversScreen(registry.background, view)) clearScreen(0);
    // A view reaching past the picture's right or bottom edge fails the copy: black there.
    if (registry.background != nullptr) blitClipped(0, 0, registry.background, view, 0);
}

void setViewCentre(int worldX, int worldY) {
    registry.viewLeft = worldX - kHalfViewWidth;
    registry.viewRight = worldX + kHalfViewWidth;
    registry.viewTop = worldY - kHalfViewHeight;
    registry.viewBottom = worldY + kHalfViewHeight;
}

void getViewCentre(int& outX, int& outY) {
    outX = registry.viewLeft + kHalfViewWidth;
    outY = registry.viewTop + kHalfViewHeight;
}

void releaseRegistry() {
    releaseSurface(registry.background);
    registry.background = nullptr;
    for (int handle = 0; handle < registry.count; ++handle)
        releaseSprite(registry.sprites[handle]);
}

void createRegistry() {
    releaseRegistry();
    registry.count = 0;
    registry.background = nullptr;
    setViewCentre(kHalfViewWidth, kHalfViewHeight);
    for (int handle = 0; handle < registry.capacity; ++handle) {
        registry.sprites[handle] = Sprite{};
        registry.paths[handle][0] = '\0';
    }
}

int spriteCount() {
    return registry.count;
}

SpriteInfo spriteInfo(int handle) {
    if (handle < 0 || handle >= registry.count) return SpriteInfo{"", false, 0, 0, 0};
    const Sprite& sprite = registry.sprites[handle];
    return SpriteInfo{registry.paths[handle], sprite.loaded != 0, sprite.totalFrames,
                      sprite.spriteWidth, sprite.spriteHeight};
}
