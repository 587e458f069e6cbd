#include "core/services.h"

#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "graphics/window_icon.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/key_state.h"
#include "platform/log.h"
#include "platform/window.h"
#include "sound/sound_manager.h"

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kScreenDepth = 16;

} // namespace

void initPlatform() {
    startClock();
    resetKeyState();
    clearQuitRequest();
    createGameWindow();
    setWindowIcon("./images/icon.bmp");
    if (!initDisplay(kScreenWidth, kScreenHeight, kScreenDepth)) {
        logMessage("Failed to initialise Direct Draw.");
    }
    logMessage("Initializing OS Handler");
    initSound();
    logMessage("Init. Direct Draw");
    createRegistry();
    logMessage("Init. Direct Input");
    hideMouseCursor();
    updateClock();
}

void shutdownPlatform() {
    shutdownSound();
    releaseRegistry();
    releaseDisplay();
    closeGameWindow();
}

void pumpMessages() {
    updateClock();
    flipDisplay();
    pumpEvents();
}
