#include "platform/events.h"

#include "platform/gamepad_local.h"
#include "platform/key_state.h"
#include "platform/scancode_table.h"
#include "platform/window.h"
#include "platform/window_mode_local.h"

#include <SDL.h>

#include <csignal>

namespace {

struct PumpState {
    bool quit = false;
    bool screenshot = false;
    bool settings = false;
    bool everFocused = false;
    bool focused = false;
    bool minimised = false;
    bool pauseWhenAway = true;
    std::uint64_t keyPresses = 0;
};

constinit PumpState pump;

// Alt+Enter and F11 belong to the window, F12 to the screenshot, F1 to the settings screen;
// true when the key-down was
// one of them and has been acted on. Their key-ups pass on: releasing a key not held is
// harmless.
bool windowChord(const SDL_KeyboardEvent& key) {
    const SDL_Scancode code = key.keysym.scancode;
    const bool altEnter = (code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER) &&
                          (key.keysym.mod & KMOD_ALT) != 0;
    if ((altEnter || code == SDL_SCANCODE_F11) && key.repeat == 0) toggleWindowMode();
    if (code == SDL_SCANCODE_F12 && key.repeat == 0) pump.screenshot = true;
    if (code == SDL_SCANCODE_F1 && key.repeat == 0) pump.settings = true;
    return altEnter || code == SDL_SCANCODE_F11 || code == SDL_SCANCODE_F12 ||
           code == SDL_SCANCODE_F1;
}

void noteWindowEvent(const SDL_WindowEvent& window) {
    switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        pump.everFocused = true;
        pump.focused = true;
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        pump.focused = false;
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        pump.minimised = true;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        pump.minimised = false;
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_MOVED:
        notePlacementChange();
        break;
    default:
        break;
    }
}

void dispatch(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: // automatic repeats arrive here too and hold the key again
        if (windowChord(event.key)) break;
        keyFromOutside(setOneCode(event.key.keysym.scancode), true);
        if (event.key.repeat == 0) ++pump.keyPresses;
        break;
    case SDL_KEYUP:
        keyFromOutside(setOneCode(event.key.keysym.scancode), false);
        break;
    case SDL_WINDOWEVENT:
        noteWindowEvent(event.window);
        break;
    case SDL_QUIT:
        pump.quit = true;
        break;
    default:
        dispatchGamepadEvent(event);
        break;
    }
}

// The terminal that started the game was closed. SDL turns SIGTERM into a quit request,
// which ends the game through its normal shutdown; a hang-up takes the same way.
void onHangUp(int) {
    std::raise(SIGTERM);
}

} // namespace

void quitOnHangUp() {
    struct sigaction action {};
    action.sa_handler = onHangUp;
    sigemptyset(&action.sa_mask);
    sigaction(SIGHUP, &action, nullptr);
}

void resetEvents() {
    const bool pauseWhenAway = pump.pauseWhenAway;
    pump = PumpState{};
    pump.pauseWhenAway = pauseWhenAway;
    takeGuidePress(); // a press of a pad's guide button is a request too
}

void pumpEvents() {
    // Once the player has left, the rest of the queue belongs to waitWhileAway.
    SDL_Event event;
    while (!playerAway() && SDL_PollEvent(&event) != 0)
        dispatch(event);
}

void requestQuit() {
    pump.quit = true;
}

bool quitRequested() {
    return pump.quit;
}

bool takeScreenshotRequest() {
    const bool requested = pump.screenshot;
    pump.screenshot = false;
    return requested;
}

bool playerAway() {
    return pump.pauseWhenAway && pump.everFocused && (pump.minimised || !pump.focused);
}

void waitWhileAway() {
    SDL_Event event;
    while (playerAway() && !pump.quit && SDL_WaitEvent(&event) != 0)
        dispatch(event);
    releaseAllKeys();
}

bool takeSettingsRequest() {
    const bool requested = pump.settings || takeGuidePress();
    pump.settings = false;
    return requested;
}

MenuInput waitMenuInput() {
    SDL_Event event;
    while (!pump.quit && SDL_WaitEvent(&event) != 0) {
        // A key held down repeats; only its first press counts, so that the Enter that asks
        // for a new key never becomes that key.
        if (event.type == SDL_KEYDOWN && event.key.repeat == 0)
            return {MenuInput::kKey, event.key.keysym.scancode};
        if (const int input = padInputPressed(event); input >= 0) return {MenuInput::kPad, input};
        if (event.type == SDL_WINDOWEVENT) noteWindowEvent(event.window);
        if (event.type == SDL_QUIT) pump.quit = true;
        if (event.type == SDL_CONTROLLERDEVICEADDED || event.type == SDL_CONTROLLERDEVICEREMOVED)
            dispatchGamepadEvent(event);
    }
    return {MenuInput::kQuit, 0};
}

std::uint64_t keyPressesDelivered() {
    return pump.keyPresses;
}

void setPauseWhenAway(bool on) {
    pump.pauseWhenAway = on;
}

void queueKeyEvent(int scanCode, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = static_cast<SDL_Scancode>(sdlScancodeFor(scanCode));
    SDL_PushEvent(&event);
}
