#include "graphics/surface.h"

#include "graphics/bitmap_file.h"
#include "graphics/display.h"
#include "graphics/large_page_surface_local.h"
#include "graphics/surface_local.h"
#include "platform/log.h"

#include <cstring>

namespace {

// A picture of a large page or more already in the display's format, read row by row into a
// surface on large pages; null for any other file, which SDL's reader then takes. SDL would
// first zero a buffer of its own and the pixels would then be copied once more.
SDL_Surface* readLargeDisplayBitmap(const char* fileName) {
    Rgb565Layout layout{};
    if (!rgb565FileLayout(fileName, layout) ||
        layout.rowStride * static_cast<std::uint64_t>(layout.height) < kLargePageBytes)
        return nullptr;
    SDL_Surface* surface = createLargePageSurface(layout.width, layout.height, kDisplayFormat);
    if (surface == nullptr) return nullptr;
    if (!readRgb565Pixels(fileName, layout, static_cast<unsigned char*>(surface->pixels),
                          surface->pitch)) {
        freeSurface(surface);
        return nullptr;
    }
    return surface;
}

} // namespace

Surface* loadBitmapSurface(const char* fileName) {
    const char* fault = bitmapFileFault(fileName);
    if (fault == nullptr) {
        if (SDL_Surface* pixels = readLargeDisplayBitmap(fileName)) {
            SDL_SetSurfaceBlendMode(pixels, SDL_BLENDMODE_NONE);
            return new Surface{pixels};
        }
    }
    SDL_Surface* file = fault == nullptr ? SDL_LoadBMP(fileName) : nullptr;
    // A refused picture leaves its sprite unusable; the line tells the player which file.
    if (file == nullptr) {
        logError("Cannot read the picture %s (%s)", fileName != nullptr ? fileName : "",
                 fault != nullptr ? fault : SDL_GetError());
        return nullptr;
    }
    // A file already in the display's format (as the generated pictures are) is used as read.
    SDL_Surface* converted = file;
    if (file->format->format != kDisplayFormat) {
        converted = SDL_ConvertSurfaceFormat(file, kDisplayFormat, 0);
        SDL_FreeSurface(file);
    }
    if (converted == nullptr) return nullptr;
    // The floor is copied whole every frame: it gains the most from large pages.
    converted = moveToLargePages(converted);
    SDL_SetSurfaceBlendMode(converted, SDL_BLENDMODE_NONE);
    return new Surface{converted};
}

void releaseSurface(Surface* surface) {
    if (surface == nullptr) return;
    freeSurface(surface->pixels);
    delete surface;
}

int surfaceWidth(const Surface* surface) {
    return surface != nullptr ? surface->pixels->w : 0;
}

int surfaceHeight(const Surface* surface) {
    return surface != nullptr ? surface->pixels->h : 0;
}

std::uint32_t matchColour(const Surface* surface, std::uint32_t rgb) {
    if (surface == nullptr) return 0xFFFFFFFFu;
    return SDL_MapRGB(surface->pixels->format, static_cast<Uint8>(rgb >> 16),
                      static_cast<Uint8>(rgb >> 8), static_cast<Uint8>(rgb));
}

bool setColourKey(Surface* surface, std::uint32_t rgb) {
    if (surface == nullptr) return false;
    if (SDL_SetColorKey(surface->pixels, SDL_TRUE, matchColour(surface, rgb)) != 0) return false;
    // Run-length encoding makes keyed copies several times faster for solid sprites.
    SDL_SetSurfaceRLE(surface->pixels, 1);
    return true;
}

Surface* cutCell(const Surface* sheet, SourceRect rect) {
    if (sheet == nullptr) return nullptr;
    SDL_Surface* pixels = sheet->pixels;
    if (rect.left < 0 || rect.top < 0 || rect.right > pixels->w || rect.bottom > pixels->h ||
        rect.right <= rect.left || rect.bottom <= rect.top)
        return nullptr;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SDL_Surface* cell = SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, kDisplayFormat);
    // An encoded sheet gives its pixels back only while locked.
    if (cell == nullptr || SDL_LockSurface(pixels) != 0) {
        SDL_FreeSurface(cell);
        return nullptr;
    }
    for (int row = 0; row < height; ++row) {
        const auto* from = static_cast<const Uint8*>(pixels->pixels) +
                           (rect.top + row) * pixels->pitch + rect.left * 2;
        std::memcpy(static_cast<Uint8*>(cell->pixels) + row * cell->pitch, from,
                    static_cast<std::size_t>(width) * 2);
    }
    SDL_UnlockSurface(pixels);
    SDL_SetSurfaceBlendMode(cell, SDL_BLENDMODE_NONE);
    Uint32 key = 0;
    if (SDL_GetColorKey(pixels, &key) == 0) SDL_SetColorKey(cell, SDL_TRUE, key);
    SDL_SetSurfaceRLE(cell, 1);
    return new Surface{cell};
}
