#pragma once
// The services' lifecycle and the once-per-pass message pump.

// Starts the clock and the log, the key table, the window, the display, the sound layer and
// the sprite registry, in that order. Never fails; failures are logged.
void initPlatform();

// Releases the sprite registry and then the display, closes the window, and stops sound.
void shutdownPlatform();

// Once per main-loop pass: takes the clock sample, shows the frame drawn in the previous
// pass, and drains every pending window event without waiting: keys from outside reach the
// key table only here.
// F12 saves a screenshot; while the player is away it waits, and no pass runs; F1 runs the
// settings screen, if one is set, and no pass runs either.
void pumpMessages();

// The port's two hooks, null for none. beforeWindow runs in initPlatform once the clock has
// started and the log is fresh, before the window and the sound device are opened: the
// settings are read there. settingsScreen is what F1 opens: it runs until the player closes
// it, with the clock held and the sounds paused as while the player is away.
void setPortHooks(void (*beforeWindow)(), void (*settingsScreen)());
