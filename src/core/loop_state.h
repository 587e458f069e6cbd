#pragma once
// The main loop's states and the title screens' pages. Each screen's pass returns the loop
// state that follows it.

enum LoopState : int {
    kLoopStop = -1,  // the loop ends after this pass
    kLoopTitles = 0, // menu, intro or end screen
    kLoopGame = 1,   // a game pass (any value but these two plays too)
};

// Values of Gui::screen.
enum TitleScreen : int {
    kScreenMenu = 0,
    kScreenIntro = 1,
    kScreenQuitting = 2, // Quit was taken on the menu; the loop is ending
    kScreenEnd = 3,      // the rising end picture after the last enemy
};
