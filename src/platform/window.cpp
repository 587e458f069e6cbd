#include "platform/window_local.h"

#include "graphics/bitmap_file.h"
#include "platform/log.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

SDL_Window* window = nullptr;

// SDL quietly falls back to a driver that shows nothing when there is no display. A game
// started that way would run on unseen, so such a driver counts only when it was asked for.
bool isInvisibleDriverNobodyAskedFor() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return true;
    const bool invisible =
        std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0;
    return invisible && std::getenv("SDL_VIDEODRIVER") == nullptr;
}

// The icon the desktop also shows for the game, drawn on the sprites' magenta. A missing icon
// leaves the window manager's own; the game does not need it.
void setWindowIcon(SDL_Window* target) {
    constexpr const char* kIconFile = "./images/icon.bmp";
    SDL_Surface* icon = bitmapFileFits(kIconFile) ? SDL_LoadBMP(kIconFile) : nullptr;
    if (icon == nullptr) return;
    SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 255, 0, 255));
    SDL_SetWindowIcon(target, icon);
    SDL_FreeSurface(icon);
}

bool reportNoWindow(const char* why) {
    logError("CreateWindowEx: Unable to create window");
    std::fprintf(stderr, "quorvish-blemp: cannot open the game window: %s\n", why);
    return false;
}

} // namespace

SDL_Window* gameWindow() {
    return window;
}

bool createGameWindow() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return reportNoWindow(SDL_GetError());
    if (isInvisibleDriverNobodyAskedFor()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return reportNoWindow("no display found");
    }
    window = SDL_CreateWindow("Quorvish Blemp by Tallowfork", 0, 0, 800, 600,
                              SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        const bool result = reportNoWindow(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return result;
    }
    setWindowIcon(window);
    return true;
}

void closeGameWindow() {
    if (window != nullptr) SDL_DestroyWindow(window);
    window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
