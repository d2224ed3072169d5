// The view's thumbnail grids: building them from the document's entries,
// hover and selection frames, hot spots set by clicking, and the cursor
// grid's normal and pressed variants.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "EditorIds.h"
#include "LMTextState.h"
#include "PaneRules.h"
#include "ThemeVocabulary.h"

#include <algorithm>

namespace {

// How each grid finds its items and names its objects.
struct GridTraits {
    int Count;
    int Thumbnails;
    int Labels;
    int Markers;
    const wchar_t* StateName;
    const wchar_t* Group;
    const wchar_t* const* Names;
    bool Loop;
};

const GridTraits kGridTraits[kGridCount] = {
    {kCursorRoleCount, kItemCursorThumbnails, kItemCursorLabels, kItemCursorMarkers, L"Default",
     L"grpCursors", kCursorRoleLongNames, false},
    {kMouseEventCount, kItemEffectThumbnails, kItemEffectLabels, kItemEffectMarkers, L"Normal",
     L"grpEffects", kMouseEventNames, false},
    {kTrailSlotCount, kItemTrailThumbnails, kItemTrailLabels, kItemTrailMarkers, L"Normal",
     L"grpTrails", kTrailSlotNames, true},
};

// The marker's centre: half of its 19 pixels.
constexpr int kMarkerCentre = 9;
constexpr int kFrameMargin = 5;
constexpr int kLabelGap = 3;
constexpr int kLabelTextSize = 9;

// A state's look as the copy a thumbnail shows: its own premultiplied
// pixels, never hit, drawn without the hot-spot offset.
LMBitmapState* ThumbnailState(const wchar_t* name, const LMBitmapState& animation, bool loop)
{
    auto* copy = new LMBitmapState(name, animation, true);
    copy->SetHitMode(LMHitNever);
    if (copy->Bitmap)
        copy->Bitmap->Premultiply();
    copy->OffsetX = 0;
    copy->OffsetY = 0;
    if (loop)
        copy->FrameFlags |= LMFrameLoop;
    return copy;
}

}  // namespace

void CEditorMFCView::BuildCursorGrid()
{
    OutputDebugStringW(L"SetupPreview\r");
    BuildGrid(kCursorsTab);
}

void CEditorMFCView::BuildEffectGrid()
{
    BuildGrid(kEffectsTab);
}

void CEditorMFCView::BuildTrailGrid()
{
    BuildGrid(kTrailsTab);
}

CThemeEntry* CEditorMFCView::GridEntry(int grid, int item) const
{
    CEditorMFCDoc* document = GetDocument();
    if (!document)
        return nullptr;
    if (grid == kCursorsTab)
        return document->FindCursor(item, ShownVariant);
    return grid == kEffectsTab ? static_cast<CThemeEntry*>(document->GetEffect(item))
                               : document->GetTrail(item);
}

void CEditorMFCView::BuildGrid(int grid)
{
    CEditorMFCDoc* document = GetDocument();
    EditorGrid& slot = grids_[static_cast<size_t>(grid)];
    if (!document || !document->Theme || !slot.Object)
        return;
    const GridTraits& traits = kGridTraits[grid];
    std::vector<bool> hasImage(static_cast<size_t>(traits.Count), false);
    std::vector<SIZE> frameSizes;
    for (int item = 0; item < traits.Count; ++item) {
        const CThemeEntry* entry = GridEntry(grid, item);
        if (!entry || !entry->Animation)
            continue;
        hasImage[static_cast<size_t>(item)] = true;
        frameSizes.push_back({entry->Animation->FrameWidth, entry->Animation->FrameHeight});
    }
    const SIZE content = GridContentSize(frameSizes);
    slot.Object->Hide();
    GridLayout layout = LayOutGrid(content, slot.Object->VisibleWidth, hasImage);
    for (const GridCell& cell : layout.Cells) {
        PlaceThumbnail(grid, cell, content);
        PlaceLabel(grid, cell, content);
    }
    // An item without an image has no cell: what an earlier build showed
    // for it must not stand in another item's cell.
    for (int item = 0; item < traits.Count; ++item) {
        if (!hasImage[static_cast<size_t>(item)])
            HideItem(grid, item);
    }
    int height = layout.Height;
    if (grid != kCursorsTab && slot.SceneRoot)
        height = std::max(height, slot.SceneRoot->VisibleHeight);
    if (slot.Object->CurrentState)
        slot.Object->CurrentState->SetSize(slot.Object->VisibleX + slot.Object->VisibleWidth,
                                           height);
    slot.Object->MoveTo(0, 0);
    slot.Object->Show();
    slot.CellWidth = layout.CellWidth;
    slot.CellHeight = layout.CellHeight;
    slot.Columns = layout.Columns;
    slot.Layout = std::move(layout);
    ResizeFrame(slot.HoverFrame, content);
    ResizeFrame(slot.SelectionFrame, content);
    SetScrollRange(grid, slot.Layout.Height);
}

editor::CQVObj* CEditorMFCView::MakeItemObject(int index, LMObj* parent, const wchar_t* group)
{
    auto* object = Own(std::make_unique<editor::CQVObj>(LMObjWindowless, this));
    object->SetParent(parent);
    if (group) {
        object->StatesNotOwned = 1;
        object->SetGroupName(group);
    }
    items_[static_cast<size_t>(index)] = object;
    return object;
}

void CEditorMFCView::PlaceThumbnail(int grid, const GridCell& cell, SIZE content)
{
    const GridTraits& traits = kGridTraits[grid];
    const CThemeEntry* entry = GridEntry(grid, cell.Item);
    LMObj* parent = grids_[static_cast<size_t>(grid)].Object;
    const int thumbIndex = traits.Thumbnails + cell.Item;
    editor::CQVObj* thumbnail = items_[static_cast<size_t>(thumbIndex)];
    if (!thumbnail)
        thumbnail = MakeItemObject(thumbIndex, parent, traits.Group);
    thumbnail->Unrealize();
    thumbnail->RemoveState(traits.StateName);
    LMBitmapState* state = ThumbnailState(traits.StateName, *entry->Animation, traits.Loop);
    const int frameWidth = state->FrameWidth, frameHeight = state->FrameHeight;
    thumbnail->AddState(state);
    thumbnail->Realize();
    thumbnail->MoveTo(cell.X + (content.cx - frameWidth) / 2,
                      cell.Y + (content.cy - frameHeight) / 2);
    thumbnail->Show();

    const int markerIndex = traits.Markers + cell.Item;
    editor::CQVObj* marker = items_[static_cast<size_t>(markerIndex)];
    if (!marker) {
        marker = MakeItemObject(markerIndex, parent, traits.Group);
        auto* markerState = new LMBitmapState(L"Normal", *HotSpotMarker, false);
        markerState->SetHitMode(LMHitNever);
        marker->AddState(markerState);
        marker->Realize();
    }
    marker->MoveTo(thumbnail->VisibleX + entry->HotSpotX - kMarkerCentre,
                   thumbnail->VisibleY + entry->HotSpotY - kMarkerCentre);
    marker->Show();
}

void CEditorMFCView::PlaceLabel(int grid, const GridCell& cell, SIZE content)
{
    const GridTraits& traits = kGridTraits[grid];
    const int index = traits.Labels + cell.Item;
    editor::CQVObj* label = items_[static_cast<size_t>(index)];
    if (!label) {
        label = MakeItemObject(index, grids_[static_cast<size_t>(grid)].Object, nullptr);
        auto* state = new LMTextState(L"Default", traits.Names[cell.Item], L"Segoe UI",
                                      kLabelTextSize, 0, 0, 0, 0, RGB(0, 0, 0), 2, content.cx, 0);
        state->SetHitMode(LMHitNever);
        label->AddState(state);
        label->Realize();
    }
    const int labelWidth = label->CurrentState ? label->CurrentState->FrameWidth : 0;
    label->MoveTo(cell.X + (content.cx - labelWidth) / 2, cell.Y + content.cy + kLabelGap);
    label->Show();
}

void CEditorMFCView::HideItem(int grid, int item)
{
    const GridTraits& traits = kGridTraits[grid];
    for (int base : {traits.Thumbnails, traits.Labels, traits.Markers}) {
        if (editor::CQVObj* object = items_[static_cast<size_t>(base + item)])
            object->Hide();
    }
}

void CEditorMFCView::ResizeFrame(LMObj* frame, SIZE content)
{
    auto* current = frame ? dynamic_cast<LMBitmapState*>(frame->CurrentState) : nullptr;
    if (!current)
        return;
    auto* copy = new LMBitmapState(L"Default", *current, true);
    frame->RemoveState(L"Default");
    copy->ResizeBitmap(content.cx + kGridGapX, content.cy + kGridFrameExtraHeight, kFrameMargin,
                       kFrameMargin, kFrameMargin, kFrameMargin, 1, 1);
    frame->AddState(copy);
    frame->ChangeState(L"Default");
}

void CEditorMFCView::SetScrollRange(int grid, int contentHeight)
{
    const LMObj* root = grids_[static_cast<size_t>(grid)].SceneRoot;
    HWND bar = GetDlgItem(Page(grid), kIdPageScrollBar);
    if (!bar)
        return;
    // A grid shorter than its scene does not scroll.
    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 1, 0, 0};
    info.nMax = std::max(0, contentHeight - (root ? root->VisibleHeight : 0));
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

int CEditorMFCView::GridOf(const editor::CQVObj& object) const
{
    for (int grid = 0; grid < kGridCount; ++grid) {
        if (grids_[static_cast<size_t>(grid)].Object == &object)
            return grid;
    }
    return -1;
}

void CEditorMFCView::OnGridHover(editor::CQVObj& object, int x, int y)
{
    int grid = GridOf(object);
    if (grid < 0)
        return;
    EditorGrid& slot = grids_[static_cast<size_t>(grid)];
    int cell = GridCellAt(slot.Layout, x, y, object.VisibleHeight);
    if (cell == kGridOutside || !slot.HoverFrame)
        return;
    if (cell == kGridNoCell) {
        slot.HoverFrame->Hide();
        return;
    }
    POINT at = GridFramePosition(slot.Layout, cell);
    slot.HoverFrame->Show();
    slot.HoverFrame->MoveTo(at.x, at.y);
}

void CEditorMFCView::OnGridLeave(editor::CQVObj& object)
{
    int grid = GridOf(object);
    if (grid >= 0 && grids_[static_cast<size_t>(grid)].HoverFrame)
        grids_[static_cast<size_t>(grid)].HoverFrame->Hide();
}

void CEditorMFCView::OnGridClick(editor::CQVObj& object, int x, int y)
{
    int grid = GridOf(object);
    if (grid < 0)
        return;
    // The keys follow the click: Copy and Paste act on items again, not on
    // the box typed in last.
    ::SetFocus(GetSafeHwnd());
    EditorGrid& slot = grids_[static_cast<size_t>(grid)];
    int cell = GridCellAt(slot.Layout, x, y, object.VisibleHeight);
    if (cell < 0)
        return;
    // The cell's own item, whichever items before it lack an image.
    int item = slot.Layout.Cells[static_cast<size_t>(cell)].Item;
    int selected = grid == kCursorsTab   ? SelectedCursor
                   : grid == kEffectsTab ? SelectedEffect
                                         : SelectedTrail;
    if (item == selected) {
        SetHotSpot(grid, item, x, y);
        return;
    }
    SelectItem(grid, item, cell);
}

void CEditorMFCView::SelectItem(int grid, int item, int cell)
{
    ShowGridPane(grid, item);
    EditorGrid& slot = grids_[static_cast<size_t>(grid)];
    if (!slot.SelectionFrame)
        return;
    POINT at = GridFramePosition(slot.Layout, cell);
    slot.SelectionFrame->Show();
    slot.SelectionFrame->MoveTo(at.x, at.y);
}

void CEditorMFCView::ShowGridPane(int grid, int item)
{
    if (grid == kCursorsTab)
        ShowCursorPane(item, ShownVariant);
    else if (grid == kEffectsTab)
        ShowEffectPane(item);
    else
        ShowTrailPane(item);
}

void CEditorMFCView::SetHotSpot(int grid, int item, int x, int y)
{
    const GridTraits& traits = kGridTraits[grid];
    CThemeEntry* entry = GridEntry(grid, item);
    LMObj* thumbnail = items_[static_cast<size_t>(traits.Thumbnails + item)];
    LMObj* marker = items_[static_cast<size_t>(traits.Markers + item)];
    if (!entry || !entry->Animation || !thumbnail || !marker)
        return;
    // The pane is filled again below: what was typed into it goes in first.
    CommitSelectedPane(grid);
    const POINT spot = HotSpotInFrame(x - thumbnail->VisibleX, y - thumbnail->VisibleY,
                                      entry->Animation->FrameWidth, entry->Animation->FrameHeight);
    marker->MoveTo(thumbnail->VisibleX + spot.x - kMarkerCentre,
                   thumbnail->VisibleY + spot.y - kMarkerCentre);
    entry->HotSpotX = spot.x;
    entry->HotSpotY = spot.y;
    ShowGridPane(grid, item);
    RefreshOtherPanes(grid, entry);
}

void CEditorMFCView::ShowCursorVariant(int variant)
{
    ShownVariant = variant ? 1 : 0;
    LMObj* hidden = ShownVariant ? PressedLink : NormalLink;
    LMObj* shown = ShownVariant ? NormalLink : PressedLink;
    if (hidden)
        hidden->Hide();
    if (shown)
        shown->Show();
    if (TitleBar)
        TitleBar->ChangeState(ShownVariant ? L"Pressed" : L"Normal");
    ShowCursorPane(SelectedCursor, ShownVariant);
    BuildCursorGrid();
}
