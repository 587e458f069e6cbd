#pragma once
// The game screen's record, filled while the Core is built (see gui.h).

struct GameScreen {
    // One game pass; returns the next loop state (1 keep playing, 0 end screen, -1 stop).
    int updateGame();
};

extern GameScreen gameScreen;
