#pragma once
// The title screens' record. It has no initialisation of its own: it is a global filled while
// the Core is built, which may happen before its own construction.

struct Gui {
    // One pass of the title screens; returns the next loop state (0 stay, 1 game, -1 stop).
    int updateTitle();
};

extern Gui gui;
