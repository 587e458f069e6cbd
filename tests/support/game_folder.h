#pragma once
// The generated game folder (QUORVISH_GAME_DIR, set for every unit test) reached from a
// test's own work folder.

// Links a folder of the game folder (images or sounds) into the working directory, so the
// game's fixed relative paths reach the real assets.
void linkGameFolder(const char* folder);
