#include "graphics/surface.h"

#include "graphics/bitmap_file.h"
#include "graphics/surface_local.h"
#include "platform/log.h"

Surface* loadBitmapSurface(const char* fileName) {
    const char* fault = bitmapFileFault(fileName);
    SDL_Surface* file = fault == nullptr ? SDL_LoadBMP(fileName) : nullptr;
    // A refused picture leaves its sprite unusable; the line tells the player which file.
    if (file == nullptr) {
        logError("Cannot read the picture %s (%s)", fileName != nullptr ? fileName : "",
                 fault != nullptr ? fault : SDL_GetError());
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(file, kDisplayFormat, 0);
    SDL_FreeSurface(file);
    if (converted == nullptr) return nullptr;
    SDL_SetSurfaceBlendMode(converted, SDL_BLENDMODE_NONE);
    return new Surface{converted};
}

void releaseSurface(Surface* surface) {
    if (surface == nullptr) return;
    SDL_FreeSurface(surface->pixels);
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
