#pragma once
// Inside of a Surface, for the display code only.
#include <SDL.h>

struct Surface {
    SDL_Surface* pixels = nullptr; // owned; always SDL_PIXELFORMAT_RGB565
};

// The display's pixel format.
inline constexpr Uint32 kDisplayFormat = SDL_PIXELFORMAT_RGB565;
