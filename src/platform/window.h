#pragma once
// The game window. The display presents into it; game code never sees it.
struct SDL_Window;

// The window created by createGameWindow, or null when none could be made.
SDL_Window* gameWindow();

// True while the game window is open.
bool hasWindow();

// Creates and shows the window titled "Quorvish Blemp by Tallowfork", full-screen or not as
// the start placement says. Logs and reports false when there is no display to show it on.
bool createGameWindow();

// Hides the mouse pointer over the window; harmless without one.
void hideMouseCursor();

// Switches between desktop full-screen and a resizable window. A first window without a
// saved size is the largest whole multiple of the frame that fits in 90 % of the desktop's
// usable area.
void toggleWindowMode();

// Closes the window and SDL's video; the shutdown does so just before it stops the sound.
void closeGameWindow();

// How the window is shown: full-screen, or a window of its size at its place.
struct WindowPlacement {
    bool fullscreen = true;
    int display = 0;           // the monitor, 0 the primary
    int width = 0, height = 0; // the window mode's size; 0 by 0 for the first window's own
    bool placed = false;       // x and y hold the window's place on the desktop
    int x = 0, y = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// The placement the window is made with; by default full-screen on the primary monitor.
void setStartPlacement(const WindowPlacement& placement);

// The window's placement now; the start placement while there is no window.
WindowPlacement currentPlacement();

// Called after the player switches the window mode, resizes or moves the window; null for
// nobody.
void setPlacementListener(void (*listener)(const WindowPlacement&));
