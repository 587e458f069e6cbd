#pragma once
// The game screen: one World pass, then the head-up display over it. The record is a global,
// all zero until the Core's start-up fills it.

class World;

struct GameScreen {
    World* world; // the level, built once at start-up

    // One game pass; returns the next loop state. When the World reports the last enemy gone,
    // the end screen starts in the same pass.
    int updateGame();
};

extern GameScreen gameScreen;

// Draws the head-up display from the hero's counters and its current weapon.
void drawHud();
