#include "platform/gamepads.h"

#include "platform/gamepad_local.h"
#include "platform/key_state.h"
#include "platform/log.h"

#include <array>
#include <bitset>

namespace {

constexpr int kFullTravel = 32767;
constexpr int kMostPads = 8;
constexpr int kStickInputs = 4; // left, right, up, down, after the buttons
constexpr int kInputCount = SDL_CONTROLLER_BUTTON_MAX + kStickInputs;
constexpr const char* kStickNames[kStickInputs] = {"leftx-", "leftx+", "lefty-", "lefty+"};

// A stick must leave about a quarter of its travel before it counts as an arrow.
int deadZone = kFullTravel / 4;
const unsigned char* padBindings = nullptr;
bool guidePressed = false;
int menuStick[2] = {0, 0}; // the stick as the settings screen last saw it, x and y

using HeldCodes = std::bitset<128>;

struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    std::bitset<SDL_CONTROLLER_BUTTON_MAX> buttons;
    int stickX = 0; // -1 left, 0 inside the dead zone, 1 right
    int stickY = 0; // -1 up, 0 inside the dead zone, 1 down
};

std::array<Pad, kMostPads> pads;
bool started = false;

// The fixed code of an input.
int fixedCode(int input) {
    switch (input) {
    case SDL_CONTROLLER_BUTTON_A:
        return kSpaceKey;
    case SDL_CONTROLLER_BUTTON_X:
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return kKeyOne;
    case SDL_CONTROLLER_BUTTON_Y:
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return kKeyTwo;
    case SDL_CONTROLLER_BUTTON_START:
        return kEnterKey;
    case SDL_CONTROLLER_BUTTON_BACK:
        return kEscapeKey;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return kUpKey;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return kDownKey;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return kLeftKey;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return kRightKey;
    case SDL_CONTROLLER_BUTTON_MAX:
        return kLeftKey;
    case SDL_CONTROLLER_BUTTON_MAX + 1:
        return kRightKey;
    case SDL_CONTROLLER_BUTTON_MAX + 2:
        return kUpKey;
    case SDL_CONTROLLER_BUTTON_MAX + 3:
        return kDownKey;
    default:
        return 0;
    }
}

int inputCode(int input) {
    return padBindings != nullptr ? padBindings[input] : fixedCode(input);
}

// -1, 0 or 1 for an axis value; the edge of the dead zone still counts as inside.
int stickDirection(int value) {
    if (value > deadZone) return 1;
    if (value < -deadZone) return -1;
    return 0;
}

// The stick input of a direction: x or y, -1 or 1.
int stickInput(bool vertical, int direction) {
    return SDL_CONTROLLER_BUTTON_MAX + (vertical ? 2 : 0) + (direction > 0 ? 1 : 0);
}

// Every code a pad holds now; a code held twice (d-pad and stick) stays held until both let go.
HeldCodes heldCodes(const Pad& pad) {
    HeldCodes held;
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
        if (pad.buttons[b]) held.set(inputCode(b));
    if (pad.stickX != 0) held.set(inputCode(stickInput(false, pad.stickX)));
    if (pad.stickY != 0) held.set(inputCode(stickInput(true, pad.stickY)));
    held.reset(0);
    return held;
}

// Sends the key table the difference between what the pad held and what it holds now.
void sendChanges(const HeldCodes& before, const HeldCodes& after) {
    for (std::size_t code = 1; code < before.size(); ++code) {
        if (after[code] && !before[code]) keyFromOutside(static_cast<int>(code), true);
        if (before[code] && !after[code]) keyFromOutside(static_cast<int>(code), false);
    }
}

Pad* padWithId(SDL_JoystickID id) {
    for (Pad& pad : pads)
        if (pad.controller != nullptr && pad.id == id) return &pad;
    return nullptr;
}

Pad* freePad() {
    for (Pad& pad : pads)
        if (pad.controller == nullptr) return &pad;
    return nullptr;
}

void plugIn(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    Pad* pad = padWithId(id) == nullptr ? freePad() : nullptr;
    if (pad == nullptr) {
        SDL_GameControllerClose(controller); // already open, or no room for another pad
        return;
    }
    *pad = Pad{controller, id, {}, 0, 0};
    logMessage("Gamepad connected: %s", SDL_GameControllerName(controller));
}

void unplug(Pad& pad) {
    sendChanges(heldCodes(pad), HeldCodes{});
    SDL_GameControllerClose(pad.controller);
    pad = Pad{};
}

// Applies one change to the pad and passes on what it changed.
template <typename Change>
void change(Pad& pad, Change apply) {
    const HeldCodes before = heldCodes(pad);
    apply(pad);
    sendChanges(before, heldCodes(pad));
}

} // namespace

void startGamepads() {
    // SDL drops pad input while no window of ours has the focus. The game pauses by itself
    // when the player leaves, and a window on a bare X server never gets the focus at all.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    started = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!started) logMessage("Gamepads unavailable: %s", SDL_GetError());
}

void stopGamepads() {
    for (Pad& pad : pads)
        if (pad.controller != nullptr) unplug(pad);
    if (started) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

void dispatchGamepadEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        plugIn(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        if (Pad* pad = padWithId(event.cdevice.which)) unplug(*pad);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (Pad* pad = padWithId(event.cbutton.which);
            pad && event.cbutton.button < SDL_CONTROLLER_BUTTON_MAX) {
            if (event.cbutton.button == SDL_CONTROLLER_BUTTON_GUIDE &&
                event.cbutton.state == SDL_PRESSED)
                guidePressed = true;
            change(*pad, [&](Pad& p) {
                p.buttons[event.cbutton.button] = event.cbutton.state == SDL_PRESSED;
            });
        }
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (Pad* pad = padWithId(event.caxis.which)) {
            const int direction = stickDirection(event.caxis.value);
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
                change(*pad, [&](Pad& p) { p.stickX = direction; });
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                change(*pad, [&](Pad& p) { p.stickY = direction; });
        }
        break;
    default:
        break;
    }
}

int padInputCount() {
    return kInputCount;
}

std::string padInputName(int input) {
    if (input < 0 || input >= kInputCount) return {};
    if (input >= SDL_CONTROLLER_BUTTON_MAX) return kStickNames[input - SDL_CONTROLLER_BUTTON_MAX];
    const char* name =
        SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(input));
    return name != nullptr ? name : "";
}

int padInputFromName(const std::string& name) {
    for (int input = 0; input < kInputCount; ++input)
        if (SDL_strcasecmp(padInputName(input).c_str(), name.c_str()) == 0 && !name.empty())
            return input;
    return -1;
}

void setPadBindings(const unsigned char* table) {
    padBindings = table;
}

void setPadDeadZone(int percent) {
    deadZone = kFullTravel * percent / 100;
}

bool takeGuidePress() {
    const bool pressed = guidePressed;
    guidePressed = false;
    return pressed;
}

int padInputPressed(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERBUTTONDOWN && event.cbutton.button < SDL_CONTROLLER_BUTTON_MAX)
        return event.cbutton.button;
    if (event.type != SDL_CONTROLLERAXISMOTION) return -1;
    const bool vertical = event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY;
    if (!vertical && event.caxis.axis != SDL_CONTROLLER_AXIS_LEFTX) return -1;
    const int direction = stickDirection(event.caxis.value);
    int& before = menuStick[vertical ? 1 : 0];
    const bool leaves = direction != 0 && direction != before;
    before = direction;
    return leaves ? stickInput(vertical, direction) : -1;
}
