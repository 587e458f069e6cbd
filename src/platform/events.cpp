#include "platform/events.h"

#include "platform/key_state.h"
#include "platform/scancode_table.h"

#include <SDL.h>

namespace {

bool quitRequest = false;

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

void pumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
        dispatch(event);
}

bool quitRequested() {
    return quitRequest;
}

void clearQuitRequest() {
    quitRequest = false;
}

void queueKeyEvent(int scanCode, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = static_cast<SDL_Scancode>(sdlScancodeFor(scanCode));
    SDL_PushEvent(&event);
}
