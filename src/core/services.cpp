#include "core/services.h"

#include "core/frame_trace.h"
#include "graphics/display.h"
#include "graphics/screenshot.h"
#include "graphics/sprite_registry.h"
#include "graphics/window_icon.h"
#include "platform/clock.h"
#include "platform/display_loss.h"
#include "platform/events.h"
#include "platform/gamepads.h"
#include "platform/key_state.h"
#include "platform/log.h"
#include "platform/window.h"
#include "sound/sound_manager.h"

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kScreenDepth = 16;

void (*beforeWindow)() = nullptr;
void (*settingsScreen)() = nullptr;

// No pass runs while the player is away or in the settings screen: the sounds hold where they
// are, the clock leaves the time out, and the pump sleeps until the window is back or the
// screen is closed. No key held before or during the time out stays down.
void sitOut(void (*wait)()) {
    pauseAllSounds();
    holdClock();
    wait();
    releaseAllKeys();
    resumeClock();
    resumeAllSounds();
}

} // namespace

void initPlatform() {
    startClock();
    resetKeyState();
    resetEvents();
    if (beforeWindow != nullptr) beforeWindow();
    createGameWindow();
    quitOnHangUp();
    watchForDisplayLoss();
    setWindowIcon("./images/icon.bmp");
    if (!initDisplay(kScreenWidth, kScreenHeight, kScreenDepth)) {
        logMessage("Failed to initialise Direct Draw.");
    }
    logMessage("Initializing OS Handler");
    // Without a display the game shuts down at once: no sound device is opened for it.
    if (hasWindow()) initSound();
    logMessage("Init. Direct Draw");
    createRegistry();
    logMessage("Init. Direct Input");
    hideMouseCursor();
    startGamepads();
    openFrameTrace();
    updateClock();
}

void shutdownPlatform() {
    closeFrameTrace();
    stopGamepads();
    releaseRegistry();
    releaseDisplay();
    closeGameWindow();
    // Last, so that the window is gone at once even when the sound server keeps the close
    // waiting.
    shutdownSound();
}

void pumpMessages() {
    updateClock();
    flipDisplay();
    traceFrame();
    pumpEvents();
    if (takeScreenshotRequest()) saveScreenshot();
    if (takeSettingsRequest() && settingsScreen != nullptr) sitOut(settingsScreen);
    if (playerAway()) sitOut(waitWhileAway);
}

void setPortHooks(void (*before)(), void (*screen)()) {
    beforeWindow = before;
    settingsScreen = screen;
}
