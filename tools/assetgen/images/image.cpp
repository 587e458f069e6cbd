#include "image.h"

#include <algorithm>

Image::Image(int width, int height, Rgb fill)
    : w(width), h(height), px(std::size_t(width) * std::size_t(height), fill) {}

void Image::fillRect(int x, int y, int width, int height, Rgb c) {
    for (int j = std::max(y, 0); j < std::min(y + height, h); ++j)
        for (int i = std::max(x, 0); i < std::min(x + width, w); ++i)
            px[index(i, j)] = c;
}

void Image::blit(const Image& src, int x, int y, int scale) {
    for (int j = 0; j < src.height(); ++j)
        for (int i = 0; i < src.width(); ++i) {
            Rgb c = src.at(i, j);
            if (!(c == kClear)) fillRect(x + i * scale, y + j * scale, scale, scale, c);
        }
}

void Image::blitPart(const Image& src, int sx, int sy, int width, int height, int x, int y) {
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            Rgb c = src.at(sx + i, sy + j);
            if (!(c == kClear)) set(x + i, y + j, c);
        }
}

Image Image::mirrored() const {
    Image out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            out.px[out.index(i, j)] = px[index(w - 1 - i, j)];
    return out;
}

void outlineRegion(Image& img, int x, int y, int width, int height, Rgb outline) {
    auto drawn = [&](int i, int j) {
        return i >= x && j >= y && i < x + width && j < y + height && img.opaque(i, j) &&
               !(img.at(i, j) == outline);
    };
    std::vector<std::pair<int, int>> rim;
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            if (!img.opaque(i, j) &&
                (drawn(i - 1, j) || drawn(i + 1, j) || drawn(i, j - 1) || drawn(i, j + 1)))
                rim.emplace_back(i, j);
    for (auto [i, j] : rim)
        img.set(i, j, outline);
}

Rgb shadeColour(Rgb c, float factor) {
    auto channel = [factor](std::uint8_t v) {
        float f = factor <= 1.0f ? v * factor : v + (255 - v) * (factor - 1.0f);
        return std::uint8_t(std::clamp(f, 0.0f, 255.0f));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}
