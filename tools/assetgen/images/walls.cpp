// Walls and blocks: dressed stone seen from above and a little from the front. The top face
// is lit; a strip of the front (bottom) and right faces shows below and beside it in
// shadow. The long wall and the tall wall share one brick pattern, laid along their length.
#include "art.h"
#include "noise.h"
#include "palette.h"
#include "random.h"

#include <algorithm>

namespace {

constexpr int kSide = 7;         // depth of the visible front and right faces
constexpr int kCourse = 16;      // brick course across the wall
constexpr int kBrickLength = 32; // brick length along the wall

// The shade of the top face at (along, across): bricks in staggered courses, each lit on
// its leading edges and darkened on its trailing ones, with its own grain.
Rgb brickTop(int along, int across, std::uint32_t seed) {
    int course = across / kCourse;
    int shifted = along + (course % 2) * (kBrickLength / 2);
    int brick = shifted / kBrickLength;
    int a = shifted % kBrickLength, c = across % kCourse;
    if (a == 0 || c == 0) return kMortar.shade[1];
    std::uint32_t h = hashPoint(brick, course, seed);
    float grain = fractalNoise(float(along), float(across), 10.0f, 2, seed + (h & 0xFF));
    int shade =
        grain + ditherThreshold(along, across) * 0.25f + float(h % 5) * 0.04f > 0.68f ? 2 : 1;
    if (a == 1 || c == 1) shade = 3;
    if (a == kBrickLength - 1 || c == kCourse - 1) shade = 0;
    // Now and then a chipped corner.
    if ((h >> 8) % 7 == 0 && a > kBrickLength - 6 && c > kCourse - 6 &&
        a + c > kBrickLength + kCourse - 8)
        return kMortar.shade[2];
    return kStone.shade[shade];
}

// The shadowed faces: the same courses, two shades darker, with vertical joints.
Rgb sideFace(int along, int depth, bool right) {
    Rgb c = (along / (kBrickLength / 2) + (right ? 1 : 0)) % 2 == 0 ? kStone.shade[0]
                                                                    : kMortar.shade[3];
    if (along % (kBrickLength / 2) == 0) c = kMortar.shade[0];
    if (depth == 0) c = kMortar.shade[2]; // the top's edge
    return right ? shadeColour(c, 0.8f) : c;
}

// A wall of w x h pixels whose bricks run along x when horizontal, along y otherwise.
Image stoneWall(int w, int h, bool horizontal, std::uint32_t seed) {
    Image img(w, h);
    int topW = w - kSide, topH = h - kSide;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Rgb c;
            if (x < topW && y < topH)
                c = horizontal ? brickTop(x, y, seed) : brickTop(y, x, seed);
            else if (y >= topH && x < topW + (y - topH))
                c = sideFace(x, y - topH, false);
            else
                c = sideFace(y, x - topW, true);
            img.set(x, y, c);
        }
    // The faces' corner is cut on the diagonal where front and right meet; outside it, clear.
    for (int y = 0; y < kSide; ++y)
        for (int x = y + 1; x < kSide; ++x)
            img.set(topW + x, y, kClear);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < y; ++x)
            img.set(x, topH + y, kClear);
    Image framed(w, h);
    framed.blitPart(img, 1, 1, w - 2, h - 2, 1, 1);
    outlineRegion(framed, 0, 0, w, h, kOutline);
    return framed;
}

// The block: one capstone with a sunken panel and four iron studs.
Image stoneBlock(int size, std::uint32_t seed) {
    Image img = stoneWall(size, size, true, seed);
    int top = size - kSide;
    for (int y = 2; y < top - 1; ++y)
        for (int x = 2; x < top - 1; ++x) {
            bool rim = x == 2 || y == 2 || x == top - 2 || y == top - 2;
            float grain = fractalNoise(float(x), float(y), 9.0f, 2, seed);
            Rgb c = kStone.shade[grain + ditherThreshold(x, y) * 0.2f > 0.66f ? 2 : 1];
            if (rim) c = kStone.shade[3];
            if (x == top - 2 || y == top - 2) c = kStone.shade[0];
            int px = x - 9, py = y - 9, inner = top - 20;
            if (px >= 0 && py >= 0 && px < inner && py < inner) {
                c = shadeColour(c, 0.78f);
                if (px == 0 || py == 0) c = kMortar.shade[1]; // the panel's shadowed lip
                if (px == inner - 1 || py == inner - 1) c = kStone.shade[3];
            }
            img.set(x, y, c);
        }
    for (int sy : {5, top - 6})
        for (int sx : {5, top - 6}) {
            img.fillRect(sx - 1, sy - 1, 3, 3, kGunMetal.shade[1]);
            img.set(sx - 1, sy - 1, kGunMetal.shade[3]);
            img.set(sx + 1, sy + 1, kGunMetal.shade[0]);
        }
    return img;
}

SpriteSheet single(const char* name, Image img) {
    SpriteSheet sheet = makeSheet(name, img.width(), img.height(), 1, 1);
    sheet.image = std::move(img);
    return sheet;
}

} // namespace

std::vector<SpriteSheet> makeWalls() {
    std::vector<SpriteSheet> out;
    out.push_back(single("wall1", stoneWall(256, 64, true, 0x3A110001u)));
    out.push_back(single("wall2", stoneWall(64, 256, false, 0x3A110001u)));
    out.push_back(single("block", stoneBlock(48, 0x3A110003u)));
    return out;
}
