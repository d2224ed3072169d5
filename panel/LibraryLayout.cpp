#include "LibraryLayout.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kScrollArrowsHeight = 18;
constexpr int kPreviewBoxX = 14;
constexpr int kPreviewBoxY = 4;
constexpr int kPreviewBoxWidth = 60;
constexpr int kPreviewMargin = 2;
constexpr int kGridMinCellWidth = 86;
constexpr int kGridMargin = 8;  // the grid's width less this holds the columns
constexpr int kGridCellGapX = 2;
constexpr int kGridLabelSpace = 24;  // below each row of cells
constexpr int kGridLeft = 4;
constexpr int kGridTop = 8;
constexpr int kGridLabelGap = 10;
constexpr int kGridBottom = 12;
constexpr wchar_t kSoundExtension[] = L".wav";
constexpr size_t kSoundExtensionChars = 4;

}  // namespace

int ListScrollStep(int frameHeight, int thumbHeight, int entries)
{
    // A frame too short for its thumb has nothing to travel.
    const int64_t travel = int64_t{frameHeight} - thumbHeight - kScrollArrowsHeight;
    if (travel <= 0)
        return 1;
    return static_cast<int>(std::max<int64_t>(1, travel / std::max(entries, 1) / 2));
}

POINT PreviewPlacement(const OpaqueRect& bounds, int boxHeight)
{
    const int width = bounds.Right - bounds.Left;
    const int height = bounds.Bottom - bounds.Top;
    return POINT{std::max(kPreviewMargin, (kPreviewBoxWidth - width) / 2) - bounds.Left +
                     kPreviewBoxX,
                 std::max(kPreviewMargin, (boxHeight - height) / 2) - bounds.Top + kPreviewBoxY};
}

GridCells CursorGridCells(const std::vector<SIZE>& frames, int gridWidth)
{
    GridCells cells;
    cells.Width = kGridMinCellWidth;
    for (const SIZE& frame : frames) {
        cells.Width = std::max<int>(cells.Width, frame.cx);
        cells.Height = std::max<int>(cells.Height, frame.cy);
    }
    cells.Columns = std::max(1, (gridWidth - kGridMargin) / cells.Width);
    return cells;
}

POINT GridCursorPosition(const GridCells& cells, int column, int row, SIZE frame)
{
    return POINT{(cells.Width - frame.cx) / 2 + (cells.Width + kGridCellGapX) * column + kGridLeft,
                 (cells.Height - frame.cy) / 2 + (cells.Height + kGridLabelSpace) * row + kGridTop};
}

POINT GridLabelPosition(const GridCells& cells, int column, int row, int labelWidth)
{
    return POINT{(cells.Width - labelWidth) / 2 + (cells.Width + kGridCellGapX) * column +
                     kGridLeft,
                 (cells.Height + kGridLabelSpace) * row + cells.Height + kGridLabelGap};
}

int CursorGridHeight(const GridCells& cells, int rows)
{
    return rows * (cells.Height + kGridLabelSpace) + kGridBottom;
}

bool IsSoundFileName(const std::wstring& name)
{
    if (name.size() <= kSoundExtensionChars)
        return false;
    return _wcsicmp(name.c_str() + name.size() - kSoundExtensionChars, kSoundExtension) == 0;
}

std::vector<std::wstring> SoundFileNames(const std::vector<std::wstring>& listing)
{
    std::vector<std::wstring> sounds;
    for (const std::wstring& name : listing) {
        if (IsSoundFileName(name))
            sounds.push_back(name);
    }
    return sounds;
}

bool RowInList(int n, int rows)
{
    return n >= 0 && n < rows;
}

int KeptRow(int row, int rows, int none)
{
    return row >= rows ? none : row;
}
