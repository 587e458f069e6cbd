#include "pixel_font.h"

#include <array>

namespace {

struct Glyph {
    char ch;
    std::array<const char*, kGlyphRows> rows;
};

// Our own block capitals: square shoulders, a flat-topped 4 and a slashless 0.
constexpr Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".####", "#....", "#....", "#....", "#....", "#....", ".####"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".####", "#....", "#....", "#.###", "#...#", "#...#", ".###."}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {'J', {"..###", "....#", "....#", "....#", "#...#", "#...#", ".###."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "#####"}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"#..#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", "..#..", "..#..", "..#.."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
};

const Glyph* findGlyph(char ch) {
    for (const Glyph& g : kGlyphs)
        if (g.ch == ch) return &g;
    return nullptr;
}

int advance(const TextStyle& style) {
    return (kGlyphColumns + style.letterGap) * style.scale + style.boldExtra;
}

} // namespace

bool glyphDot(char ch, int col, int row) {
    const Glyph* g = findGlyph(ch);
    if (!g || col < 0 || row < 0 || col >= kGlyphColumns || row >= kGlyphRows) return false;
    return g->rows[std::size_t(row)][col] == '#';
}

int textWidth(std::string_view text, const TextStyle& style) {
    if (text.empty()) return 0;
    return int(text.size()) * advance(style) - style.letterGap * style.scale + 2 + style.shadow;
}

int textHeight(const TextStyle& style) {
    return kGlyphRows * style.scale + 2 + style.shadow;
}

void drawText(Image& img, int x, int y, std::string_view text, const TextStyle& style) {
    // The lettering is drawn on its own clear layer first so the rim and shadow hug the
    // dots exactly, then laid over the picture.
    int w = textWidth(text, style), h = textHeight(style);
    if (w <= 0) return;
    Image layer(w, h);
    int height = kGlyphRows * style.scale;
    for (std::size_t n = 0; n < text.size(); ++n)
        for (int row = 0; row < kGlyphRows; ++row)
            for (int col = 0; col < kGlyphColumns; ++col) {
                if (!glyphDot(text[n], col, row)) continue;
                int px = 1 + int(n) * advance(style) + col * style.scale;
                for (int j = 0; j < style.scale; ++j) {
                    int py = row * style.scale + j;
                    // Light at the top of each letter, darker towards its foot.
                    int shade = 3 - (py * 4) / (height + 1);
                    layer.fillRect(px, 1 + py, style.scale + style.boldExtra, 1,
                                   style.fill.shade[shade < 1 ? 1 : shade]);
                }
            }
    Image lettering = layer;
    outlineRegion(lettering, 0, 0, w, h, style.rim);
    Image result(w, h);
    for (int s = style.shadow; s >= 1; --s)
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                if (lettering.opaque(i, j)) result.set(i + s, j + s, style.rim);
    result.blit(lettering, 0, 0);
    img.blit(result, x - 1, y - 1);
}

void drawTextCentred(Image& img, int y, std::string_view text, const TextStyle& style) {
    drawText(img, (img.width() - textWidth(text, style)) / 2, y, text, style);
}
