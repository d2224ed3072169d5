#include "LibraryRows.h"

#include "FactorySupport.h"
#include "LMBlankState.h"
#include "Language.h"
#include "LibraryLayout.h"
#include "ListScrolling.h"
#include "PanelFactories.h"

#include <memory>

namespace {

// Bounds in the object's own coordinates: a shadow widens the picture by
// its insets, which lie outside the object's visible top-left.
OpaqueRect VisibleOpaqueBounds(const LMBitmapState& state)
{
    OpaqueRect bounds;
    state.Bitmap->OpaqueBounds(&bounds.Left, &bounds.Top, &bounds.Right, &bounds.Bottom);
    bounds.Left -= state.InsetLeft;
    bounds.Right -= state.InsetLeft;
    bounds.Top -= state.InsetTop;
    bounds.Bottom -= state.InsetTop;
    return bounds;
}

// The theme list's preview shadow.
constexpr int kPreviewShadowOffset = 3;
constexpr int kPreviewShadowSharpness = 12;
constexpr int kPreviewShadowDarkness = 160;

}  // namespace

void ShowIfHidden(LMObj* object)
{
    if (object && !object->Shown)
        object->Show();
}

void HideIfShown(LMObj* object)
{
    if (object && object->Shown)
        object->Hide();
}

void SetShown(LMObj* object, bool shown)
{
    if (shown)
        ShowIfHidden(object);
    else
        HideIfShown(object);
}

bool InState(const LMObj* object, const wchar_t* name)
{
    return object && object->CurrentState &&
           lstrcmpiW(object->CurrentState->Name.c_str(), name) == 0;
}

CQVObj* MakeListRow(LMObj* container, int y, int width, int height, int controlId, int hoverMode,
                    const wchar_t* group)
{
    CQVObj* row = CreateBlankObject(container, 0, y, width, height);
    if (!row)
        return nullptr;
    // The container finds the row under the pointer from the row height.
    row->CurrentState->SetHitMode(LMHitNever);
    row->ControlId = controlId;
    row->HoverMode = hoverMode;
    row->SetGroupName(group);
    return row;
}

CQVObj* MakeListLabel(LMObj* parent, int x, int y, const wchar_t* text, int size, COLORREF color,
                      int width, const wchar_t* group)
{
    CQVObj* label = CreateTextLabel(parent, x, y, text, size, 0, color, width, 0);
    if (!label)
        return nullptr;
    label->CurrentState->SetHitMode(LMHitNever);
    if (group)
        label->SetGroupName(group);
    return label;
}

LMObj* MakeRowText(LMObj* parent, int x, int y, const wchar_t* text, int size)
{
    OwnedObject<LMObj> object(new LMObj(LMObjWindowless));
    auto state = MakeTextState(L"Default", text, size, 0, 0, kListTextColor, kTextCentre, 0);
    state->SetHitMode(LMHitNever);
    AddAllStates(*object, std::move(state));
    return PlaceObject(std::move(object), parent, x, y, true);
}

bool HasPicture(const CThemeEntry* entry)
{
    return entry && entry->Animation && entry->Animation->Bitmap;
}

LMObj* AddRowPreview(LMObj* row, const LMBitmapState& animation, int boxHeight, PreviewLook look)
{
    if (!animation.Bitmap || !animation.Bitmap->HasPixels())
        return nullptr;
    auto state = std::make_unique<LMBitmapState>(animation.Name.c_str(), animation, true);
    state->OffsetX = 0;
    state->OffsetY = 0;
    state->SetHitMode(LMHitNever);
    if (look == PreviewLook::Shadowed) {
        state->AddShadow(kPreviewShadowOffset, kPreviewShadowOffset, kPreviewShadowSharpness,
                         kPreviewShadowDarkness);
    } else {
        state->FrameFlags |= LMFrameLoop;
    }
    const POINT at = PreviewPlacement(VisibleOpaqueBounds(*state), boxHeight);
    OwnedObject<LMObj> preview(new LMObj(LMObjWindowless));
    AddAllStates(*preview, std::move(state));
    return PlaceObject(std::move(preview), row, at.x, at.y, true);
}

void ClearListRows(PanelList& list)
{
    list.Rows.clear();
    if (!list.Container)
        return;
    auto& children = list.Container->Children;
    for (size_t i = children.size(); i-- > 0;) {
        LMObj* child = children[i];
        if (child != list.HoverBar && child != list.SelectionBar)
            DeleteObjectTree(child);
    }
}

void FitListContainer(const PanelList& list, int height)
{
    LMObj* container = list.Container;
    if (!container || !container->CurrentState)
        return;
    container->CurrentState->SetSize(container->VisibleWidth, height);
    container->MoveTo(container->VisibleX, container->VisibleY);
    // A shorter list must not stay scrolled past its end.
    ScrollListToThumb(list);
}

int ListRowStep(const PanelList& list, int entries)
{
    const int frame = list.ScrollFrame ? list.ScrollFrame->VisibleHeight : 0;
    const int thumb = list.Thumb ? list.Thumb->VisibleHeight : 0;
    return ListScrollStep(frame, thumb, entries);
}

void KeepRowsInBounds(PanelList& list, int rows, int none)
{
    if (KeptRow(list.Selected, rows, none) != list.Selected) {
        list.Selected = none;
        HideIfShown(list.SelectionBar);
    }
    if (KeptRow(list.Hovered, rows, none) != list.Hovered) {
        list.Hovered = none;
        HideIfShown(list.HoverBar);
    }
}

const wchar_t* UiText(int n)
{
    const wchar_t* text = GetUiString(n);
    return text ? text : L"";
}
