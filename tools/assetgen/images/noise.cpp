#include "noise.h"

#include "random.h"

#include <cmath>

namespace {
float smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}
} // namespace

float valueNoise(float x, float y, float cell, std::uint32_t seed) {
    float fx = x / cell, fy = y / cell;
    int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    float tx = smooth(fx - float(ix)), ty = smooth(fy - float(iy));
    float a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
    float c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
    float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, float cell, int octaves, std::uint32_t seed) {
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * valueNoise(x, y, cell, seed + std::uint32_t(o) * 7919u);
        total += weight;
        weight *= 0.5f;
        cell *= 0.5f;
    }
    return sum / total;
}

float ditherThreshold(int x, int y) {
    static constexpr int bayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (float(bayer[y & 3][x & 3]) + 0.5f) / 16.0f;
}
