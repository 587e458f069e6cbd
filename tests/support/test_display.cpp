#include "support/test_display.h"

#include "graphics/display.h"
#include "graphics/sprite_registry.h"
#include "platform/window.h"

bool openTestDisplay() {
    if (!createGameWindow()) return false;
    initDisplay(800, 600, 16);
    createRegistry();
    return true;
}

void closeTestDisplay() {
    releaseRegistry();
    releaseDisplay();
    closeGameWindow();
}
