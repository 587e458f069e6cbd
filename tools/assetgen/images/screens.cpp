#include "screens.h"

#include "ground.h"
#include "noise.h"
#include "palette.h"
#include "pixel_font.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int kScreenW = 800;
// Where the menu draws its cursor; the entries' words sit just right of it.
constexpr int kCursorX = 260;
constexpr int kEntryY[2] = {333, 390};
constexpr int kCursorW = 48, kCursorH = 32;

const SpriteSheet& find(const std::vector<SpriteSheet>& sprites, std::string_view name) {
    return *std::find_if(sprites.begin(), sprites.end(),
                         [name](const SpriteSheet& s) { return s.name == name; });
}

// One cell of a sprite, enlarged, with its top-left corner at (x, y).
void showCell(Image& img, const SpriteSheet& s, int frame, int column, int x, int y, int scale) {
    Image cell(s.cellWidth, s.cellHeight);
    cell.blitPart(s.image, s.cellX(column), s.cellY(frame), s.cellWidth, s.cellHeight, 0, 0);
    img.blit(cell, x, y, scale);
}

// The arena floor seen at night: a dim window of it, darker still towards the edges.
Image nightGround(int w, int h, int worldX, int worldY, float light) {
    Image img(w, h);
    paintGround(img, worldX, worldY);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float ex = std::min(x, w - 1 - x) / 160.0f, ey = std::min(y, h - 1 - y) / 160.0f;
            float edge = std::min(1.0f, std::min(ex, ey) + ditherThreshold(x, y) * 0.12f);
            float f = light * (edge > 0.66f ? 1.0f : edge > 0.33f ? 0.8f : 0.62f);
            img.set(x, y, shadeColour(img.at(x, y), f));
        }
    return img;
}

// A darkened panel with a gold rim: where the words of a screen stand out.
void panel(Image& img, int x, int y, int w, int h) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            img.set(i, j, shadeColour(img.at(i, j), 0.45f));
    img.fillRect(x, y, w, 2, kGold.shade[1]);
    img.fillRect(x, y + h - 2, w, 2, kGold.shade[0]);
    img.fillRect(x, y, 2, h, kGold.shade[1]);
    img.fillRect(x + w - 2, y, 2, h, kGold.shade[0]);
    img.fillRect(x - 1, y - 1, w + 2, 1, kOutline);
    img.fillRect(x - 1, y + h, w + 2, 1, kOutline);
    img.fillRect(x - 1, y, 1, h, kOutline);
    img.fillRect(x + w, y, 1, h, kOutline);
}

TextStyle style(int scale, const Ramp& fill, int shadow) {
    TextStyle s;
    s.scale = scale;
    s.fill = fill;
    s.shadow = shadow;
    s.boldExtra = scale >= 4 ? scale / 4 : 0;
    return s;
}

void lines(Image& img, int y, int step, std::initializer_list<std::string_view> text,
           const TextStyle& s) {
    for (std::string_view line : text) {
        drawTextCentred(img, y, line, s);
        y += step;
    }
}

SpriteSheet wholePicture(const char* name, Image img) {
    SpriteSheet sheet = makeSheet(name, img.width(), img.height(), 1, 1);
    sheet.image = std::move(img);
    return sheet;
}

Image menuPicture(const std::vector<SpriteSheet>& sprites) {
    Image img = nightGround(kScreenW, 600, 1200, 1100, 0.6f);
    drawTextCentred(img, 42, "QUORVISH", style(10, kGold, 4));
    drawTextCentred(img, 130, "BLEMP", style(10, kGold, 4));
    drawTextCentred(img, 222, "TEAM TALLOWFORK", style(3, kBone, 2));
    panel(img, 236, 312, 328, 126);
    // The words stand beside the cursor's two places, centred on its height.
    TextStyle entry = style(4, kBone, 2);
    int textTop = (kCursorH - kGlyphRows * entry.scale) / 2;
    drawText(img, kCursorX + kCursorW + 14, kEntryY[0] + textTop, "PLAY", entry);
    drawText(img, kCursorX + kCursorW + 14, kEntryY[1] + textTop, "QUIT", entry);
    showCell(img, find(sprites, "player"), 0, 1, 50, 350, 3);
    showCell(img, find(sprites, "mario_big"), 1, 3, 660, 300, 5);
    showCell(img, find(sprites, "mario"), 1, 3, 596, 440, 4);
    showCell(img, find(sprites, "fire_mario"), 0, 3, 700, 470, 5);
    drawTextCentred(img, 566, "UP AND DOWN TO CHOOSE - ENTER TO GO", style(2, kSmoke, 1));
    return img;
}

Image introPicture(const std::vector<SpriteSheet>& sprites) {
    Image img = nightGround(kScreenW, 600, 300, 1700, 0.42f);
    drawTextCentred(img, 24, "THE PIT OF QUORVISH", style(5, kGold, 3));
    TextStyle body = style(2, kBone, 1);
    lines(img, 86, 20,
          {"UNDER THE OLD TOWN LIES THE PIT, A WALLED ARENA",
           "OF PACKED EARTH. TONIGHT SIXTY CREATURES CLIMBED",
           "OUT OF ITS DEPTHS: SHELL BEETLES, IRON BRUTES",
           "AND FIRE IMPS THAT SPIT BURNING BALLS.",
           "ONE COURIER OF TEAM TALLOWFORK GOES DOWN WITH A",
           "CARBINE AND A ROCKET TUBE. CLEAR THE PIT."},
          body);
    // Know your foes: the three creatures with their names.
    constexpr int foeY = 222;
    showCell(img, find(sprites, "mario"), 0, 0, 180, foeY + 12, 3);
    showCell(img, find(sprites, "mario_big"), 0, 0, 376, foeY - 6, 3);
    showCell(img, find(sprites, "fire_mario"), 0, 0, 590, foeY + 18, 3);
    TextStyle label = style(2, kSmoke, 1);
    drawText(img, 166, foeY + 70, "BEETLE", label);
    drawText(img, 370, foeY + 82, "BRUTE", label);
    drawText(img, 590, foeY + 70, "IMP", label);
    panel(img, 90, 332, 620, 186);
    drawTextCentred(img, 344, "CONTROLS", style(3, kGold, 2));
    constexpr std::pair<std::string_view, std::string_view> controls[] = {
        {"LEFT / RIGHT ARROWS", "TURN"},
        {"UP / DOWN ARROWS", "WALK"},
        {"SPACE", "FIRE"},
        {"1 AND 2", "CHOOSE WEAPON"},
        {"ESCAPE", "QUIT THE GAME"}};
    int y = 382;
    for (auto [key, action] : controls) {
        drawText(img, 120, y, key, style(2, kGold, 1));
        drawText(img, 420, y, action, body);
        y += 25;
    }
    drawTextCentred(img, 548, "PRESS ESCAPE TO BEGIN", style(3, kFlame, 2));
    return img;
}

Image endPicture(const std::vector<SpriteSheet>& sprites) {
    Image img = nightGround(kScreenW, 1300, 1500, 300, 0.4f);
    // Rows 0-699 roll past on the way up.
    drawTextCentred(img, 40, "THE PIT IS QUIET", style(4, kGold, 2));
    TextStyle body = style(2, kBone, 1);
    lines(img, 110, 22,
          {"THE LAST CREATURE HAS FALLEN. THE BEETLES ARE",
           "DUST, THE BRUTES ARE SCRAP AND THE IMPS HAVE GONE",
           "OUT LIKE CANDLES. THE OLD TOWN SLEEPS AGAIN."},
          body);
    drawTextCentred(img, 250, "CREDITS", style(4, kGold, 2));
    constexpr std::pair<std::string_view, std::string_view> credits[] = {
        {"GAME DESIGN", "TEAM TALLOWFORK"},
        {"PROGRAMMING", "TEAM TALLOWFORK"},
        {"PICTURES", "TEAM TALLOWFORK"},
        {"SOUND AND MUSIC", "TEAM TALLOWFORK"},
        {"TESTING", "TEAM TALLOWFORK"}};
    int y = 320;
    for (auto [role, who] : credits) {
        drawTextCentred(img, y, role, style(2, kSmoke, 1));
        drawTextCentred(img, y + 22, who, style(3, kBone, 2));
        y += 70;
    }
    // Rows 700-1299: what stays on screen at the end.
    panel(img, 60, 730, 680, 540);
    drawTextCentred(img, 760, "VICTORY!", style(10, kGold, 4));
    showCell(img, find(sprites, "player"), 12, 0, 308, 860, 4);
    showCell(img, find(sprites, "crater"), 1, 0, 140, 930, 3);
    showCell(img, find(sprites, "crater"), 1, 0, 564, 900, 3);
    drawTextCentred(img, 1070, "THANKS FOR PLAYING", style(3, kBone, 2));
    drawTextCentred(img, 1110, "QUORVISH BLEMP BY TEAM TALLOWFORK", style(2, kSmoke, 1));
    drawTextCentred(img, 1200, "PRESS ESCAPE TO QUIT", style(3, kFlame, 2));
    return img;
}

} // namespace

std::vector<SpriteSheet> makeScreens(const std::vector<SpriteSheet>& sprites) {
    std::vector<SpriteSheet> out;
    out.push_back(wholePicture("GUI", menuPicture(sprites)));
    out.push_back(wholePicture("intro_screen", introPicture(sprites)));
    out.push_back(wholePicture("end_screen", endPicture(sprites)));
    return out;
}
