#pragma once
// Figures built from a few shaded shapes: the hero, the creatures, the projectiles and the
// icons are all drawn this way so that they share one light and one way of shading.
#include "image.h"
#include "palette.h"

#include <vector>

enum class ShapeKind { Ellipse, Box, Capsule };

// One solid part of a figure in the figure's own coordinates (pixels; +x is where the
// figure faces when it is turned).
struct Shape {
    ShapeKind kind = ShapeKind::Ellipse;
    float x = 0, y = 0;   // centre; a capsule's first end
    float rx = 1, ry = 1; // radii, or half sizes of a box; a capsule's radius is rx
    float x2 = 0, y2 = 0; // a capsule's second end
    const Ramp* ramp = &kSteel;
    int fixedShade = -1;  // 0..3: one flat shade, unlit (eyes, slits, glints)
    bool edgeLine = true; // darkens the parts below along this part's edge
};

Shape ellipse(float x, float y, float rx, float ry, const Ramp& ramp);
Shape box(float x, float y, float halfW, float halfH, const Ramp& ramp);
Shape capsule(float x1, float y1, float x2, float y2, float radius, const Ramp& ramp);
// The shape as a flat patch of one shade that draws no edge line.
Shape flat(Shape s, int shade);

// Where a figure is drawn: the figure's origin lands on (originX, originY) of the cell and
// the figure is turned angleDeg clockwise on screen.
struct Placement {
    float originX = 0, originY = 0;
    float angleDeg = 0;
};

// Draws the shapes, later ones on top, into the cell (cellX, cellY, cellW, cellH) of img,
// lit from the top left on screen, then rims the cell's drawing with kOutline. Nothing is
// drawn outside the cell.
void drawFigure(Image& img, int cellX, int cellY, int cellW, int cellH,
                const std::vector<Shape>& shapes, const Placement& placement);
