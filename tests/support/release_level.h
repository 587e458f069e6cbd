#pragma once
// The game keeps its level until the process ends; a test process builds several, so each
// test hands back what its build made before the next one overwrites the globals.

// Destroys the level's enemies, projectiles, effects, walls and blocks and its store, and
// sets those globals to null. The hero is left alone.
void releaseLevel();

// releaseLevel, then the World and the hero the start-up made; both globals become null.
void releaseStartUp();
