#include "ThemePaneLayout.h"

#include <algorithm>

namespace cpl {

namespace {

constexpr int kStripEdge = 5;
constexpr int kStripListMargin = 8;
constexpr int kThumbnailTop = 12;
constexpr int kCaptionTop = 81;
constexpr int kSelectionInset = 4;
constexpr int kPreviewMinCellWidth = 86;
constexpr int kPreviewMargin = 8;
constexpr int kPreviewGap = 2;

}  // namespace

int StripCellAt(int x, int y, int frameHeight)
{
    if (x < kStripEdge || y < kStripEdge || y - kSelectionInset >= frameHeight)
        return -1;
    // Truncates toward zero: x 5 to 7 still hits the first cell.
    return (x - kStripListMargin) / kStripCellWidth;
}

POINT StripThumbnailPosition(int cell, int pictureWidth)
{
    return {cell * kStripCellWidth + (kStripPictureSide - pictureWidth) / 2 + 7, kThumbnailTop};
}

POINT StripCaptionPosition(int cell)
{
    return {cell * kStripCellWidth + 6, kCaptionTop};
}

POINT StripSelectionPosition(int cell)
{
    return {cell * kStripCellWidth + kSelectionInset, kSelectionInset};
}

int StripListWidth(int cells)
{
    return cells * kStripCellWidth + kStripListMargin;
}

int StripScrollMaximum(int cells)
{
    return std::max(0, cells * kStripCellWidth - kStripScrollSlack);
}

PreviewGrid MakePreviewGrid(int maxWidth, int maxHeight, int listWidth)
{
    PreviewGrid grid;
    grid.CellWidth = std::max(maxWidth, kPreviewMinCellWidth);
    grid.CellHeight = std::max(maxHeight, 0);
    grid.PerRow = std::max(1, (listWidth - kPreviewMargin) / grid.CellWidth);
    return grid;
}

POINT PreviewCellPosition(const PreviewGrid& grid, int index, int width, int height)
{
    int column = index % grid.PerRow, row = index / grid.PerRow;
    return {(grid.CellWidth - width) / 2 + (grid.CellWidth + kPreviewGap) * column + 4,
            grid.RowHeight() * row + (grid.CellHeight - height) / 2 + kPreviewMargin};
}

POINT PreviewCaptionPosition(const PreviewGrid& grid, int index, int captionWidth)
{
    int column = index % grid.PerRow, row = index / grid.PerRow;
    return {(grid.CellWidth + kPreviewGap) * column + (grid.CellWidth - captionWidth) / 2 + 4,
            grid.RowHeight() * row + grid.CellHeight + 10};
}

int PreviewListHeight(const PreviewGrid& grid, int cells)
{
    int rows = std::max(1, (cells + grid.PerRow - 1) / grid.PerRow);
    return rows * grid.RowHeight() + 12;
}

int ScrollTarget(int code, int position, int step, int minimum, int maximum, int trackPosition)
{
    if (step <= 0)
        return position;
    int base = position / step * step;
    switch (code) {
    case SB_LINEUP:
    case SB_PAGEUP:
        return std::max(0, base - step);
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        return std::min(maximum, base + step);
    case SB_TOP:
        return minimum;
    case SB_BOTTOM:
        return maximum;
    case SB_THUMBTRACK:
        return trackPosition;
    default:
        return position;
    }
}

}  // namespace cpl
