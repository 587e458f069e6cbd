// Short-lived marks and particles: sparks and fire of an explosion, smoke of a rocket's
// trail, blood, the crater a rocket leaves, and two marks that nothing draws. The game reads
// frame 1, column 0; frame 0 holds a smaller variant.
#include "art.h"
#include "figure.h"
#include "noise.h"
#include "palette.h"
#include "random.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using ShapesOfFrame = std::function<std::vector<Shape>(float grow)>;

// A two-frame, one-column sheet: frame 0 the figure a little smaller, frame 1 full size.
SpriteSheet effectSheet(const char* name, int w, int h, const ShapesOfFrame& shapes) {
    SpriteSheet sheet = makeSheet(name, w, h, 2, 1);
    drawFigure(sheet.image, 0, sheet.cellY(0), w, h, shapes(0.8f), {});
    drawFigure(sheet.image, 0, sheet.cellY(1), w, h, shapes(1.0f), {});
    return sheet;
}

std::vector<Shape> spark(float g) {
    return {capsule(4.0f - 2.6f * g, 4.0f, 4.0f + 2.6f * g, 4.0f, 0.9f, kFlame),
            capsule(4.0f, 4.0f - 2.6f * g, 4.0f, 4.0f + 2.6f * g, 0.9f, kFlame),
            flat(ellipse(4.0f, 4.0f, 1.2f, 1.2f, kFlame), 3)};
}

std::vector<Shape> firePuff(float g) {
    return {ellipse(6.0f, 6.5f, 4.8f * g, 4.4f * g, kEmber),
            ellipse(7.6f, 4.6f, 2.4f * g, 2.4f * g, kEmber),
            ellipse(5.6f, 6.0f, 2.8f * g, 2.6f * g, kFlame)};
}

std::vector<Shape> puff(float g, float size) {
    float r = size * g;
    return {ellipse(size + 0.5f, size + 1.0f, r, r * 0.85f, kSmoke),
            ellipse(size - r * 0.35f + 0.5f, size - r * 0.3f + 0.5f, r * 0.6f, r * 0.6f, kSmoke),
            ellipse(size + r * 0.4f + 0.5f, size - r * 0.1f + 0.5f, r * 0.55f, r * 0.55f, kSmoke)};
}

std::vector<Shape> splat(float g, float size) {
    float c = size / 2.0f;
    return {ellipse(c, c, c * 0.62f * g, c * 0.5f * g, kBlood),
            ellipse(c + c * 0.55f, c - c * 0.45f, c * 0.22f + 0.3f, c * 0.22f + 0.3f, kBlood),
            ellipse(c - c * 0.5f, c + c * 0.5f, c * 0.2f + 0.3f, c * 0.2f + 0.3f, kBlood)};
}

std::vector<Shape> puddle(float g) {
    return {ellipse(16.0f, 8.0f, 13.5f * g, 5.5f * g, kWater),
            ellipse(9.0f, 10.0f, 5.0f * g, 3.0f * g, kWater),
            flat(ellipse(12.0f, 6.0f, 3.0f, 0.8f, kWater), 3)};
}

std::vector<Shape> chalkMark(float g) {
    float r = 6.0f * g;
    return {capsule(8.0f - r, 8.0f - r, 8.0f + r, 8.0f + r, 1.2f, kBone),
            capsule(8.0f - r, 8.0f + r, 8.0f + r, 8.0f - r, 1.2f, kBone)};
}

// A scorched pit: its edge wanders, its far (lower right) inner wall catches the light and
// the near one lies in shadow, and it is rimmed in dark earth rather than the sprites' black,
// with a spatter of soot around it, so it settles into the floor.
void drawCrater(Image& img, int top, int size, float g, std::uint32_t seed) {
    float c = size / 2.0f;
    auto radiusAt = [&](float dx, float dy) {
        float wobble = valueNoise(std::atan2(dy, dx) * 4.0f + 20.0f, 3.0f, 1.0f, seed);
        return (c - 5.0f) * g * (0.8f + 0.2f * wobble);
    };
    for (int j = 0; j < size; ++j)
        for (int i = 0; i < size; ++i) {
            float dx = i + 0.5f - c, dy = j + 0.5f - c;
            float d = std::sqrt(dx * dx + dy * dy) / radiusAt(dx, dy);
            if (d > 1.0f) continue;
            float facing = -(dx + dy) / (std::sqrt(dx * dx + dy * dy) + 0.01f);
            Rgb colour;
            if (d > 0.8f)
                colour = facing > 0.3f ? kDirt[4] : kDirt[2]; // the thrown-up lip
            else if (d > 0.5f)
                colour = facing > 0.2f ? kMortar.shade[1] : kDirt[1]; // inner wall
            else
                colour = hashUnit(i, j, seed + 1) > 0.92f ? kMortar.shade[1] : kMortar.shade[0];
            img.set(i, top + j, colour);
        }
    outlineRegion(img, 0, top, size, size, kDirt[0]);
    for (int j = 0; j < size; ++j)
        for (int i = 0; i < size; ++i) {
            float dx = i + 0.5f - c, dy = j + 0.5f - c;
            float d = std::sqrt(dx * dx + dy * dy) / radiusAt(dx, dy);
            // Soot thins out with distance from the rim.
            if (d > 1.1f && d < 1.45f && !img.opaque(i, top + j) &&
                hashUnit(i, j, seed) < (1.45f - d) * 1.2f)
                img.set(i, top + j, kDirt[0]);
        }
}

SpriteSheet makeCrater() {
    SpriteSheet sheet = makeSheet("crater", 32, 32, 2, 1);
    drawCrater(sheet.image, sheet.cellY(0), 32, 0.8f, 0xC7A7E401u);
    drawCrater(sheet.image, sheet.cellY(1), 32, 1.0f, 0xC7A7E402u);
    return sheet;
}

} // namespace

std::vector<SpriteSheet> makeEffects() {
    std::vector<SpriteSheet> out;
    out.push_back(effectSheet("explosion1", 8, 8, spark));
    out.push_back(effectSheet("explosion2", 12, 12, firePuff));
    out.push_back(effectSheet("smoke1", 12, 12, [](float g) { return puff(g, 5.5f); }));
    out.push_back(effectSheet("smoke2", 10, 10, [](float g) { return puff(g, 4.5f); }));
    out.push_back(effectSheet("blood1", 8, 8, [](float g) { return splat(g, 8.0f); }));
    out.push_back(effectSheet("blood2", 6, 6, [](float g) { return splat(g, 6.0f); }));
    out.push_back(makeCrater());
    out.push_back(effectSheet("pool", 32, 16, puddle));
    out.push_back(effectSheet("mark", 16, 16, chalkMark));
    return out;
}
