#pragma once
// Every file the game loads, as four tables side by side, one for each moment it loads at:
// the start-up, the level's build, the title screens' start and the first game pass. Each
// table loads its rows in a fixed order and stores every handle in the row's field of the
// global Assets record. Sprite and sound handles are given out in load order, so the order
// of the rows, and of the tables, is part of the game.
#include <filesystem>

// The three pieces of music, which are read ahead during the start-up and mixed as music.
inline constexpr const char* kIntroMusic = "./sounds/intro.wav";
inline constexpr const char* kLevelMusic = "./sounds/level1.wav";
inline constexpr const char* kOutroMusic = "./sounds/outro.wav";

// The start-up's 46 rows: the enemies, hero, shots, pick-ups, the background, the sounds
// and the effects, with the "Made it here" progress lines between them.
void loadStartupAssets();

// The level's six, loaded by its build: its own background, the two walls, the block, a second
// handle of the plain enemy's sprite, and the mark.
void loadLevelAssets();

// The title screens' seven: the menu and its cursor, the intro and end pictures, the two
// fonts, then the intro music.
void loadTitleAssets();

// The level music, loaded by the first game pass; returns its handle.
int loadLevelMusic();

// True when the folder holds at least one file of the start-up table (a sprite's bitmap, the
// background or a sound), so it can be the game folder.
bool holdsAnAssetFile(const std::filesystem::path& folder);
