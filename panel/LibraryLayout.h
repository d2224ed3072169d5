#pragma once
// The arithmetic of the library pages, apart from objects and files: scroll
// steps, where a preview sits in its row, the cursor grid, which names are
// sound files, the preview cache's file name and the bounds of rows.

#include "TextPixels.h"

#include <windows.h>

#include <string>
#include <vector>

// Half the thumb's travel per entry (an empty list counts as one), at least
// 1; travel is the frame height less the thumb and 18 px of arrows.
int ListScrollStep(int frameHeight, int thumbHeight, int entries);

// Preview boxes: 60 wide at (14, 4) in a row; 58 high in the theme list,
// 76 in the effect and trail lists.
constexpr int kThemePreviewBoxHeight = 58;
constexpr int kSpritePreviewBoxHeight = 76;

// The top-left that centres these opaque bounds (inclusive, in the
// picture's own coordinates) in the box, at least 2 px inside its left and
// top edges.
POINT PreviewPlacement(const OpaqueRect& bounds, int boxHeight);

// The cursor grid's cells: as wide as the widest frame and at least 86, as
// high as the highest; at least one column.
struct GridCells {
    int Width = 0;
    int Height = 0;
    int Columns = 1;
};
GridCells CursorGridCells(const std::vector<SIZE>& frames, int gridWidth);
// Where a cursor of the given frame size and its role label sit in a cell.
POINT GridCursorPosition(const GridCells& cells, int column, int row, SIZE frame);
POINT GridLabelPosition(const GridCells& cells, int column, int row, int labelWidth);
// The grid's height for that many rows of cells.
int CursorGridHeight(const GridCells& cells, int rows);

// Longer than four characters and ending in ".wav", ignoring case.
bool IsSoundFileName(const std::wstring& name);
// The sound files of a folder listing, in its order; every name is looked at.
std::vector<std::wstring> SoundFileNames(const std::vector<std::wstring>& listing);

// Whether n is a row of a list of that many rows; negative n is not.
bool RowInList(int n, int rows);
// A row kept over a rebuild: itself while it is a row of the new build,
// else `none`.
int KeptRow(int row, int rows, int none);
