// The hero: a courier in a cobalt suit and a yellow helmet, seen from above, both hands on
// a stubby carbine. Drawn facing right and turned for each of the sixteen directions.
#include "art.h"
#include "figure.h"

namespace {

constexpr int kCell = 46;
constexpr int kDirections = 16;
constexpr int kSteps = 4;

// Foot offsets along the facing for each walking step: standing, left foot out, left foot
// on its way back, right foot out.
constexpr float kLeftFoot[kSteps] = {0.5f, 10.0f, 5.0f, -9.0f};
constexpr float kRightFoot[kSteps] = {0.5f, -9.0f, -4.0f, 10.0f};
// The shoulders sway against the leading foot.
constexpr float kSway[kSteps] = {0.0f, 1.5f, 0.8f, -1.5f};

std::vector<Shape> heroShapes(int step) {
    float lf = kLeftFoot[step], rf = kRightFoot[step], sway = kSway[step];
    return {
        ellipse(lf, -5.5f, 4.6f, 3.0f, kChitin),
        ellipse(rf, 5.5f, 4.6f, 3.0f, kChitin),
        box(-7.5f, 0.0f, 3.0f, 6.0f, kLeather),
        ellipse(0.0f, 0.0f, 6.8f, 12.5f, kHeroSuit),
        capsule(sway, -10.0f, 8.5f, -1.0f, 3.0f, kHeroSuit),
        capsule(-sway, 10.0f, 5.5f, 5.5f, 3.0f, kHeroSuit),
        box(12.0f, 3.0f, 7.0f, 1.9f, kGunMetal),
        box(8.0f, 4.9f, 1.6f, 2.0f, kGunMetal),
        capsule(18.0f, 3.0f, 20.8f, 3.0f, 1.2f, kGunMetal),
        ellipse(9.5f, 1.0f, 2.6f, 2.6f, kSkin),
        ellipse(6.0f, 5.6f, 2.6f, 2.6f, kSkin),
        ellipse(0.5f, 0.0f, 6.4f, 6.4f, kHeroHelmet),
        ellipse(4.6f, 0.0f, 1.9f, 4.0f, kVisor),
    };
}

// Figure units across the icon: the hero from his heels to the muzzle, with a little room.
constexpr float kIconSpan = 35.0f;

} // namespace

SpriteSheet makeHero() {
    SpriteSheet sheet = makeSheet("player", kCell, kCell, kDirections, kSteps);
    for (int row = 0; row < kDirections; ++row)
        for (int step = 0; step < kSteps; ++step)
            drawFigure(sheet.image, sheet.cellX(step), sheet.cellY(row), kCell, kCell,
                       heroShapes(step), {kCell / 2.0f, kCell / 2.0f, 22.5f * float(row)});
    return sheet;
}

Image makeHeroIcon(int size) {
    const float scale = float(size) / kIconSpan;
    std::vector<Shape> shapes = heroShapes(0);
    for (Shape& s : shapes) {
        s.x *= scale, s.y *= scale, s.rx *= scale, s.ry *= scale, s.x2 *= scale, s.y2 *= scale;
    }
    Image icon(size, size);
    // Facing up, his heels (x = -10.5) and muzzle (x = 22) sit evenly about the middle.
    const float middle = float(size) / 2.0f;
    drawFigure(icon, 0, 0, size, size, shapes, {middle, middle + 5.75f * scale, 270.0f});
    return icon;
}
