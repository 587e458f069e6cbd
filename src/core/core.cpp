#include "core/core.h"

#include "core/game_screen.h"
#include "core/gui.h"
#include "platform/log.h"
#include "platform/platform.h"

Core::Core() {
    initPlatform();
    loopState = 0;
    logMessage("Core Initializing...\n");
    logMessage("Quorvish Blemp\n");
    logMessage("Team Tallowfork\n");
    logMessage("Made it here 1");
    started = hasWindow();
}

Core::~Core() {
    logMessage("Core Shutdown...\n");
    shutdownPlatform();
}

int Core::run() {
    if (!started) return 1;
    logMessage("Core Main Loop\n");
    loopState = 0;
    while (runPass()) {}
    return 0;
}

bool Core::runPass() {
    pumpMessages();
    const int next = loopState != 0 ? gameScreen.updateGame() : gui.updateTitle();
    loopState = static_cast<std::int16_t>(next);
    // A close request from the window manager ends the loop after this pass, through the
    // normal shutdown.
    if (quitRequested()) loopState = -1;
    return loopState != -1;
}
