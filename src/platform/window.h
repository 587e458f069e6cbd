#pragma once
// The game window. The display presents into it; game code never sees it.
struct SDL_Window;

// The window created by createGameWindow, or null when none could be made.
SDL_Window* gameWindow();

// True while the game window is open.
bool hasWindow();

// Creates and shows the full-screen window titled "Quorvish Blemp by Tallowfork". Logs and
// reports false when there is no display to show it on.
bool createGameWindow();

// Hides the mouse pointer over the window; harmless without one.
void hideMouseCursor();

// Switches between desktop full-screen and a resizable window. The first window is the
// largest whole multiple of the frame that fits in 90 % of the desktop's usable area.
void toggleWindowMode();

// Closes the window and SDL's video at the very end of shutdown.
void closeGameWindow();
