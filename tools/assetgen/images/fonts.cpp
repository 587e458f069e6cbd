// The two font sprites and the menu cursor: small pieces the title and the head-up display
// draw at fixed screen places.
#include "art.h"
#include "figure.h"
#include "pixel_font.h"

#include <string>

namespace {

constexpr int kGlyphCell = 20;

// Glyphs at twice the dot size, one dot-column bolder, rimmed and shadowed: 14x17 pixels in
// a 20x20 cell, so neighbours on the 20-pixel advance keep a clear gap.
SpriteSheet fontSheet(const char* name, const std::string& glyphs) {
    SpriteSheet sheet = makeSheet(name, kGlyphCell, kGlyphCell, int(glyphs.size()), 1);
    TextStyle style;
    style.scale = 2;
    style.boldExtra = 1;
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        drawText(sheet.image, 4, sheet.cellY(int(i)) + 2, std::string(1, glyphs[i]), style);
    return sheet;
}

// A little rocket nosing right, its exhaust flickering through the frames.
std::vector<Shape> cursorShapes(int frame) {
    constexpr float flameLength[6] = {9.0f, 12.0f, 14.0f, 11.0f, 13.0f, 10.0f};
    constexpr float flameWidth[6] = {4.0f, 4.6f, 4.2f, 5.0f, 4.4f, 4.8f};
    float len = flameLength[frame], wid = flameWidth[frame];
    return {ellipse(17.0f - len * 0.5f, 16.0f, len * 0.55f + 2.0f, wid, kEmber),
            ellipse(18.5f - len * 0.35f, 16.0f, len * 0.35f + 1.5f, wid * 0.55f, kFlame),
            capsule(22.0f, 10.0f, 17.0f, 7.0f, 1.8f, kRust),
            capsule(22.0f, 22.0f, 17.0f, 25.0f, 1.8f, kRust),
            capsule(20.0f, 16.0f, 36.0f, 16.0f, 5.0f, kBone),
            ellipse(40.0f, 16.0f, 5.5f, 4.2f, kMedic),
            flat(ellipse(29.0f, 15.0f, 2.0f, 2.0f, kWater), 2),
            box(24.0f, 16.0f, 1.0f, 4.6f, kRust)};
}

} // namespace

std::vector<SpriteSheet> makeFonts() {
    return {fontSheet("fontaz_v", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
            fontSheet("font09_v", "0123456789")};
}

SpriteSheet makeMenuCursor() {
    constexpr int frames = 6;
    SpriteSheet sheet = makeSheet("rocket_animated", 48, 32, frames, 1);
    for (int f = 0; f < frames; ++f)
        drawFigure(sheet.image, 0, sheet.cellY(f), 48, 32, cursorShapes(f), {});
    return sheet;
}
