// The hero: a courier in a cobalt suit and a yellow helmet, seen from above, both hands on
// a stubby carbine. Drawn facing right and turned for each of the sixteen directions.
#include "art.h"
#include "figure.h"

namespace {

constexpr int kCell = 46;
constexpr int kDirections = 16;
constexpr int kSteps = 4;

// Foot offsets along the facing for each walking step: standing, left foot out, passing,
// right foot out.
constexpr float kLeftFoot[kSteps] = {1.0f, 6.5f, 0.0f, -4.5f};
constexpr float kRightFoot[kSteps] = {1.0f, -4.5f, 0.0f, 6.5f};
// The shoulders sway against the leading foot.
constexpr float kSway[kSteps] = {0.0f, 0.8f, 0.0f, -0.8f};

std::vector<Shape> heroShapes(int step) {
    float lf = kLeftFoot[step], rf = kRightFoot[step], sway = kSway[step];
    return {
        ellipse(lf, -5.5f, 5.0f, 3.2f, kLeather),
        ellipse(rf, 5.5f, 5.0f, 3.2f, kLeather),
        box(-8.5f, 0.0f, 3.5f, 6.5f, kLeather),
        ellipse(0.0f, 0.0f, 7.5f, 11.5f, kHeroSuit),
        capsule(sway, -9.0f, 8.5f, -1.0f, 2.9f, kHeroSuit),
        capsule(-sway, 9.0f, 5.5f, 5.5f, 2.9f, kHeroSuit),
        box(12.0f, 3.0f, 7.0f, 1.8f, kGunMetal),
        box(8.0f, 4.8f, 1.6f, 2.0f, kGunMetal),
        capsule(18.0f, 3.0f, 20.6f, 3.0f, 1.2f, kGunMetal),
        ellipse(9.5f, 1.0f, 2.5f, 2.5f, kSkin),
        ellipse(6.0f, 5.5f, 2.5f, 2.5f, kSkin),
        ellipse(0.5f, 0.0f, 6.2f, 6.2f, kHeroHelmet),
        box(0.5f, 0.0f, 5.0f, 0.7f, kRust),
        ellipse(4.5f, 0.0f, 1.8f, 3.8f, kVisor),
    };
}

} // namespace

SpriteSheet makeHero() {
    SpriteSheet sheet = makeSheet("player", kCell, kCell, kDirections, kSteps);
    for (int row = 0; row < kDirections; ++row)
        for (int step = 0; step < kSteps; ++step)
            drawFigure(sheet.image, sheet.cellX(step), sheet.cellY(row), kCell, kCell,
                       heroShapes(step), {kCell / 2.0f, kCell / 2.0f, 22.5f * float(row)});
    return sheet;
}
