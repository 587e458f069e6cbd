#pragma once
// An RGB picture in memory, the canvas every asset is drawn on before it is written out.
#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The one transparent colour of every sprite; no drawn pixel may use it.
inline constexpr Rgb kClear{255, 0, 255};

class Image {
  public:
    Image() = default;
    Image(int width, int height, Rgb fill = kClear);

    int width() const { return w; }
    int height() const { return h; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // The pixel, or kClear outside the picture.
    Rgb at(int x, int y) const { return inside(x, y) ? px[index(x, y)] : kClear; }
    bool opaque(int x, int y) const { return !(at(x, y) == kClear); }
    // Writes a pixel; points outside the picture are ignored.
    void set(int x, int y, Rgb c) {
        if (inside(x, y)) px[index(x, y)] = c;
    }
    void fillRect(int x, int y, int width, int height, Rgb c);
    // Copies src with its top-left corner at (x, y), each source pixel as a scale x scale
    // block; kClear source pixels are skipped.
    void blit(const Image& src, int x, int y, int scale = 1);
    // Copies the src rectangle (sx, sy, width, height) to (x, y), skipping kClear.
    void blitPart(const Image& src, int sx, int sy, int width, int height, int x, int y);
    // Copies with the columns reversed: the picture seen in a mirror.
    Image mirrored() const;
    const std::vector<Rgb>& pixels() const { return px; }

  private:
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(w) + x; }
    int w = 0, h = 0;
    std::vector<Rgb> px;
};

// Gives every clear pixel of the rectangle that touches a drawn pixel (4-neighbours, looking
// only inside the rectangle) the outline colour: the dark rim that makes a sprite read on
// any floor.
void outlineRegion(Image& img, int x, int y, int width, int height, Rgb outline);

// The colour scaled towards black (factor below 1) or white (above 1), clamped.
Rgb shadeColour(Rgb c, float factor);
