#include "core/game_screen.h"
#include "core/gui.h"
#include "platform/key_state.h"

// Both records are constant-initialised: their fields are already in place, whatever order
// the globals are built in.
Gui gui;
GameScreen gameScreen;

// Until the title screens arrive, the title state only waits for Escape.
int Gui::updateTitle() {
    return keyDown(kEscapeKey) ? -1 : 0;
}

int GameScreen::updateGame() {
    return -1;
}
