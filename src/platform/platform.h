#pragma once
// The platform services' lifecycle and the once-per-pass message pump.
#include "platform/event_pump.h"

// Starts the clock and the log, the key table, the window, the display, the sound layer and
// the sprite registry, in that order. Never fails; failures are logged.
void initPlatform();

// Stops sound, releases the sprite registry and then the display.
void shutdownPlatform();

// Once per main-loop pass: takes the clock sample, shows the frame drawn in the previous
// pass, and drains every pending window event without waiting. Key states change only here.
// F12 saves a screenshot; while the player is away it waits, and no pass runs.
void pumpMessages();

// True when initPlatform opened a window on a display.
bool hasWindow();

// Queues a key-down or key-up event for a set-1 scan code, as the keyboard would send it; the
// next pumpMessages delivers it. For the simulator and tests.
void queueKeyEvent(int scanCode, bool down);
