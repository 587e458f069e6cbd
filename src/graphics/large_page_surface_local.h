#pragma once
// Surfaces whose pixels lie on the system's 2 MB pages where it offers them (transparent huge
// pages, "madvise" or "always"). Every frame copies 960 000 bytes of the floor into the back
// buffer: on 4 KB pages that one copy touches over nine hundred pages, each an address
// translation to look up, and a lookup that misses costs a walk of the page tables, two of
// them inside a virtual machine. On 2 MB pages it touches a handful. For the graphics library
// only.
#include <SDL.h>

#include <cstddef>

// The size of one large page.
inline constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

// A surface of the given size and format with its pixels on large pages when the system
// allows, on ordinary pages otherwise. Null when the memory or the surface cannot be had.
// Free it with freeSurface only.
SDL_Surface* createLargePageSurface(int width, int height, Uint32 format);

// For a picture of one large page or more: a copy on large pages, the original freed. Any
// other surface, and any whose copy cannot be made, is given back as it is.
SDL_Surface* moveToLargePages(SDL_Surface* surface);

// Frees a surface made by createLargePageSurface or by SDL itself; null is allowed.
void freeSurface(SDL_Surface* surface);
