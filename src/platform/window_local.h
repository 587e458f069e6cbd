#pragma once
// The game window, shared by the platform layer and the display only; game code never sees it.
struct SDL_Window;

// The window created by initPlatform, or null when none could be made.
SDL_Window* gameWindow();

// Creates the full-screen window titled "Quorvish Blemp by Tallowfork". Logs and reports false
// when there is no display to show it on.
bool createGameWindow();

// Closes the window and SDL's video at the very end of shutdown.
void closeGameWindow();

// Switches between desktop full-screen and a resizable window. The first window is the
// largest whole multiple of the frame that fits in 90 % of the desktop's usable area.
void toggleWindowMode();
