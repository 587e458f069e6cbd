#pragma once
// The simulator's view into the running game: JSON state dumps, and its one intervention.
#include <string>

class Core;

// Writes the game's state after a pass as JSON; false when the file cannot be written.
bool writeDump(const std::string& file, const Core& core, int pass);

// Sets every enemy's health to 0, as if all were shot at once: the next game pass removes
// them and the one after shows the end screen.
void killEveryEnemy();
