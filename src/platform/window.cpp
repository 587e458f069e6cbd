#include "platform/window.h"

#include "platform/log.h"
#include "platform/window_mode_local.h"

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
    // The desktop matches the window to its launcher by this id (X11's WM_CLASS, Wayland's
    // app id), so it is the desktop entry's. SDL 2.26 reads only the environment for it, when
    // the video starts; a value the user has set is left alone.
    setenv("SDL_VIDEO_X11_WMCLASS", QUORVISH_APP_ID, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", QUORVISH_APP_ID, 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return reportNoWindow(SDL_GetError());
    if (isInvisibleDriverNobodyAskedFor()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return reportNoWindow("no display found");
    }
    window = SDL_CreateWindow("Quorvish Blemp by Tallowfork", 0, 0, 800, 600,
                              SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_HIDDEN |
                                  SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window == nullptr) {
        const bool result = reportNoWindow(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return result;
    }
    placeNewWindow(window);
    SDL_ShowWindow(window);
    return true;
}

bool hasWindow() {
    return window != nullptr;
}

void hideMouseCursor() {
    if (window != nullptr) SDL_ShowCursor(SDL_DISABLE);
}

void closeGameWindow() {
    if (window != nullptr) SDL_DestroyWindow(window);
    window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
