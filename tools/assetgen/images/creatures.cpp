// The three creatures of the arena, each its own silhouette and colour so a player tells
// them apart at a glance: a squat green shell-beetle, a tall steel-and-rust brute with
// bone horns, and a tiny ember imp crowned by a flame.
#include "art.h"
#include "figure.h"

namespace {

constexpr int kFrames = 4;
constexpr int kFacings = 4;
// Column order of the creatures' sheets: down, up, right, left.
constexpr float kFacingAngle[kFacings] = {90.0f, 270.0f, 0.0f, 180.0f};

// --- beetle, seen from above and turned like the hero ---

std::vector<Shape> beetleShapes(int frame) {
    // Tripod gait: three legs swing forward while the other three push back.
    constexpr float swing[kFrames] = {0.0f, 2.0f, 0.0f, -2.0f};
    std::vector<Shape> s;
    for (int i = 0; i < 3; ++i) {
        float root = 2.0f - 2.0f * float(i);
        float reach = 3.5f - 3.5f * float(i);
        for (int side : {-1, 1}) {
            bool groupA = (i % 2 == 0) == (side < 0);
            float step = groupA ? swing[frame] : -swing[frame];
            s.push_back(
                capsule(root, 2.0f * float(side), reach + step, 6.2f * float(side), 0.6f, kChitin));
        }
    }
    s.push_back(ellipse(4.2f, 0.0f, 2.3f, 2.5f, kChitin));
    s.push_back(capsule(5.8f, -1.0f, 6.7f, -0.3f, 0.55f, kChitin));
    s.push_back(capsule(5.8f, 1.0f, 6.7f, 0.3f, 0.55f, kChitin));
    s.push_back(ellipse(-1.0f, 0.0f, 4.8f, 4.6f, kShell));
    s.push_back(flat(box(-1.2f, 0.0f, 3.8f, 0.45f, kShell), 0));
    s.push_back(flat(ellipse(-3.0f, -2.2f, 0.8f, 0.8f, kShell), 3));
    s.push_back(flat(ellipse(-3.0f, 2.2f, 0.8f, 0.8f, kShell), 3));
    return s;
}

// --- brute, seen from the front, back and side ---

enum class View { Front, Back, Side };

std::vector<Shape> bruteShapes(View view, int frame) {
    constexpr float bob[kFrames] = {0.0f, 1.0f, 0.0f, 1.0f};
    constexpr float lift[kFrames] = {0.0f, 1.8f, 0.0f, 0.0f};
    constexpr float liftOther[kFrames] = {0.0f, 0.0f, 0.0f, 1.8f};
    constexpr float stride[kFrames] = {0.6f, 3.0f, -0.6f, -3.0f};
    float b = bob[frame];
    std::vector<Shape> s;
    if (view == View::Side) {
        float st = stride[frame];
        s.push_back(capsule(7.5f, 18.0f + b, 7.5f - st, 23.0f, 2.0f, kSteel));
        s.push_back(ellipse(8.5f - st, 24.0f, 2.4f, 1.4f, kChitin));
        s.push_back(capsule(7.5f, 18.0f + b, 7.5f + st, 23.0f, 2.0f, kSteel));
        s.push_back(ellipse(8.5f + st, 24.0f, 2.4f, 1.4f, kChitin));
        s.push_back(box(7.5f, 14.0f + b, 4.0f, 5.0f, kSteel));
        s.push_back(box(7.5f, 18.5f + b, 4.0f, 1.0f, kRust));
        s.push_back(capsule(6.5f, 4.5f + b, 4.0f, 2.0f, 0.9f, kBone));
        s.push_back(ellipse(8.0f, 7.0f + b, 4.0f, 4.2f, kSteel));
        s.push_back(flat(box(10.6f, 7.5f + b, 1.4f, 0.6f, kChitin), 0));
        s.push_back(flat(box(11.4f, 7.5f + b, 0.6f, 0.6f, kFlame), 3));
        float arm = -0.7f * st;
        s.push_back(capsule(8.0f, 11.5f + b, 8.0f + arm, 17.5f + b, 1.7f, kSteel));
        s.push_back(ellipse(8.0f + arm, 18.5f + b, 1.9f, 1.9f, kChitin));
        s.push_back(ellipse(8.0f, 11.0f + b, 2.6f, 2.4f, kRust));
        return s;
    }
    float liftL = lift[frame], liftR = liftOther[frame];
    s.push_back(capsule(5.5f, 18.0f + b, 5.5f, 22.5f - liftL, 2.1f, kSteel));
    s.push_back(ellipse(5.5f, 23.6f - liftL, 2.4f, 1.4f, kChitin));
    s.push_back(capsule(10.5f, 18.0f + b, 10.5f, 22.5f - liftR, 2.1f, kSteel));
    s.push_back(ellipse(10.5f, 23.6f - liftR, 2.4f, 1.4f, kChitin));
    s.push_back(box(8.0f, 14.0f + b, 4.5f, 5.0f, kSteel));
    s.push_back(box(8.0f, 18.5f + b, 4.5f, 1.0f, kRust));
    if (view == View::Back) s.push_back(flat(box(8.0f, 13.5f + b, 0.6f, 3.5f, kRust), 1));
    // Arms swing against the legs.
    float swingL = liftR - liftL, swingR = -swingL;
    s.push_back(capsule(2.7f, 11.5f + b, 2.6f, 17.5f + b + swingL * 0.6f, 1.5f, kSteel));
    s.push_back(ellipse(2.6f, 18.4f + b + swingL * 0.6f, 1.7f, 1.7f, kChitin));
    s.push_back(capsule(13.3f, 11.5f + b, 13.4f, 17.5f + b + swingR * 0.6f, 1.5f, kSteel));
    s.push_back(ellipse(13.4f, 18.4f + b + swingR * 0.6f, 1.7f, 1.7f, kChitin));
    s.push_back(ellipse(3.4f, 10.5f + b, 2.3f, 2.2f, kRust));
    s.push_back(ellipse(12.6f, 10.5f + b, 2.3f, 2.2f, kRust));
    s.push_back(capsule(4.6f, 4.6f + b, 3.0f, 2.0f, 0.9f, kBone));
    s.push_back(capsule(11.4f, 4.6f + b, 13.0f, 2.0f, 0.9f, kBone));
    s.push_back(ellipse(8.0f, 7.0f + b, 4.2f, 4.3f, kSteel));
    if (view == View::Front) {
        s.push_back(flat(box(8.0f, 7.6f + b, 2.9f, 0.6f, kChitin), 0));
        s.push_back(flat(box(6.5f, 7.6f + b, 0.6f, 0.6f, kFlame), 3));
        s.push_back(flat(box(9.5f, 7.6f + b, 0.6f, 0.6f, kFlame), 3));
    }
    return s;
}

// --- imp, seen from the front at a slight height ---

std::vector<Shape> impShapes(int facing, int frame) {
    constexpr float bob[kFrames] = {0.0f, -0.8f, 0.0f, -0.8f};
    constexpr float lean[kFrames] = {0.0f, 0.7f, 0.0f, -0.7f};
    float b = bob[frame];
    float footL = frame == 1 ? -0.8f : 0.0f, footR = frame == 3 ? -0.8f : 0.0f;
    // Eyes shift towards the side the imp faces; from behind there are none.
    float eyeShift = facing == 2 ? 1.0f : facing == 3 ? -1.0f : 0.0f;
    std::vector<Shape> s{
        ellipse(3.4f, 8.0f + footL, 1.1f, 0.7f, kChitin),
        ellipse(6.6f, 8.0f + footR, 1.1f, 0.7f, kChitin),
        capsule(5.0f, 3.6f + b, 5.0f + lean[frame] - eyeShift * 0.4f, 2.0f + b, 1.1f, kFlame),
        ellipse(5.0f, 5.6f + b, 3.3f, 2.8f, kEmber),
    };
    if (facing != 1) {
        s.push_back(flat(box(3.5f + eyeShift, 5.0f + b, 0.45f, 0.95f, kChitin), 0));
        s.push_back(flat(box(6.5f + eyeShift, 5.0f + b, 0.45f, 0.95f, kChitin), 0));
    }
    return s;
}

} // namespace

SpriteSheet makeBeetle() {
    SpriteSheet sheet = makeSheet("mario", 15, 16, kFrames, kFacings);
    for (int f = 0; f < kFrames; ++f)
        for (int c = 0; c < kFacings; ++c)
            drawFigure(sheet.image, sheet.cellX(c), sheet.cellY(f), 15, 16, beetleShapes(f),
                       {7.5f, 8.0f, kFacingAngle[c]});
    return sheet;
}

SpriteSheet makeBrute() {
    SpriteSheet sheet = makeSheet("mario_big", 16, 27, kFrames, kFacings);
    constexpr View views[3] = {View::Front, View::Back, View::Side};
    for (int f = 0; f < kFrames; ++f) {
        for (int c = 0; c < 3; ++c)
            drawFigure(sheet.image, sheet.cellX(c), sheet.cellY(f), 16, 27,
                       bruteShapes(views[c], f), {});
        // Walking left is walking right in a mirror.
        SpriteSheet side = makeSheet("", 16, 27, 1, 1);
        drawFigure(side.image, 0, 0, 16, 27, bruteShapes(View::Side, f), {});
        sheet.image.blit(side.image.mirrored(), sheet.cellX(3), sheet.cellY(f));
    }
    return sheet;
}

SpriteSheet makeImp() {
    SpriteSheet sheet = makeSheet("fire_mario", 10, 10, kFrames, kFacings);
    for (int f = 0; f < kFrames; ++f)
        for (int c = 0; c < kFacings; ++c)
            drawFigure(sheet.image, sheet.cellX(c), sheet.cellY(f), 10, 10, impShapes(c, f), {});
    return sheet;
}
