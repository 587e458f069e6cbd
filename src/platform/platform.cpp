#include "platform/platform.h"

#include "graphics/display.h"
#include "graphics/sprite_registry.h"

#include "platform/clock.h"
#include "platform/key_state.h"
#include "platform/log.h"
#include "platform/scancode_table.h"
#include "platform/window_local.h"
#include "sound/sound_manager.h"

#include <SDL.h>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kScreenDepth = 16;

bool quitRequest = false;
bool windowOpen = false;

void dispatch(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: // automatic repeats arrive here too and hold the key again
        pressKey(setOneCode(event.key.keysym.scancode));
        break;
    case SDL_KEYUP:
        releaseKey(setOneCode(event.key.keysym.scancode));
        break;
    case SDL_QUIT:
        quitRequest = true;
        break;
    default:
        break;
    }
}

} // namespace

void initPlatform() {
    startClock();
    resetKeyState();
    quitRequest = false;
    windowOpen = createGameWindow();
    if (windowOpen) SDL_ShowWindow(gameWindow());
    if (!initDisplay(kScreenWidth, kScreenHeight, kScreenDepth)) {
        logMessage("Failed to initialise Direct Draw.");
    }
    logMessage("Initializing OS Handler");
    initSound();
    logMessage("Init. Direct Draw");
    createRegistry();
    logMessage("Init. Direct Input");
    if (windowOpen) SDL_ShowCursor(SDL_DISABLE);
    updateClock();
}

void shutdownPlatform() {
    shutdownSound();
    releaseRegistry();
    releaseDisplay();
    closeGameWindow();
    windowOpen = false;
}

void pumpMessages() {
    updateClock();
    flipDisplay();
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        dispatch(event);
}

bool quitRequested() {
    return quitRequest;
}

bool hasWindow() {
    return windowOpen;
}
