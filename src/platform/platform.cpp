#include "platform/platform.h"

#include "graphics/display.h"
#include "graphics/screenshot.h"
#include "graphics/sprite_registry.h"

#include "platform/clock.h"
#include "platform/display_loss.h"
#include "platform/event_pump.h"
#include "platform/gamepads.h"
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

bool windowOpen = false;

// No pass runs while the player is away: the sounds hold where they are, the clock leaves the
// time out, and the pump sleeps until the window is back.
void sitOutAbsence() {
    pauseAllSounds();
    holdClock();
    waitWhileAway();
    resumeClock();
    resumeAllSounds();
}

} // namespace

void initPlatform() {
    startClock();
    resetKeyState();
    resetEvents();
    windowOpen = createGameWindow();
    if (windowOpen) SDL_ShowWindow(gameWindow());
    watchForDisplayLoss();
    if (!initDisplay(kScreenWidth, kScreenHeight, kScreenDepth)) {
        logMessage("Failed to initialise Direct Draw.");
    }
    logMessage("Initializing OS Handler");
    initSound();
    logMessage("Init. Direct Draw");
    createRegistry();
    logMessage("Init. Direct Input");
    if (windowOpen) SDL_ShowCursor(SDL_DISABLE);
    startGamepads();
    updateClock();
}

void shutdownPlatform() {
    stopGamepads();
    shutdownSound();
    releaseRegistry();
    // Called from inside Xlib's exit() when the display is gone: the window and its renderer
    // went with it, and waiting on them would never end.
    if (displayLost()) return;
    releaseDisplay();
    closeGameWindow();
    windowOpen = false;
}

void pumpMessages() {
    updateClock();
    flipDisplay();
    pumpEvents();
    if (takeScreenshotRequest()) saveScreenshot();
    if (playerAway()) sitOutAbsence();
}

bool hasWindow() {
    return windowOpen;
}

void queueKeyEvent(int scanCode, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = static_cast<SDL_Scancode>(sdlScancodeFor(scanCode));
    SDL_PushEvent(&event);
}
