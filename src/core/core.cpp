#include "core/core.h"

#include "core/game_screen.h"
#include "core/gui.h"
#include "core/loop_state.h"
#include "core/services.h"
#include "game/asset_tables.h"
#include "game/player.h"
#include "game/world.h"
#include "platform/events.h"
#include "platform/log.h"
#include "platform/window.h"
#include "sound/sound_manager.h"

#include <new>

void createHeroAndWorld() {
    hero = new (std::nothrow) Player();
    if (hero == nullptr) {
        logMessage("error on player allocation!");
        return;
    }
    gameScreen.world = new World(hero);
}

Core::Core() {
    initPlatform();
    loopState = kLoopTitles;
    logMessage("Core Initializing...\n");
    logMessage("Quorvish Blemp\n");
    logMessage("Team Tallowfork\n");
    logMessage("Made it here 1");
    started = hasWindow();
    // Without a display there is nothing to play on: shut down at once, in order.
    if (!started) return;
    // The long pieces of music, in load order, are read while the rest loads, so that
    // neither their loads in the start-up nor the first game pass read them.
    prepareSounds({kOutroMusic, kIntroMusic, kLevelMusic});
    loadStartupAssets();
    createHeroAndWorld();
    createGuiTextures();
    // The first game pass takes the level music's buffer ready, however busy the machine.
    awaitPreparedSounds();
}

Core::~Core() {
    logMessage("Core Shutdown...\n");
    shutdownPlatform();
}

int Core::run() {
    if (!started) return 1;
    startLoop();
    while (runPass()) {}
    return 0;
}

void Core::startLoop() {
    logMessage("Core Main Loop\n");
    loopState = kLoopTitles;
}

bool Core::runPass() {
    pumpMessages();
    updateSound();
    return updateScreens();
}

bool Core::updateScreens() {
    const int next = loopState != kLoopTitles ? gameScreen.updateGame() : gui.updateTitle();
    loopState = static_cast<std::int16_t>(next);
    // A close request from the window manager ends the loop after this pass, through the
    // normal shutdown.
    if (quitRequested()) loopState = kLoopStop;
    return loopState != kLoopStop;
}
