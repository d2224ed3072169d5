#pragma once
// The arithmetic of the view's thumbnail grids, apart from any window: where
// each item's cell lies, how many columns fit, and which cell a point falls in.

#include <windows.h>

#include <vector>

// Content sizes are raised to at least this.
constexpr int kGridMinContentWidth = 100;
constexpr int kGridMinContentHeight = 80;
// The first cell's top-left, and the space after a cell across and below it.
constexpr int kGridMargin = 7;
constexpr int kGridGapX = 8;
constexpr int kGridGapY = 26;
// Where a hover or selection frame sits in its cell, and how much taller
// than the content it is.
constexpr int kGridFrameInset = 3;
constexpr int kGridFrameExtraHeight = 32;

// Results of GridCellAt besides a cell index.
constexpr int kGridNoCell = -1;   // inside the grid, but no cell there
constexpr int kGridOutside = -2;  // outside the clickable area: nothing changes

struct GridCell {
    int Item = 0;
    // The layout cursor when the cell was placed: its content box's top-left.
    int X = 0;
    int Y = 0;
};

struct GridLayout {
    int CellWidth = 0;
    int CellHeight = 0;
    int Columns = 0;
    // The height the cells need: the last row's top plus a whole cell.
    int Height = 0;
    // One per item that has an image, in item order.
    std::vector<GridCell> Cells;
};

// The largest of the sizes, raised to the minimum content size.
SIZE GridContentSize(const std::vector<SIZE>& frameSizes);

// Cells for the items that have an image, left to right, wrapping when the
// next cell would cross gridWidth; items without one take no cell.
GridLayout LayOutGrid(SIZE content, int gridWidth, const std::vector<bool>& hasImage);

// The cell under a point of the grid, kGridNoCell, or kGridOutside when the
// point is at or left of / above the origin or at or below visibleHeight.
int GridCellAt(const GridLayout& layout, int x, int y, int visibleHeight);

// The top-left of a hover or selection frame on the cell.
POINT GridFramePosition(const GridLayout& layout, int cell);
