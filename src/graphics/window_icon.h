#pragma once
// The icon the desktop shows for the game window: the same art as the installed icons.

// Gives the game window the picture of that bitmap file as its icon, magenta transparent as
// in every sprite. Without the window or a readable file nothing changes: the game does not
// need its icon.
void setWindowIcon(const char* bitmapPath);
