#pragma once
// The arena floor: packed earth with damp moss, pebbles and tufts, a pure function of the
// position so that any window of it can be painted alone (the menu and the review sheet use
// windows of the same floor).
#include "base/arena.h"
#include "image.h"

// The bare floor's colour at a world pixel, without the arena's paved border.
Rgb groundPixel(int x, int y);

// Paints the floor window whose top-left world pixel is (worldX, worldY) over the whole image.
void paintGround(Image& img, int worldX, int worldY);

// bg1.bmp: the 2400x2400 floor with a paved border along its edges.
Image makeArenaFloor();

// background.bmp: shown by nothing, replaced before the first game pass; a dimmed window of
// the floor.
Image makeBackdrop();
