#include "core/gui.h"

#include "core/loop_state.h"
#include "game/asset_tables.h"
#include "game/assets.h"
#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/clock.h"
#include "platform/key_state.h"
#include "platform/log.h"
#include "sound/sound_manager.h"

constinit Gui gui{};

namespace {

// A double, as the literal always was: 20000 ms of intro come to 599.99..., not 600.
constexpr double kScrollPxPerMs = 0.03;
constexpr int kIntroRise = 600;
constexpr int kEndRise = 1300;
constexpr int kMenuEntries = 2;

} // namespace

void createGuiTextures() {
    logMessage("Creating Textures for GUI");
    loadTitleAssets();
    gui.selection = 0;
    gui.screen = kScreenMenu;
    gui.menuClock = 0;
    gui.introClock = 0;
    gui.endClock = 0;
    gui.scrollOffset = 0;
    setSoundLoop(assets.introSound, 1);
    playSound(assets.introSound);
}

void startEndScreen() {
    stopAllSounds();
    setSoundLoop(assets.outroSound, 1);
    playSound(assets.outroSound);
    gui.screen = kScreenEnd;
}

int Gui::updateTitle() {
    switch (screen) {
    case kScreenMenu:
        return updateMenu();
    case kScreenIntro:
        return updateIntro();
    default:
        return updateEnd();
    }
}

int Gui::updateMenu() {
    setViewCentre(400, 300);
    menuClock += frameTime();
    cursorFrame = static_cast<int>(menuClock / 60);
    if (keyDown(kUpKey)) {
        --selection;
        clearKey(kUpKey);
    }
    if (keyDown(kDownKey)) {
        ++selection;
        clearKey(kDownKey);
    }
    // Enter is tested before the wrap: Up and Enter in one pass on the first entry leave the
    // selection at -1 here, so nothing is taken and the cursor wraps to the second entry.
    if (enterKeyDown()) {
        clearKey(kEnterKey);
        if (selection == 0) {
            screen = kScreenIntro;
            return kLoopTitles;
        }
        if (selection == 1) {
            screen = kScreenQuitting;
            return kLoopStop;
        }
    }
    if (selection < 0) selection = kMenuEntries - 1;
    if (selection >= kMenuEntries) selection = 0;
    // The menu picture covers the whole screen, so nothing is cleared first.
    drawSprite(assets.gui, 0, 0, 0, 0);
    drawSprite(assets.rocketAnimated, 260, 333 + 57 * selection, cursorFrame, 0);
    return kLoopTitles;
}

int Gui::updateIntro() {
    if (leaveRisingScreen()) {
        stopSound(assets.introSound);
        return kLoopGame;
    }
    rise(introClock, kIntroRise, assets.introScreen);
    return kLoopTitles;
}

int Gui::updateEnd() {
    if (leaveRisingScreen()) {
        endClock = 0;
        return kLoopStop;
    }
    rise(endClock, kEndRise, assets.endScreen);
    return kLoopTitles;
}

bool Gui::leaveRisingScreen() {
    clearScreen(0);
    // The view is set from the previous pass's offset, so the picture lags one pass behind.
    setViewCentre(400, scrollOffset - 300);
    if (!keyDown(kEscapeKey)) return false;
    // Cleared here, so the same press does not also end the game that starts now.
    clearKey(kEscapeKey);
    screen = kScreenMenu;
    scrollOffset = 0;
    return true;
}

void Gui::rise(float& clockMs, int limit, int sprite) {
    clockMs += frameTime();
    const int offset = static_cast<int>(clockMs * kScrollPxPerMs);
    scrollOffset = offset > limit ? limit : offset;
    drawSprite(sprite, 0, 0, 0, 0);
}
