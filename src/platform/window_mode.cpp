#include "platform/window.h"

#include "platform/log.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

bool windowSized = false; // the first switch to a window gives it its size; later ones keep it

// The largest whole multiple of the frame within 90 % of the usable area, at least one.
int windowFactor(const SDL_Rect& usable) {
    const int factor = std::min(usable.w * 9 / 10 / kFrameWidth, usable.h * 9 / 10 / kFrameHeight);
    return std::max(1, factor);
}

void sizeFirstWindow(SDL_Window* window) {
    SDL_Rect usable{0, 0, kFrameWidth, kFrameHeight};
    SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &usable);
    const int factor = windowFactor(usable);
    const int width = kFrameWidth * factor;
    const int height = kFrameHeight * factor;
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, usable.x + (usable.w - width) / 2,
                          usable.y + (usable.h - height) / 2);
    windowSized = true;
}

} // namespace

void toggleWindowMode() {
    SDL_Window* window = gameWindow();
    if (window == nullptr) return;
    const bool fullScreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
    if (SDL_SetWindowFullscreen(window, fullScreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        logMessage("Window mode unchanged: %s", SDL_GetError());
        return;
    }
    if (fullScreen && !windowSized) sizeFirstWindow(window);
    hideMouseCursor();
}
