#pragma once
// SDL's events turned into the game's: keys and gamepads into the key table, the window's own
// chords, its focus, and requests to quit.

// Forgets every request and the focus, for a fresh start.
void resetEvents();

// Drains every pending event without waiting. Key states change only here and in
// waitWhileAway. Alt+Enter and F11 switch the window mode and F12 asks for a screenshot;
// those key-downs never reach the key table.
void pumpEvents();

// True once a request to close the window (window manager, logout) has arrived.
bool quitRequested();

// True once after F12 was pressed; the request is used up by reading it.
bool takeScreenshotRequest();

// True while the window has lost the focus it once had, or is minimised. A window that never
// had the focus (a bare X server) is never away.
bool playerAway();

// Sleeps on the event queue until the player is back or asks to quit, then releases every
// key, so nothing held before or during the absence stays down.
void waitWhileAway();

// Off: the window never counts as away. The simulator, which nobody watches, turns it off.
void setPauseWhenAway(bool on);
