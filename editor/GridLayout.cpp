#include "GridLayout.h"

#include <algorithm>

SIZE GridContentSize(const std::vector<SIZE>& frameSizes)
{
    SIZE content = {kGridMinContentWidth, kGridMinContentHeight};
    for (const SIZE& size : frameSizes) {
        content.cx = std::max(content.cx, size.cx);
        content.cy = std::max(content.cy, size.cy);
    }
    return content;
}

GridLayout LayOutGrid(SIZE content, int gridWidth, const std::vector<bool>& hasImage)
{
    GridLayout layout;
    const int w = content.cx, h = content.cy;
    int x = kGridMargin, y = kGridMargin;
    for (size_t item = 0; item < hasImage.size(); ++item) {
        if (!hasImage[item])
            continue;
        layout.Cells.push_back({static_cast<int>(item), x, y});
        x += w + kGridGapX;
        if (gridWidth - w < x) {
            // Columns count cells, so rows hold the same number of cells
            // however many items were skipped before the first wrap.
            if (layout.Columns == 0)
                layout.Columns = static_cast<int>(layout.Cells.size());
            x = kGridMargin;
            y += h + kGridGapY;
        }
    }
    if (layout.Columns == 0)
        layout.Columns = static_cast<int>(hasImage.size());
    layout.CellWidth = w + kGridGapX;
    layout.CellHeight = h + kGridGapY;
    layout.Height = y + h + kGridGapY;
    return layout;
}

int GridCellAt(const GridLayout& layout, int x, int y, int visibleHeight)
{
    if (x <= 0 || y <= 0 || y >= visibleHeight)
        return kGridOutside;
    if (layout.CellWidth <= 0 || layout.CellHeight <= 0)
        return kGridNoCell;
    // Points left of or above the first cell count as its column or row.
    int column = (x - kGridMargin) / layout.CellWidth;
    int row = (y - kGridMargin) / layout.CellHeight;
    if (column >= layout.Columns)
        return kGridNoCell;
    long long cell = column + static_cast<long long>(row) * layout.Columns;
    return cell < static_cast<long long>(layout.Cells.size()) ? static_cast<int>(cell)
                                                              : kGridNoCell;
}

POINT GridFramePosition(const GridLayout& layout, int cell)
{
    int columns = std::max(layout.Columns, 1);
    return {(cell % columns) * layout.CellWidth + kGridFrameInset,
            (cell / columns) * layout.CellHeight + kGridFrameInset};
}
