#pragma once
// Where the 800x600 frame lands in a window of any size: scaled by nearest neighbour to the
// largest whole multiple that fits, then smoothly to the largest size with the same aspect,
// centred between black bars. Whole multiples keep every source pixel the same size.

struct PresentLayout {
    int factor; // whole multiple of the nearest-neighbour step, at least 1
    int x;      // final rectangle in the window
    int y;
    int width;
    int height;
};

// The layout of a frame of frameWidth x frameHeight in an output of outputWidth x
// outputHeight pixels. An output smaller than the frame shrinks it, with factor 1.
PresentLayout presentLayout(int frameWidth, int frameHeight, int outputWidth, int outputHeight);

// The largest whole multiple only, centred between black bars; an output smaller than the
// frame shrinks it as above.
PresentLayout integerLayout(int frameWidth, int frameHeight, int outputWidth, int outputHeight);
