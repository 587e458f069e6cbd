#pragma once
// Smooth value noise for ground and stone textures.
#include <cstdint>

// Noise from 0 to 1 at (x, y) on a lattice of the given cell size in pixels.
float valueNoise(float x, float y, float cell, std::uint32_t seed);

// Octaves of valueNoise, each half the cell and half the weight of the one before; 0 to 1.
float fractalNoise(float x, float y, float cell, int octaves, std::uint32_t seed);

// The 4x4 ordered-dither threshold at a pixel, from 0 to 1: keeps the banding of a few
// shades looking like hand-placed pixels instead of contour lines.
float ditherThreshold(int x, int y);
