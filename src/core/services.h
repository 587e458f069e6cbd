#pragma once
// The services' lifecycle and the once-per-pass message pump.

// Starts the clock and the log, the key table, the window, the display, the sound layer and
// the sprite registry, in that order. Never fails; failures are logged.
void initPlatform();

// Releases the sprite registry and then the display, closes the window, and stops sound.
void shutdownPlatform();

// Once per main-loop pass: takes the clock sample, shows the frame drawn in the previous
// pass, and drains every pending window event without waiting. Key states change only here.
// F12 saves a screenshot; while the player is away it waits, and no pass runs.
void pumpMessages();
