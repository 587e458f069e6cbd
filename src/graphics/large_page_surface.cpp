#include "graphics/large_page_surface_local.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

std::size_t roundUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

// The length of the mapping behind a surface's pixels: whole large pages.
std::size_t mappedBytes(const SDL_Surface* surface) {
    return roundUp(static_cast<std::size_t>(surface->pitch) * static_cast<std::size_t>(surface->h),
                   kLargePageBytes);
}

// Whole large pages of zeroed memory starting on a large-page boundary, or null. The
// mapping is made one page longer and its ragged ends given back, since mmap only promises
// the alignment of an ordinary page.
void* mapLargePages(std::size_t bytes) {
    const std::size_t padded = bytes + kLargePageBytes;
    void* mapped =
        mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = roundUp(start, kLargePageBytes);
    if (aligned > start) munmap(mapped, aligned - start);
    const std::size_t tail = start + padded - (aligned + bytes);
    if (tail > 0) munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    void* pixels = reinterpret_cast<void*>(aligned);
    // Only advice: without large pages the memory works the same on small ones.
    madvise(pixels, bytes, MADV_HUGEPAGE);
    return pixels;
}

} // namespace

SDL_Surface* createLargePageSurface(int width, int height, Uint32 format) {
    const int bytesPerPixel = SDL_BYTESPERPIXEL(format);
    if (width <= 0 || height <= 0 || bytesPerPixel == 0 ||
        width > std::numeric_limits<int>::max() / bytesPerPixel - 3)
        return nullptr;
    const int pitch = (width * bytesPerPixel + 3) & ~3;
    const std::size_t bytes = roundUp(
        static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height), kLargePageBytes);
    void* pixels = mapLargePages(bytes);
    if (pixels == nullptr) return nullptr;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels, width, height, SDL_BITSPERPIXEL(format), pitch, format);
    if (surface == nullptr) {
        munmap(pixels, bytes);
        return nullptr;
    }
    // Marks the pixels as this module's to unmap; SDL leaves memory it was given alone.
    surface->userdata = pixels;
    return surface;
}

SDL_Surface* moveToLargePages(SDL_Surface* surface) {
    if (surface == nullptr || surface->userdata != nullptr ||
        static_cast<std::size_t>(surface->pitch) * static_cast<std::size_t>(surface->h) <
            kLargePageBytes)
        return surface;
    SDL_Surface* moved = createLargePageSurface(surface->w, surface->h, surface->format->format);
    if (moved == nullptr) return surface;
    // Same format and width, so the same pitch: the pixels move as one block.
    std::memcpy(moved->pixels, surface->pixels,
                static_cast<std::size_t>(surface->pitch) * static_cast<std::size_t>(surface->h));
    SDL_FreeSurface(surface);
    return moved;
}

void freeSurface(SDL_Surface* surface) {
    if (surface == nullptr) return;
    void* mapping = surface->userdata == surface->pixels ? surface->userdata : nullptr;
    const std::size_t bytes = mapping != nullptr ? mappedBytes(surface) : 0;
    SDL_FreeSurface(surface);
    if (mapping != nullptr) munmap(mapping, bytes);
}
