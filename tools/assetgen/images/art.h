#pragma once
// The builders of the picture set, one per sprite or family of sprites. Each returns
// finished sheets whose cells sit exactly where the game's drawing code reads them.
#include "sprite_sheet.h"

#include <vector>

// "player": 46x46 cells, 16 rows of directions (row k faces 22.5*k degrees clockwise from
// screen right), 4 columns of walking steps (column 0 standing).
SpriteSheet makeHero();

// The game's icon: the standing hero facing up, drawn afresh at size x size pixels on a
// clear background.
Image makeHeroIcon(int size);

// The three creatures: 4 columns of facings (0 down, 1 up, 2 right, 3 left), rows of
// walking frames. "mario" 15x16 beetle, "mario_big" 16x27 brute, "fire_mario" 10x10 imp.
SpriteSheet makeBeetle();
SpriteSheet makeBrute();
SpriteSheet makeImp();

// bullet, rocket, fireball, arrow: 2x2 cells, drawn at frame 1, column 1.
std::vector<SpriteSheet> makeMissiles();

// explosion1/2, smoke1/2, blood1/2, crater, pool, mark: drawn at frame 1, column 0.
std::vector<SpriteSheet> makeEffects();

// wall1 (256x64), wall2 (64x256) and block (48x48).
std::vector<SpriteSheet> makeWalls();

// The 32x32 pictures of weapons and pick-ups: handgun, rifle, launcher, bomb, bombs,
// health, armor, speedup, extralife.
std::vector<SpriteSheet> makeItems();

// fontaz_v (A-Z) and font09_v (0-9): one column, one glyph a frame, 20x20 cells.
std::vector<SpriteSheet> makeFonts();

// rocket_animated: the menu cursor, one column of flame frames.
SpriteSheet makeMenuCursor();

// Every sprite of the game but the three screen pictures, in a fixed order.
std::vector<SpriteSheet> buildSprites();
