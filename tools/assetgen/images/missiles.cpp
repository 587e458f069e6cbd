// Things that fly: the hero's bullets and rockets, the imp's fireballs, and an arrow that
// nothing fires. The game draws them unturned, so all but the arrow are round.
#include "art.h"
#include "figure.h"

namespace {

// Every cell of a 2x2 sheet gets the figure; the game reads frame 1, column 1.
SpriteSheet missileSheet(const char* name, int w, int h, const std::vector<Shape>& shapes) {
    SpriteSheet sheet = makeSheet(name, w, h, 2, 2);
    for (int f = 0; f < 2; ++f)
        for (int c = 0; c < 2; ++c)
            drawFigure(sheet.image, sheet.cellX(c), sheet.cellY(f), w, h, shapes, {});
    return sheet;
}

std::vector<Shape> bulletShapes() {
    return {ellipse(4.0f, 4.0f, 2.6f, 2.6f, kFlame),
            flat(ellipse(3.4f, 3.4f, 0.9f, 0.9f, kFlame), 3)};
}

// A spinning warhead in its own blaze: reads as a rocket from every direction it flies.
std::vector<Shape> rocketShapes() {
    std::vector<Shape> s{ellipse(16.0f, 16.0f, 10.5f, 10.5f, kEmber),
                         ellipse(15.5f, 15.5f, 7.8f, 7.8f, kFlame)};
    for (auto [dx, dy] : {std::pair{1.0f, 1.0f}, {1.0f, -1.0f}, {-1.0f, 1.0f}, {-1.0f, -1.0f}})
        s.push_back(capsule(16.0f, 16.0f, 16.0f + 6.5f * dx, 16.0f + 6.5f * dy, 1.4f, kRust));
    s.push_back(ellipse(16.0f, 16.0f, 4.8f, 4.8f, kGunMetal));
    s.push_back(flat(ellipse(14.6f, 14.4f, 1.1f, 1.1f, kBone), 3));
    return s;
}

std::vector<Shape> fireballShapes() {
    return {capsule(9.5f, 4.0f, 11.0f, 2.4f, 1.5f, kEmber),
            capsule(4.0f, 9.5f, 2.4f, 11.2f, 1.4f, kEmber), ellipse(7.0f, 7.0f, 5.2f, 5.2f, kEmber),
            ellipse(6.4f, 6.4f, 3.4f, 3.4f, kFlame),
            flat(ellipse(5.8f, 5.8f, 1.3f, 1.3f, kFlame), 3)};
}

std::vector<Shape> arrowShapes() {
    return {capsule(3.0f, 4.0f, 18.0f, 4.0f, 0.8f, kLeather),
            capsule(2.0f, 2.0f, 6.0f, 3.6f, 0.8f, kBone),
            capsule(2.0f, 6.0f, 6.0f, 4.4f, 0.8f, kBone),
            capsule(18.0f, 2.2f, 22.0f, 4.0f, 1.0f, kSteel),
            capsule(18.0f, 5.8f, 22.0f, 4.0f, 1.0f, kSteel)};
}

} // namespace

std::vector<SpriteSheet> makeMissiles() {
    std::vector<SpriteSheet> out;
    out.push_back(missileSheet("bullet", 8, 8, bulletShapes()));
    out.push_back(missileSheet("rocket", 32, 32, rocketShapes()));
    out.push_back(missileSheet("fireball", 14, 14, fireballShapes()));
    out.push_back(missileSheet("arrow", 24, 8, arrowShapes()));
    return out;
}
