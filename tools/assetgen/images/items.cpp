// The 32x32 pictures of weapons and pick-ups. The head-up display shows handgun, rifle (also
// the rocket launcher's), bomb, health and armor at the bottom of the screen, so each is a
// bold shape with a light and a dark side; the others are loaded but never shown.
#include "art.h"
#include "figure.h"

namespace {

constexpr int kIcon = 32;

SpriteSheet iconSheet(const char* name, const std::vector<Shape>& shapes) {
    SpriteSheet sheet = makeSheet(name, kIcon, kIcon, 1, 1);
    drawFigure(sheet.image, 0, 0, kIcon, kIcon, shapes, {});
    return sheet;
}

std::vector<Shape> handgun() {
    return {capsule(10.5f, 15.0f, 7.0f, 26.0f, 3.4f, kLeather),
            capsule(13.5f, 16.5f, 16.0f, 19.0f, 1.1f, kGunMetal),
            box(17.0f, 11.0f, 12.5f, 3.8f, kGunMetal), box(27.5f, 9.0f, 1.0f, 0.8f, kGunMetal),
            flat(box(20.0f, 9.5f, 7.0f, 0.6f, kGunMetal), 3)};
}

// The rocket launcher's picture: a shoulder tube with a warhead at its mouth.
std::vector<Shape> launcherTube() {
    return {capsule(10.0f, 18.0f, 8.0f, 26.0f, 2.4f, kLeather),
            box(15.0f, 14.0f, 12.0f, 4.2f, kLeaf),
            box(4.0f, 14.0f, 1.6f, 5.0f, kGunMetal),
            box(26.0f, 14.0f, 1.6f, 5.0f, kGunMetal),
            box(15.0f, 8.5f, 3.0f, 1.4f, kGunMetal),
            ellipse(29.0f, 14.0f, 2.5f, 3.2f, kMedic)};
}

std::vector<Shape> bomb(float x, float y, float r) {
    return {
        capsule(x + r * 0.5f, y - r * 0.9f, x + r * 0.9f, y - r * 1.4f, r * 0.18f + 0.4f, kLeather),
        ellipse(x, y, r, r, kGunMetal),
        box(x + r * 0.45f, y - r * 0.75f, r * 0.28f + 0.3f, r * 0.22f + 0.3f, kSteel),
        flat(ellipse(x - r * 0.4f, y - r * 0.4f, r * 0.22f, r * 0.22f, kSteel), 3),
        ellipse(x + r * 1.0f, y - r * 1.55f, r * 0.3f + 0.6f, r * 0.3f + 0.6f, kFlame)};
}

std::vector<Shape> bombPile() {
    std::vector<Shape> s = bomb(9.0f, 21.0f, 6.0f);
    for (const Shape& b : bomb(22.0f, 22.0f, 6.0f))
        s.push_back(b);
    for (const Shape& b : bomb(15.5f, 14.0f, 6.0f))
        s.push_back(b);
    return s;
}

std::vector<Shape> medkit() {
    return {capsule(12.0f, 7.0f, 20.0f, 7.0f, 2.0f, kGunMetal),
            box(16.0f, 18.0f, 13.5f, 10.5f, kBone), box(16.0f, 18.0f, 2.8f, 7.5f, kMedic),
            box(16.0f, 18.0f, 7.5f, 2.8f, kMedic)};
}

std::vector<Shape> vest() {
    return {ellipse(16.0f, 17.0f, 12.5f, 13.0f, kRust),
            box(16.0f, 17.0f, 9.5f, 11.0f, kSteel),
            flat(box(16.0f, 17.0f, 0.6f, 9.5f, kSteel), 0),
            flat(box(10.0f, 9.5f, 1.0f, 1.0f, kGold), 3),
            flat(box(22.0f, 9.5f, 1.0f, 1.0f, kGold), 3),
            flat(box(10.0f, 24.5f, 1.0f, 1.0f, kGold), 3),
            flat(box(22.0f, 24.5f, 1.0f, 1.0f, kGold), 3)};
}

std::vector<Shape> bolt() {
    return {capsule(19.0f, 3.0f, 10.0f, 17.0f, 2.6f, kFlame),
            capsule(10.0f, 16.0f, 22.0f, 15.0f, 2.6f, kFlame),
            capsule(22.0f, 15.0f, 12.0f, 29.0f, 2.6f, kFlame)};
}

Shape noEdge(Shape s) {
    s.edgeLine = false;
    return s;
}

std::vector<Shape> heart() {
    return {ellipse(10.5f, 12.0f, 7.0f, 7.0f, kMedic), ellipse(21.5f, 12.0f, 7.0f, 7.0f, kMedic),
            noEdge(capsule(10.0f, 15.0f, 16.0f, 26.0f, 5.0f, kMedic)),
            noEdge(capsule(22.0f, 15.0f, 16.0f, 26.0f, 5.0f, kMedic)),
            flat(ellipse(8.5f, 10.0f, 2.0f, 1.6f, kMedic), 3)};
}

std::vector<Shape> rocketPack() {
    std::vector<Shape> s;
    for (float y : {9.0f, 16.0f, 23.0f}) {
        s.push_back(capsule(4.0f, y, 22.0f, y, 2.6f, kSteel));
        s.push_back(ellipse(25.0f, y, 3.5f, 2.6f, kMedic));
    }
    s.push_back(box(12.0f, 16.0f, 2.0f, 11.5f, kLeather));
    return s;
}

} // namespace

std::vector<SpriteSheet> makeItems() {
    std::vector<SpriteSheet> out;
    out.push_back(iconSheet("handgun", handgun()));
    out.push_back(iconSheet("rifle", launcherTube()));
    out.push_back(iconSheet("launcher", rocketPack()));
    out.push_back(iconSheet("bomb", bomb(15.0f, 18.0f, 10.0f)));
    out.push_back(iconSheet("bombs", bombPile()));
    out.push_back(iconSheet("health", medkit()));
    out.push_back(iconSheet("armor", vest()));
    out.push_back(iconSheet("speedup", bolt()));
    out.push_back(iconSheet("extralife", heart()));
    return out;
}
