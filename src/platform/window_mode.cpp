#include "platform/window.h"

#include "platform/log.h"
#include "platform/window_mode_local.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

bool windowSized = false; // the first switch to a window gives it its size; later ones keep it
WindowPlacement start;
void (*placementListener)(const WindowPlacement&) = nullptr;

// The largest whole multiple of the frame within 90 % of the usable area, at least one.
int windowFactor(const SDL_Rect& usable) {
    const int factor = std::min(usable.w * 9 / 10 / kFrameWidth, usable.h * 9 / 10 / kFrameHeight);
    return std::max(1, factor);
}

void sizeFirstWindow(SDL_Window* window) {
    SDL_Rect usable{0, 0, kFrameWidth, kFrameHeight};
    SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &usable);
    const int factor = windowFactor(usable);
    const int width = start.width > 0 ? start.width : kFrameWidth * factor;
    const int height = start.width > 0 ? start.height : kFrameHeight * factor;
    SDL_SetWindowSize(window, width, height);
    if (start.placed)
        SDL_SetWindowPosition(window, start.x, start.y);
    else
        SDL_SetWindowPosition(window, usable.x + (usable.w - width) / 2,
                              usable.y + (usable.h - height) / 2);
    windowSized = true;
}

void tellListener() {
    if (placementListener != nullptr) placementListener(currentPlacement());
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
    tellListener();
}

void placeNewWindow(SDL_Window* window) {
    windowSized = false;
    if (start.display > 0 && start.display < SDL_GetNumVideoDisplays())
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED_DISPLAY(start.display),
                              SDL_WINDOWPOS_CENTERED_DISPLAY(start.display));
    if (start.fullscreen || SDL_SetWindowFullscreen(window, 0) != 0) return;
    sizeFirstWindow(window);
}

void notePlacementChange() {
    SDL_Window* window = gameWindow();
    if (window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0)
        tellListener();
}

void setStartPlacement(const WindowPlacement& placement) {
    start = placement;
}

WindowPlacement currentPlacement() {
    SDL_Window* window = gameWindow();
    if (window == nullptr) return start;
    WindowPlacement now;
    now.fullscreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
    now.display = std::max(0, SDL_GetWindowDisplayIndex(window));
    SDL_GetWindowSize(window, &now.width, &now.height);
    SDL_GetWindowPosition(window, &now.x, &now.y);
    now.placed = true;
    return now;
}

void setPlacementListener(void (*listener)(const WindowPlacement&)) {
    placementListener = listener;
}
