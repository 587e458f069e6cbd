#include "ground.h"

#include "noise.h"
#include "palette.h"
#include "random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t kEarthSeed = 0x5EED0001u;
constexpr std::uint32_t kMossSeed = 0x5EED0002u;
constexpr std::uint32_t kGrainSeed = 0x5EED0003u;
constexpr std::uint32_t kPebbleSeed = 0x5EED0004u;
constexpr std::uint32_t kTuftSeed = 0x5EED0005u;
constexpr std::uint32_t kSlabSeed = 0x5EED0006u;
constexpr int kPebbleGrid = 22;
constexpr int kTuftGrid = 40;
constexpr int kBorder = 48;

// A pebble sits inside its own grid square, so one square's look needs only its own hash.
bool pebbleAt(int x, int y, Rgb& out) {
    int gx = x / kPebbleGrid, gy = y / kPebbleGrid;
    std::uint32_t h = hashPoint(gx, gy, kPebbleSeed);
    if ((h & 0xFF) > 60) return false;
    float r = 1.2f + float((h >> 8) & 3) * 0.6f;
    float cx = float(gx * kPebbleGrid) + 5.0f + float((h >> 12) % 12);
    float cy = float(gy * kPebbleGrid) + 5.0f + float((h >> 20) % 12);
    float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
    float d = (dx * dx + dy * dy * 1.4f) / (r * r);
    if (d <= 1.0f) {
        float light = -(dx + dy) / (2.0f * r);
        out = kStone.shade[light > 0.35f ? 3 : light > -0.25f ? 2 : 1];
        return true;
    }
    // The pebble's shadow falls down and to the right.
    float sx = dx - 1.0f, sy = dy - 1.0f;
    if ((sx * sx + sy * sy * 1.4f) / (r * r) <= 1.0f) {
        out = kDirt[0];
        return true;
    }
    return false;
}

// A tuft of a few dry blades in some squares of a coarser grid.
bool tuftAt(int x, int y, Rgb& out) {
    int gx = x / kTuftGrid, gy = y / kTuftGrid;
    std::uint32_t h = hashPoint(gx, gy, kTuftSeed);
    if ((h & 0xFF) > 40) return false;
    int bx = gx * kTuftGrid + 8 + int((h >> 8) % 24),
        by = gy * kTuftGrid + 10 + int((h >> 16) % 22);
    static constexpr const char* kBlades[6] = {"..2...1.", ".2.3.1..", ".23.21..",
                                               "..331...", "..2.1...", "..000..."};
    int i = x - bx, j = y - by;
    if (i < 0 || j < 0 || i >= 8 || j >= 6) return false;
    char c = kBlades[j][i];
    if (c == '.') return false;
    out = kMoss[c - '0'];
    return true;
}

Rgb earthPixel(int x, int y) {
    float fx = float(x), fy = float(y);
    float earth = fractalNoise(fx, fy, 220.0f, 3, kEarthSeed);
    float clods = fractalNoise(fx, fy, 40.0f, 2, kEarthSeed + 1);
    float grain = valueNoise(fx, fy, 3.0f, kGrainSeed);
    float moss = fractalNoise(fx + 913.0f, fy + 77.0f, 200.0f, 3, kMossSeed);
    float dither = ditherThreshold(x, y) - 0.5f;
    float v = 0.5f + (earth - 0.5f) * 1.1f + (clods - 0.5f) * 0.7f + (grain - 0.5f) * 0.3f +
              dither * 0.22f;
    if (moss + (clods - 0.5f) * 0.1f + dither * 0.05f > 0.65f)
        return kMoss[std::clamp(int(v * 4.0f), 0, 3)];
    // The darkest earth is kept for the shadows of pebbles and the border.
    return kDirt[std::clamp(int(v * 4.0f) + 1, 1, 5)];
}

// One paving slab of the border: dark slate, unlike the walls' pale stone, lit at its top
// and left edges.
Rgb slabPixel(int x, int y, int slabX, int slabY, int size) {
    int i = x - slabX, j = y - slabY;
    if (i < 2 || j < 2 || i >= size - 1 || j >= size - 1) return kMortar.shade[0];
    std::uint32_t h = hashPoint(slabX, slabY, kSlabSeed);
    float grain = fractalNoise(float(x), float(y), 12.0f, 2, kSlabSeed + (h & 0xFF));
    Rgb face = grain + ditherThreshold(x, y) * 0.3f > 0.62f ? kStone.shade[0] : kMortar.shade[3];
    if (i < 4 || j < 4) face = kStone.shade[1];
    if (i >= size - 3 || j >= size - 3) face = kMortar.shade[1];
    return face;
}

Rgb borderPixel(int x, int y) {
    // Slabs run along each edge; the corner squares line up with both runs.
    bool across = y < kBorder || y >= kArenaSize - kBorder;
    int slab = ((across ? x : y) / kBorder) * kBorder;
    int far = kArenaSize - kBorder;
    int slabX = across ? slab : (x < kBorder ? 0 : far);
    int slabY = across ? (y < kBorder ? 0 : far) : slab;
    // A worn ochre line painted along the inner edge marks the arena's limit.
    int inset = std::min(std::min(x, y), std::min(kArenaSize - 1 - x, kArenaSize - 1 - y));
    if (inset >= kBorder - 11 && inset < kBorder - 6 && hashUnit(x / 2, y / 2, kSlabSeed) > 0.12f)
        return inset == kBorder - 11 ? kGold.shade[1] : kGold.shade[0];
    return slabPixel(x, y, slabX, slabY, kBorder);
}

bool inBorder(int x, int y) {
    return x < kBorder || y < kBorder || x >= kArenaSize - kBorder || y >= kArenaSize - kBorder;
}

// The raised border throws a shadow on the floor below and right of it.
bool inBorderShadow(int x, int y) {
    return (x < kBorder + 5 && y >= kBorder) || (y < kBorder + 5 && x >= kBorder);
}

} // namespace

Rgb groundPixel(int x, int y) {
    Rgb c;
    if (tuftAt(x, y, c) || pebbleAt(x, y, c)) return c;
    return earthPixel(x, y);
}

void paintGround(Image& img, int worldX, int worldY) {
    for (int j = 0; j < img.height(); ++j)
        for (int i = 0; i < img.width(); ++i)
            img.set(i, j, groundPixel(worldX + i, worldY + j));
}

Image makeArenaFloor() {
    Image img(kArenaSize, kArenaSize);
    for (int y = 0; y < kArenaSize; ++y)
        for (int x = 0; x < kArenaSize; ++x) {
            Rgb c;
            if (inBorder(x, y))
                c = borderPixel(x, y);
            else if (inBorderShadow(x, y))
                c = shadeColour(groundPixel(x, y), 0.62f);
            else
                c = groundPixel(x, y);
            img.set(x, y, c);
        }
    return img;
}

Image makeBackdrop() {
    Image img(800, 600);
    paintGround(img, 800, 800);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.set(x, y, shadeColour(img.at(x, y), 0.5f));
    return img;
}
