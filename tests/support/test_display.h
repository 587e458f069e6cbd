#pragma once
// The window, the display and the sprite registry, started as the game starts them but with
// no clock, sound or log lines: for tests of the graphics alone.

// Opens the window and sets up the 800x600 display and an empty registry. False when there
// is no window.
bool openTestDisplay();

// Releases the registry and the display and closes the window.
void closeTestDisplay();
