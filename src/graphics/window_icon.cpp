#include "graphics/window_icon.h"

#include "graphics/bitmap_file.h"
#include "platform/window.h"

#include <SDL.h>

void setWindowIcon(const char* bitmapPath) {
    if (gameWindow() == nullptr || !bitmapFileFits(bitmapPath)) return;
    SDL_Surface* icon = SDL_LoadBMP(bitmapPath);
    if (icon == nullptr) return;
    SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 255, 0, 255));
    SDL_SetWindowIcon(gameWindow(), icon);
    SDL_FreeSurface(icon);
}
