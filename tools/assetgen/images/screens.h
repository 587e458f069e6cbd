#pragma once
// The three full pictures of the title screens: the menu ("GUI", 800x600), the intro
// (800x600, rises until its top rows fill the screen) and the end (800x1300, whose rows
// 700-1299 are what stays on screen). Each is a one-cell sprite.
#include "sprite_sheet.h"

#include <vector>

// Builds GUI, intro_screen and end_screen; the sprites lend their figures for decoration.
std::vector<SpriteSheet> makeScreens(const std::vector<SpriteSheet>& sprites);
