#pragma once
// Where the theme pane puts things: the cells of the theme strip, the grid
// of the preview and the scroll positions of both. Plain arithmetic, so the
// pane and its tests share it.

#include <windows.h>

namespace cpl {

// The strip: one cell of 74 pixels per theme, a 64-pixel picture area.
constexpr int kStripCellWidth = 74;
constexpr int kStripPictureSide = 64;
// What the strip scrolls past: the list less the part that fits.
constexpr int kStripScrollSlack = 274;

// The cell under a point of the strip list, or -1 outside the band the
// selection frame covers (x below 5, y below 5 or at frameHeight + 4).
// Not checked against the number of cells.
int StripCellAt(int x, int y, int frameHeight);
// Top-left of a cell's thumbnail (a picture pictureWidth wide) and caption.
POINT StripThumbnailPosition(int cell, int pictureWidth);
POINT StripCaptionPosition(int cell);
// The selection frame over a cell.
POINT StripSelectionPosition(int cell);
int StripListWidth(int cells);
// The strip scroll bar's maximum; never below 0.
int StripScrollMaximum(int cells);

// The preview grid: cells as large as the largest picture shown (at least
// 86 wide), as many per row as fit in the list (at least one).
struct PreviewGrid {
    int CellWidth = 0;
    int CellHeight = 0;
    int PerRow = 1;
    int RowHeight() const { return CellHeight + 24; }
};
PreviewGrid MakePreviewGrid(int maxWidth, int maxHeight, int listWidth);
// Top-left of the index-th picture (width x height) and of its caption.
POINT PreviewCellPosition(const PreviewGrid& grid, int index, int width, int height);
POINT PreviewCaptionPosition(const PreviewGrid& grid, int index, int captionWidth);
// The list's height for that many cells: the rows used and a margin.
int PreviewListHeight(const PreviewGrid& grid, int cells);

// The position a scroll bar request (SB_ code) leads to from position:
// line and page requests go to the neighbouring multiple of step within
// minimum..maximum, SB_THUMBTRACK to trackPosition; others keep position.
int ScrollTarget(int code, int position, int step, int minimum, int maximum, int trackPosition);

}  // namespace cpl
