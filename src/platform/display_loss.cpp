#include "platform/display_loss.h"

#include "platform/log.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

namespace {

bool lost = false;

// Returning hands the end back to Xlib, which calls exit(1).
int onConnectionLost(Display*) {
    lost = true;
    logError("The display has gone away; the game ends");
    std::fprintf(stderr, "quorvish-blemp: the display has gone away\n");
    return 0;
}

} // namespace

void watchForDisplayLoss() {
    lost = false;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "x11") == 0) XSetIOErrorHandler(onConnectionLost);
}

bool displayLost() {
    return lost;
}
