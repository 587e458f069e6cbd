#include "contact_sheet.h"

#include "art.h"
#include "bmp_file.h"
#include "ground.h"
#include "pixel_font.h"
#include "screens.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMargin = 16;
constexpr int kCellGap = 2;
constexpr int kLabelHeight = 14;

// Small sprites are shown larger so single pixels can be judged; the screens are halved.
int scaleFor(const SpriteSheet& s) {
    if (s.image.width() >= 400) return -2;
    return s.image.width() <= 120 && s.image.height() <= 200 ? 3 : 2;
}

int shown(int pixels, int scale) {
    return scale > 0 ? pixels * scale : pixels / -scale;
}

// The lettering has capitals only; underscores become dashes.
std::string labelOf(std::string name) {
    for (char& ch : name)
        ch = ch == '_' ? '-' : char(std::toupper(static_cast<unsigned char>(ch)));
    return name;
}

TextStyle labelStyle() {
    TextStyle label;
    label.scale = 1;
    label.fill = kBone;
    return label;
}

int blockWidth(const SpriteSheet& s) {
    return std::max(s.columns * (shown(s.cellWidth, scaleFor(s)) + kCellGap),
                    textWidth(labelOf(s.name), labelStyle()) + 2);
}
int blockHeight(const SpriteSheet& s) {
    return kLabelHeight + s.totalFrames * (shown(s.cellHeight, scaleFor(s)) + kCellGap);
}

// Draws one cell at (x, y): enlarged by a positive scale, shrunk by a negative one.
void drawCell(Image& img, const SpriteSheet& s, int frame, int column, int x, int y) {
    int scale = scaleFor(s);
    Image cell(s.cellWidth, s.cellHeight);
    cell.blitPart(s.image, s.cellX(column), s.cellY(frame), s.cellWidth, s.cellHeight, 0, 0);
    if (scale > 0) {
        img.blit(cell, x, y, scale);
        return;
    }
    for (int j = 0; j < shown(s.cellHeight, scale); ++j)
        for (int i = 0; i < shown(s.cellWidth, scale); ++i)
            img.set(x + i, y + j, cell.at(i * -scale, j * -scale));
}

} // namespace

Image makeContactSheet(const std::vector<SpriteSheet>& sheets) {
    // Shelf layout: left to right, a new shelf when the next sheet does not fit.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kMargin, y = kMargin, shelf = 0;
    for (const SpriteSheet& s : sheets) {
        if (x + blockWidth(s) > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += shelf + kMargin;
            shelf = 0;
        }
        places.push_back({x, y});
        x += blockWidth(s) + kMargin;
        shelf = std::max(shelf, blockHeight(s));
    }
    Image img(kSheetWidth, y + shelf + kMargin);
    paintGround(img, 200, 200);
    TextStyle label = labelStyle();
    for (std::size_t n = 0; n < sheets.size(); ++n) {
        const SpriteSheet& s = sheets[n];
        drawText(img, places[n].x + 1, places[n].y + 1, labelOf(s.name), label);
        int scale = scaleFor(s);
        for (int f = 0; f < s.totalFrames; ++f)
            for (int c = 0; c < s.columns; ++c)
                drawCell(img, s, f, c, places[n].x + c * (shown(s.cellWidth, scale) + kCellGap),
                         places[n].y + kLabelHeight + f * (shown(s.cellHeight, scale) + kCellGap));
    }
    return img;
}

bool writeContactSheet(const std::filesystem::path& file) {
    std::vector<SpriteSheet> sheets = buildSprites();
    for (SpriteSheet& s : makeScreens(sheets))
        sheets.push_back(std::move(s));
    return writeBmp(file, makeContactSheet(sheets));
}
