#pragma once
// The one palette of the picture set: every sprite is shaded from these ramps, darkest first,
// so the whole set shares its colours and its light (from the top left).
#include "image.h"

struct Ramp {
    Rgb shade[4];
};

// The rim around every sprite and glyph.
inline constexpr Rgb kOutline{18, 14, 26};

inline constexpr Ramp kHeroSuit{{{26, 48, 104}, {38, 80, 156}, {60, 122, 204}, {122, 178, 236}}};
inline constexpr Ramp kHeroHelmet{{{132, 92, 30}, {196, 150, 50}, {236, 198, 84}, {255, 236, 150}}};
inline constexpr Ramp kVisor{{{16, 52, 60}, {30, 96, 108}, {70, 170, 180}, {170, 236, 240}}};
inline constexpr Ramp kSkin{{{112, 64, 42}, {166, 106, 72}, {210, 150, 104}, {240, 196, 150}}};
inline constexpr Ramp kGunMetal{{{28, 30, 36}, {56, 60, 70}, {90, 96, 108}, {142, 150, 162}}};
inline constexpr Ramp kLeather{{{50, 34, 22}, {84, 58, 36}, {118, 84, 52}, {156, 116, 74}}};
inline constexpr Ramp kShell{{{26, 66, 30}, {50, 116, 38}, {96, 168, 48}, {168, 220, 90}}};
inline constexpr Ramp kChitin{{{24, 24, 30}, {44, 42, 50}, {70, 66, 76}, {104, 98, 110}}};
inline constexpr Ramp kSteel{{{48, 52, 64}, {82, 88, 104}, {124, 132, 150}, {182, 190, 206}}};
inline constexpr Ramp kRust{{{88, 38, 18}, {140, 70, 30}, {190, 106, 46}, {232, 152, 82}}};
inline constexpr Ramp kEmber{{{116, 20, 12}, {186, 48, 16}, {236, 106, 22}, {255, 186, 62}}};
inline constexpr Ramp kFlame{{{200, 116, 10}, {244, 176, 30}, {255, 222, 92}, {255, 250, 206}}};
inline constexpr Ramp kStone{{{58, 56, 62}, {94, 90, 94}, {132, 126, 124}, {174, 168, 158}}};
inline constexpr Ramp kMortar{{{34, 32, 38}, {46, 44, 50}, {62, 60, 64}, {80, 76, 80}}};
inline constexpr Ramp kBlood{{{68, 8, 10}, {118, 16, 16}, {162, 30, 24}, {198, 60, 40}}};
inline constexpr Ramp kSmoke{{{66, 66, 72}, {106, 106, 112}, {148, 148, 152}, {196, 196, 198}}};
inline constexpr Ramp kBone{{{140, 140, 150}, {196, 196, 206}, {232, 232, 238}, {255, 255, 255}}};
inline constexpr Ramp kMedic{{{110, 14, 18}, {176, 28, 30}, {222, 56, 50}, {250, 118, 96}}};
inline constexpr Ramp kGold{{{150, 86, 12}, {214, 146, 24}, {246, 202, 60}, {255, 244, 170}}};
inline constexpr Ramp kLeaf{{{34, 72, 34}, {52, 104, 44}, {80, 140, 56}, {130, 184, 80}}};
inline constexpr Ramp kWater{{{20, 50, 92}, {34, 84, 140}, {60, 130, 190}, {140, 200, 236}}};

// The arena floor: packed earth from dark to light, with moss for the damp patches.
inline constexpr Rgb kDirt[6] = {{62, 50, 38},  {78, 64, 48},   {94, 78, 58},
                                 {110, 92, 68}, {126, 106, 80}, {146, 124, 94}};
inline constexpr Rgb kMoss[4] = {{56, 70, 40}, {70, 88, 48}, {86, 104, 56}, {104, 122, 66}};
