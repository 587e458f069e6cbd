#pragma once
// The grid over the world: 24 by 24 cells of 100 by 100 px, and the set of cells that one
// or more segments pass through.
#include "base/arena.h"

class GameObject;

inline constexpr int kCellSize = 100; // px per cell side
inline constexpr int kGridCells = 24; // cells per row and per column
inline constexpr int kMaxSetCells = 100;
static_assert(kCellSize * kGridCells == kArenaSize);

struct CellPair {
    int cx;
    int cy;
};

// Distinct cells in the order they were first added, at most kMaxSetCells; the caller keeps
// it on its stack. Filled only by addCell.
struct CellSet {
    int count = 0;
    CellPair cells[kMaxSetCells];
};

// Replaces pixel coordinates by the cell coordinates holding them (division by 100,
// truncating towards zero).
void pixelToCell(int& x, int& y);

// Appends (cx, cy) unless the set holds it already or is full; a full set drops the rest
// of a walk silently.
void addCell(int cx, int cy, CellSet& set);

// Adds the cells the segment from (x0, y0) to (x1, y1) passes through, from the start cell
// on. A segment with any coordinate outside [0, 2400) adds nothing at all; an end less than
// 1 px past the start cell's border is not reached.
void cellsAlongSegment(float x0, float y0, float x1, float y1, CellSet& set);

// Adds the cells of the object's four edges: top, right, bottom, left, each walked from
// corner to corner clockwise. Cells wholly inside the rectangle are not added.
void edgeCells(const GameObject& object, CellSet& set);
