#pragma once
// Drawing the level's walls and blocks.
class ObstacleStore;

// Draws every wall and block of the store, in entry order, with frame 0 and column 0.
void drawObstacles(const ObstacleStore& store);
