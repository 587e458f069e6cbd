#pragma once
// The title screens: the menu, the intro that rises before the game and the end screen that
// rises after it. The record is a global, all zero until the Core's start-up fills it.

struct Gui {
    int selection;    // highlighted menu entry: 0 play, 1 quit
    int cursorFrame;  // the cursor's animation frame
    float menuClock;  // ms spent on the menu
    float introClock; // ms spent on the intro screen; never reset, the intro shows once a run
    float endClock;   // ms spent on the end screen
    int screen;       // a TitleScreen value
    int scrollOffset; // pixels the intro or end picture has risen

    // One pass of the title screens; returns the next loop state.
    int updateTitle();

  private:
    int updateMenu();
    int updateIntro();
    int updateEnd();
    // The first steps of both rising screens: clear, place the view, and take Escape, which
    // returns to the menu state. True when Escape was taken.
    bool leaveRisingScreen();
    // Advances a rising screen's clock, the picture's offset up to limit, and draws it.
    void rise(float& clockMs, int limit, int sprite);
};

extern Gui gui;

// Loads the title screens' table (the menu, its cursor, the intro and end pictures, the two
// fonts and the intro music), resets the title state and starts the looping intro music.
void createGuiTextures();

// Stops every sound, loops the outro music and turns the title screens to the end screen.
void startEndScreen();
