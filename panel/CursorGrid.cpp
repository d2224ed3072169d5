// The theme cursors page: the normal cursor of every role of one theme in a
// grid of cells with the role's short name below, and the theme's name in
// the page caption. The grid's objects hold their own copies.

#include "FactorySupport.h"
#include "LibraryLayout.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "ListScrolling.h"
#include "PanelFactories.h"

namespace {

constexpr int kCaptionX = 13;
constexpr int kCaptionY = 109;
constexpr COLORREF kCaptionColor = 0x1A81D6;
// Only the first list positions size the cells.
constexpr int kSizingCursors = kCursorRoleCount;

const CThemeCursor* GridCursor(const CTheme& theme, int role)
{
    const CThemeCursor* cursor = theme.FindCursor(role, kCursorStateNormal, kThemeCursorGroup);
    return HasPicture(cursor) ? cursor : nullptr;
}

std::vector<SIZE> SizingFrames(const CTheme& theme)
{
    std::vector<SIZE> frames;
    for (int i = 0; i < kSizingCursors; ++i) {
        const CThemeCursor* cursor = theme.GetCursorAt(i);
        if (HasPicture(cursor))
            frames.push_back(SIZE{cursor->Animation->FrameWidth, cursor->Animation->FrameHeight});
    }
    return frames;
}

void ClearGrid()
{
    for (LMObj* object : Library.CursorGridObjects)
        DeleteObjectTree(object);
    Library.CursorGridObjects.clear();
}

void AddGridCell(const LMBitmapState& animation, int role, const GridCells& cells, int column,
                 int row)
{
    OwnedObject<CQVObj> cursor(new CQVObj);
    auto state = std::make_unique<LMBitmapState>(L"Default", animation, true);
    state->RampStart = 255;
    state->OffsetX = 0;
    state->OffsetY = 0;
    const SIZE frame{state->FrameWidth, state->FrameHeight};
    AddAllStates(*cursor, std::move(state));
    const POINT at = GridCursorPosition(cells, column, row, frame);
    if (LMObj* placed = PlaceObject(std::move(cursor), Library.CursorGrid, at.x, at.y, true))
        Library.CursorGridObjects.push_back(placed);

    CQVObj* label = CreateTextLabel(Library.CursorGrid, 0, 0, kCursorRoleShortNames[role],
                                    PanelSizes.SmallSize, 0, kListDetailColor, 0, 0);
    if (!label)
        return;
    label->Movable = 0;
    const POINT labelAt = GridLabelPosition(cells, column, row, label->VisibleWidth);
    label->MoveTo(labelAt.x, labelAt.y);
    Library.CursorGridObjects.push_back(label);
}

// Lays the cells out role by role; the number of rows used.
int FillGrid(const CTheme& theme, const GridCells& cells)
{
    int column = 0;
    int row = 0;
    int rowsUsed = 1;
    for (int role = 0; role < kCursorRoleCount; ++role) {
        const CThemeCursor* cursor = GridCursor(theme, role);
        if (!cursor)
            continue;
        AddGridCell(*cursor->Animation, role, cells, column, row);
        rowsUsed = row + 1;
        if (++column == cells.Columns) {
            column = 0;
            ++row;
        }
    }
    return rowsUsed;
}

void ReplaceGridCaption(const CTheme& theme)
{
    DeleteObjectTree(Library.CursorGridCaption);
    wchar_t name[MAX_PATH];
    theme.GetDisplayName(name, MAX_PATH);
    Library.CursorGridCaption =
        CreateTextLabel(Library.Pages[kThemeCursorsPage], kCaptionX, kCaptionY, name,
                        PanelSizes.RowSize, 1, kCaptionColor, 0, 0);
}

}  // namespace

void ShowThemeCursors(const wchar_t* path)
{
    auto theme = std::make_unique<CTheme>();
    LMObj* grid = Library.CursorGrid;
    if (!grid || !grid->CurrentState || !path || !theme->Load(path, 0))
        return;
    const GridCells cells = CursorGridCells(SizingFrames(*theme), grid->VisibleWidth);
    ClearGrid();
    const int rows = FillGrid(*theme, cells);
    grid->CurrentState->SetSize(grid->VisibleWidth, CursorGridHeight(cells, rows));
    grid->MoveTo(grid->VisibleX, grid->VisibleY);
    grid->MoveTo(0, 0);
    ScrollCursorGridToTop();
    ReplaceGridCaption(*theme);
    theme->Clear();
}
