#include "figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Shape ellipse(float x, float y, float rx, float ry, const Ramp& ramp) {
    Shape s;
    s.kind = ShapeKind::Ellipse;
    s.x = x, s.y = y, s.rx = rx, s.ry = ry, s.ramp = &ramp;
    return s;
}

Shape box(float x, float y, float halfW, float halfH, const Ramp& ramp) {
    Shape s = ellipse(x, y, halfW, halfH, ramp);
    s.kind = ShapeKind::Box;
    return s;
}

Shape capsule(float x1, float y1, float x2, float y2, float radius, const Ramp& ramp) {
    Shape s = ellipse(x1, y1, radius, radius, ramp);
    s.kind = ShapeKind::Capsule;
    s.x2 = x2, s.y2 = y2;
    return s;
}

Shape flat(Shape s, int shade) {
    s.fixedShade = shade;
    s.edgeLine = false;
    return s;
}

namespace {

struct Normal {
    float x, y, z;
};

// The surface normal where the local point (px, py) lies on the shape, or z < 0 when the
// point misses it. Ellipses and capsules bulge like domes; boxes are flat with a bevel.
Normal surfaceNormal(const Shape& s, float px, float py) {
    switch (s.kind) {
    case ShapeKind::Ellipse: {
        float u = (px - s.x) / s.rx, v = (py - s.y) / s.ry;
        float d = u * u + v * v;
        if (d > 1.0f) return {0, 0, -1};
        return {u * 0.85f, v * 0.85f, std::sqrt(std::max(0.0f, 1.0f - d * 0.72f))};
    }
    case ShapeKind::Box: {
        float ax = std::abs(px - s.x), ay = std::abs(py - s.y);
        if (ax > s.rx || ay > s.ry) return {0, 0, -1};
        constexpr float bevel = 1.6f;
        float nx = std::max(0.0f, 1.0f - (s.rx - ax) / bevel) * 0.7f;
        float ny = std::max(0.0f, 1.0f - (s.ry - ay) / bevel) * 0.7f;
        nx = px < s.x ? -nx : nx;
        ny = py < s.y ? -ny : ny;
        return {nx, ny, std::sqrt(std::max(0.05f, 1.0f - nx * nx - ny * ny))};
    }
    case ShapeKind::Capsule: {
        float dx = s.x2 - s.x, dy = s.y2 - s.y;
        float len2 = dx * dx + dy * dy;
        float t =
            len2 > 0 ? std::clamp(((px - s.x) * dx + (py - s.y) * dy) / len2, 0.0f, 1.0f) : 0.0f;
        float ox = px - (s.x + t * dx), oy = py - (s.y + t * dy);
        float d = std::sqrt(ox * ox + oy * oy) / s.rx;
        if (d > 1.0f) return {0, 0, -1};
        float scale = 0.85f / s.rx;
        return {ox * scale, oy * scale, std::sqrt(std::max(0.0f, 1.0f - d * d * 0.72f))};
    }
    }
    return {0, 0, -1};
}

// Light from the top left and a little above; a flat face comes out one step below the
// brightest shade so domes can still catch a highlight.
int shadeIndex(Normal n) {
    constexpr float lx = -0.47f, ly = -0.47f, lz = 0.75f;
    float len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    float i = (n.x * lx + n.y * ly + n.z * lz) / len;
    if (i < 0.40f) return 0;
    if (i < 0.66f) return 1;
    if (i < 0.88f) return 2;
    return 3;
}

} // namespace

void drawFigure(Image& img, int cellX, int cellY, int cellW, int cellH,
                const std::vector<Shape>& shapes, const Placement& placement) {
    float a = placement.angleDeg * std::numbers::pi_v<float> / 180.0f;
    float c = std::cos(a), s = std::sin(a);
    std::vector<int> owner(std::size_t(cellW) * cellH, -1);
    for (int j = 0; j < cellH; ++j)
        for (int i = 0; i < cellW; ++i) {
            float sx = i + 0.5f - placement.originX, sy = j + 0.5f - placement.originY;
            // Screen to figure coordinates: the turn undone.
            float lx = c * sx + s * sy, ly = -s * sx + c * sy;
            for (int k = int(shapes.size()) - 1; k >= 0; --k) {
                const Shape& sh = shapes[std::size_t(k)];
                Normal n = surfaceNormal(sh, lx, ly);
                if (n.z < 0) continue;
                // Figure to screen for the normal, so the light stays put as the figure turns.
                Normal screen{c * n.x - s * n.y, s * n.x + c * n.y, n.z};
                int shade = sh.fixedShade >= 0 ? sh.fixedShade : shadeIndex(screen);
                img.set(cellX + i, cellY + j, sh.ramp->shade[shade]);
                owner[std::size_t(j) * cellW + i] = k;
                break;
            }
        }
    // A dark line on the lower part wherever an upper part's edge lies on it keeps the
    // parts apart at these small sizes.
    auto ownerAt = [&](int i, int j) {
        return i < 0 || j < 0 || i >= cellW || j >= cellH ? -1 : owner[std::size_t(j) * cellW + i];
    };
    std::vector<std::pair<int, int>> lines;
    for (int j = 0; j < cellH; ++j)
        for (int i = 0; i < cellW; ++i) {
            int k = ownerAt(i, j);
            if (k < 0) continue;
            for (int m :
                 {ownerAt(i - 1, j), ownerAt(i + 1, j), ownerAt(i, j - 1), ownerAt(i, j + 1)})
                if (m > k && shapes[std::size_t(m)].edgeLine &&
                    shapes[std::size_t(k)].fixedShade < 0) {
                    lines.emplace_back(i, j);
                    break;
                }
        }
    for (auto [i, j] : lines)
        img.set(cellX + i, cellY + j, shapes[std::size_t(ownerAt(i, j))].ramp->shade[0]);
    outlineRegion(img, cellX, cellY, cellW, cellH, kOutline);
}
