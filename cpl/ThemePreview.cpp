// The theme pane's preview: the pictures of a theme's 20 roles in a grid,
// greyed while the engine is to be disabled, pressed while the mouse is.

#include "CThemePane.h"

#include "COptionsPane.h"
#include "CQVObj.h"
#include "CTheme.h"
#include "ChildDialogs.h"
#include "CplResources.h"
#include "LMBitmapState.h"
#include "ObjectFactories.h"
#include "SettingsPage.h"

#include <algorithm>

namespace cpl {

namespace {

constexpr int kOpaque = 255;
constexpr int kGreyedAlpha = 128;
constexpr COLORREF kGreyedText = 0x808080;

// A deep copy of the picture, placed by its own top-left.
LMBitmapState* AddPictureState(LMObj& cell, const wchar_t* name, const LMBitmapState& picture,
                               int alpha)
{
    auto* state = new LMBitmapState(name, picture, true);
    state->OffsetX = state->OffsetY = 0;
    state->RampStart = alpha;
    cell.AddState(state);
    return state;
}

void SetAlpha(LMObj& object, int alpha)
{
    for (LMState* state : object.States) {
        if (LMVisualState* visual = LMAsVisualState(state))
            visual->RampStart = alpha;
    }
    object.Invalidate(LMRepaintDeferred);
}

}  // namespace

void CThemePane::ClearPreview()
{
    previewObjects_.Clear();
    PreviewCells.clear();
    PreviewCaptions.clear();
}

void CThemePane::BuildPreview(const CTheme& theme)
{
    if (!PreviewList)
        return;
    int maxWidth = 0, maxHeight = 0;
    for (int role = 0; role < kCursorRoleCount; ++role) {
        for (int state : {kCursorStateNormal, kCursorStateLeftDown}) {
            if (const LMBitmapState* picture = RolePicture(theme, role, state)) {
                maxWidth = std::max(maxWidth, picture->FrameWidth);
                maxHeight = std::max(maxHeight, picture->FrameHeight);
            }
        }
    }
    ClearPreview();
    PreviewGrid grid = MakePreviewGrid(maxWidth, maxHeight, PreviewList->VisibleWidth);
    int greyed = PageState.Greyed;
    const LMBitmapState* source = nullptr;
    for (int role = 0; role < kCursorRoleCount; ++role) {
        if (RolePicture(theme, role, kCursorStateNormal))
            AddPreviewCell(theme, role, grid, greyed);
        if (role == 0 && !PreviewCells.empty())
            source = static_cast<LMBitmapState*>(PreviewCells[0]->FindState(L"Default"));
    }
    OptionsPane.SetSourceImage(source);
    PreviewRowHeight = grid.RowHeight();
    int height = PreviewListHeight(grid, static_cast<int>(PreviewCells.size()));
    PreviewList->CurrentState->SetSize(PreviewList->VisibleWidth, height);
    PreviewList->MoveTo(0, 0);
    SetPreviewScroll(height);
    PreviewList->Invalidate(LMRepaintDeferred);
}

void CThemePane::AddPreviewCell(const CTheme& theme, int role, const PreviewGrid& grid, int greyed)
{
    int alpha = greyed ? kGreyedAlpha : kOpaque;
    auto* cell = previewObjects_.Keep(std::make_unique<LMObj>(LMObjWindowless));
    const LMBitmapState* shown =
        AddPictureState(*cell, L"Default", *RolePicture(theme, role, kCursorStateNormal), alpha);
    if (const LMBitmapState* pressed = RolePicture(theme, role, kCursorStateLeftDown))
        shown = AddPictureState(*cell, L"Pressed", *pressed, alpha);
    int index = static_cast<int>(PreviewCells.size());
    POINT at = PreviewCellPosition(grid, index, shown->FrameWidth, shown->FrameHeight);
    PlaceObject(*cell, PreviewList, at.x, at.y);
    PreviewCells.push_back(cell);

    CQVObj* caption = previewObjects_.Keep(
        CreateTextObj(PreviewList, 0, 0, kCursorRoleLongNames[role], kPageFace, kPageTextSize, 0,
                      greyed ? kGreyedText : 0, kTextCentred));
    // Presses over a caption reach the list below it.
    caption->CurrentState->SetHitMode(LMHitNever);
    at = PreviewCaptionPosition(grid, index, caption->VisibleWidth);
    caption->MoveTo(at.x, at.y);
    PreviewCaptions.push_back(caption);
}

void CThemePane::SetPreviewScroll(int listHeight)
{
    int visible = static_cast<int>(ClientSize(PreviewHost).cy);
    ResetScrollBar(GetDlgItem(Window, IDC_CPL_PREVIEW_SCROLL), std::max(0, listHeight - visible),
                   1);
}

void CThemePane::SetPreviewEnabled(int enabled)
{
    int alpha = enabled ? kOpaque : kGreyedAlpha;
    for (LMObj* cell : PreviewCells)
        SetAlpha(*cell, alpha);
    for (LMObj* caption : PreviewCaptions)
        SetAlpha(*caption, alpha);
}

void CThemePane::SetCellsState(const wchar_t* name)
{
    for (LMObj* cell : PreviewCells) {
        LMState* state = cell->FindState(name);
        if (state && cell->CurrentState != state)
            cell->ChangeState(name);
    }
}

}  // namespace cpl
