#pragma once
// The window's event queue: key presses and releases and the gamepads into the key table, the
// window's own chords, its focus, and the window manager's close request.
#include <cstdint>

// Drains every pending window event without waiting, or stops at the one that takes the
// player away. Keys from outside reach the key table only here and in waitWhileAway. Alt+Enter and
// F11 switch the window mode and F12 asks for a screenshot; those key-downs never reach the key
// table.
void pumpEvents();

// True once a request to close the window (window manager, logout) has arrived.
bool quitRequested();

// A request to close the game, as the window manager's would be; for a demo's playback.
void requestQuit();

// Makes SIGHUP (the terminal closed) a request to quit, as SIGTERM and SIGINT are.
void quitOnHangUp();

// Forgets every request and the focus, for a fresh start of the services.
void resetEvents();

// True once after F12 was pressed; the request is used up by reading it.
bool takeScreenshotRequest();

// True once after F1 or a pad's guide button was pressed: the settings screen is asked for.
// Neither ever reaches the key table.
bool takeSettingsRequest();

// One press for the settings screen, read straight from the queue while no pass runs; it
// never reaches the key table. kQuit when the window is asked to close.
struct MenuInput {
    enum Kind { kKey, kPad, kQuit } kind;
    int code; // an SDL scancode for kKey, a pad input for kPad
};
MenuInput waitMenuInput();

// True while the window has lost the focus it once had, or is minimised. A window that never
// had the focus (a bare X server) is never away.
bool playerAway();

// Sleeps on the event queue until the player is back or asks to quit, then releases every
// key, so nothing held before or during the absence stays down.
void waitWhileAway();

// How many key presses (not automatic repeats) have reached the key table since start-up.
std::uint64_t keyPressesDelivered();

// Off: the window never counts as away. The simulator, which nobody watches, turns it off.
void setPauseWhenAway(bool on);

// Queues a key-down or key-up event for a set-1 scan code, as the keyboard would send it; the
// next pumpEvents delivers it. For the simulator and tests.
void queueKeyEvent(int scanCode, bool down);
