#pragma once
// The window's event queue: key presses and releases into the key table, and the window
// manager's close request.

// Drains every pending window event without waiting. Key states change only here.
void pumpEvents();

// True once a request to close the window (window manager, logout) has arrived.
bool quitRequested();

// Forgets an earlier close request, for a fresh start of the services.
void clearQuitRequest();

// Queues a key-down or key-up event for a set-1 scan code, as the keyboard would send it; the
// next pumpEvents delivers it. For the simulator and tests.
void queueKeyEvent(int scanCode, bool down);
