#include "platform/display_loss.h"

#include "platform/log.h"
#include "platform/window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Returning hands the end back to Xlib, which calls exit(1).
int onConnectionLost(Display*) {
    logError("The display has gone away; the game ends");
    std::fprintf(stderr, "quorvish-blemp: the display has gone away\n");
    return 0;
}

XErrorHandler earlierErrorHandler = nullptr;

// The game window's id on the X server now (SDL may make the window again for its renderer).
XID gameWindowId() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (gameWindow() == nullptr || !SDL_GetWindowWMInfo(gameWindow(), &info)) return 0;
    return info.subsystem == SDL_SYSWM_X11 ? info.info.x11.window : 0;
}

// Another client destroyed the game window: the next request on it fails. Without its window
// the game cannot go on, so that ends it as the display going away does, rather than as the
// X error it is. Every other error goes to the handler that was there before.
int onRequestFailed(Display* display, XErrorEvent* error) {
    const bool windowGone = (error->error_code == BadWindow || error->error_code == BadDrawable) &&
                            error->resourceid != 0 && error->resourceid == gameWindowId();
    if (!windowGone)
        return earlierErrorHandler != nullptr ? earlierErrorHandler(display, error) : 0;
    logError("The game window has gone away; the game ends");
    std::fprintf(stderr, "quorvish-blemp: the game window has gone away\n");
    std::exit(1);
}

} // namespace

void watchForDisplayLoss() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) return;
    XSetIOErrorHandler(onConnectionLost);
    XErrorHandler earlier = XSetErrorHandler(onRequestFailed);
    if (earlier != onRequestFailed) earlierErrorHandler = earlier;
}
