// The layout of the pages with lists: themes, theme cursors, effects,
// sounds and trails, with their lists' scroll frames and bars, the fixed
// rows of the slot lists and the trails page's slider group.

#include "WindowLayout.h"

#include "CurrentThemeViews.h"
#include "LibraryRows.h"
#include "PanelImages.h"
#include "PanelState.h"

namespace {

constexpr TextLook kTitle = TextLook::Title;
constexpr TextLook kDescription = TextLook::Description;
constexpr TextLook kRow = TextLook::Row;
constexpr int kDescriptionWidth = 460;
constexpr int kFixedRowHeight = 80;
constexpr int kFixedRowCount = kMouseEventCount;
constexpr int kSlotListHeight = kFixedRowHeight * kFixedRowCount;
constexpr int kUiFirstMouseEvent = 101;

// The areas that only hold a list or grid, under its page.
struct ListClips {
    LMObj* Themes = nullptr;
    LMObj* Cursors = nullptr;
    LMObj* EffectSlots = nullptr;
    LMObj* EffectLibrary = nullptr;
    LMObj* SoundSlots = nullptr;
    LMObj* SoundFiles = nullptr;
    LMObj* Trails = nullptr;
};
ListClips g_clips;

LMObj* const* Page(int index)
{
    return Library.Pages.data() + index;
}

LMObj* const* const kThemes = Page(kThemesPage);
LMObj* const* const kCursors = Page(kThemeCursorsPage);
LMObj* const* const kEffects = Page(kEffectsPage);
LMObj* const* const kSounds = Page(kSoundsPage);
LMObj* const* const kTrails = Page(kTrailsPage);
LMObj* const* const kStrip = &Library.CursorStrip;
LMObj* const* const kSelectionBar = &Library.ThemeList.SelectionBar;

LayoutRow Cell(int x, int n)
{
    LayoutRow row = AreaRow(Make::Empty, kStrip, 28, x, 5, 0, 0, &ThemeViews.CursorCells[n]);
    row.Group = L"grpThemes";
    return row;
}

const LayoutRow kThemesPageTop[] = {
    ImageRow(kThemes, 0, 15, 6, kPngTitleIconThemes.Id),
    LabelRow(kThemes, 0, 125, 2, 1, kTitle),
    LabelRow(kThemes, 0, 128, 40, 2, kDescription, kDescriptionWidth),
    LabelRow(kThemes, 0, 13, 109, 3, TextLook::Plain),
};

const LayoutRow kThemesPageRest[] = {
    ButtonRow(kThemes, 93, 507, 504, 4),
    ButtonRow(kThemes, 26, 400, 504, 5),
    AreaRow(Make::Area, kThemes, 51, 15, 135, 584, 64, &Library.CursorStrip),
    Cell(8, 0),
    Cell(72, 1),
    Cell(136, 2),
    Cell(200, 3),
    Cell(264, 4),
    Cell(328, 5),
    ImageRow(kThemes, 46, 538, 134, kPngRowButtonCursors.Id, kLayoutHidden),
    ImageRow(kThemes, 45, 568, 134, kPngRowButtonEdit.Id, kLayoutHidden),
    ImageRow(kThemes, 49, 470, 136, kPngRowButtonProperties.Id, kLayoutHidden),
    ImageRow(kThemes, 48, 490, 136, kPngRowButtonWebsite.Id, kLayoutHidden),
    ImageRow(kThemes, 47, 510, 136, kPngRowButtonEmail.Id, kLayoutHidden),
    AreaRow(Make::Clip, kThemes, 0, 15, 211, 566, 281, &g_clips.Themes),
    AreaRow(Make::Area, &g_clips.Themes, 4, 0, 0, 590, 306, &Library.ThemeList.Container),
};

// On the selected row: they ride on its bar.
const LayoutRow kSelectionBarButtons[] = {
    ImageRow(kSelectionBar, 6, 498, 5, kPngRowButtonCursors.Id, 0, &Library.RowButtons.Cursors),
    ImageRow(kSelectionBar, 5, 528, 5, kPngRowButtonEdit.Id, 0, &Library.RowButtons.Edit),
    ImageRow(kSelectionBar, 44, 410, 8, kPngRowButtonProperties.Id, 0,
             &Library.RowButtons.Properties),
    ImageRow(kSelectionBar, 8, 450, 8, kPngRowButtonWebsite.Id, 0, &Library.RowButtons.Website),
    ImageRow(kSelectionBar, 7, 470, 8, kPngRowButtonEmail.Id, 0, &Library.RowButtons.Email),
    ImageRow(kSelectionBar, 50, 430, 8, kPngRowButtonDelete.Id, kLayoutShadowed,
             &Library.RowButtons.Delete),
};

const LayoutRow kCursorsPage[] = {
    ImageRow(kCursors, 0, 15, 6, kPngTitleIconThemes.Id),
    LabelRow(kCursors, 0, 125, 2, 6, kTitle),
    LabelRow(kCursors, 0, 128, 40, 7, kDescription, kDescriptionWidth),
    ImageRow(kCursors, 35, 586, 112, kPngBackArrow.Id, kLayoutHidden, &PanelShell.BackImage),
    LinkRow(kCursors, 35, 586 - 7, 111, 8, kLayoutHidden | kLayoutRightAligned,
            &PanelShell.BackLink),
    ButtonRow(kCursors, 94, 507, 504, 4),
    ButtonRow(kCursors, 37, 400, 504, 9),
    AreaRow(Make::Clip, kCursors, 0, 13, 134, 590, 363, &g_clips.Cursors),
    AreaRow(Make::Area, &g_clips.Cursors, 11, 0, 0, 590, 306, &Library.CursorGrid),
};

const LayoutRow kListPages[] = {
    ImageRow(kEffects, 0, 15, 6, kPngTitleIconEffects.Id),
    LabelRow(kEffects, 0, 125, 2, 51, kTitle),
    LabelRow(kEffects, 0, 128, 40, 54, kDescription, kDescriptionWidth),
    LabelRow(kEffects, 0, 13, 110, 52, kRow),
    AreaRow(Make::Clip, kEffects, 0, 16, 134, 300, 358, &g_clips.EffectSlots),
    AreaRow(Make::Area, &g_clips.EffectSlots, 66, 0, 0, 300, 363, &Library.EffectSlots.Container),
    LabelRow(kEffects, 0, 330, 110, 53, kRow),
    AreaRow(Make::Clip, kEffects, 0, 333, 134, 273, 358, &g_clips.EffectLibrary),
    AreaRow(Make::Area, &g_clips.EffectLibrary, 65, 0, 0, 273, 365,
            &Library.EffectLibrary.Container),
    ButtonRow(kEffects, 90, 507, 504, 4),

    ImageRow(kSounds, 0, 15, 6, kPngTitleIconSounds.Id),
    LabelRow(kSounds, 0, 125, 2, 79, kTitle),
    LabelRow(kSounds, 0, 128, 40, 80, kDescription, kDescriptionWidth),
    LabelRow(kSounds, 0, 13, 110, 81, kRow),
    AreaRow(Make::Clip, kSounds, 0, 16, 134, 300, 358, &g_clips.SoundSlots),
    AreaRow(Make::Area, &g_clips.SoundSlots, 103, 0, 0, 300, 363, &Library.SoundSlots.Container),
    LabelRow(kSounds, 0, 330, 110, 53, kRow),
    AreaRow(Make::Clip, kSounds, 0, 333, 134, 273, 358, &g_clips.SoundFiles),
    AreaRow(Make::Area, &g_clips.SoundFiles, 104, 0, 0, 273, 365, &Library.SoundFiles.Container),
    ButtonRow(kSounds, 105, 507, 504, 4),

    ImageRow(kTrails, 0, 15, 6, kPngTitleIconTrails.Id),
    LabelRow(kTrails, 0, 125, 2, 62, kTitle),
    LabelRow(kTrails, 0, 128, 40, 65, kDescription, kDescriptionWidth),
    AreaRow(Make::Area, kTrails, 89, 15, 135, 584, 64, &Library.TrailPreviewArea),
    AreaRow(Make::Clip, kTrails, 0, 15, 211, 566, 281, &g_clips.Trails),
    AreaRow(Make::Area, &g_clips.Trails, 82, 0, 0, 566, 363, &Library.TrailList.Container),
    ButtonRow(kTrails, 91, 507, 504, 4),
};

// The theme list's frame stands 5 px right of its clip, as the trail
// list's does; the slot and library lists' frames touch theirs.
const ListParts kListParts[] = {
    {&Library.ThemeList, &g_clips.Themes, kThemes, 40, 38, 39, 9, 5, 41, 42, 2, 564, 62,
     L"grpThemes"},
    {&Library.TrailList, &g_clips.Trails, kTrails, 86, 84, 85, 87, 5, 80, 81, 0, 566, 80,
     L"grpTrail"},
    {&Library.EffectSlots, &g_clips.EffectSlots, kEffects, 72, 74, 75, 73, 0, 61, 63, 0, 276, 80,
     L"grpEffect"},
    {&Library.EffectLibrary, &g_clips.EffectLibrary, kEffects, 68, 70, 71, 69, 0, 62, 64, 1, 247,
     80, L"grpEffectPreview"},
    {&Library.SoundSlots, &g_clips.SoundSlots, kSounds, 115, 117, 118, 116, 0, 107, 109, 0, 276, 80,
     L"grpSound"},
    {&Library.SoundFiles, &g_clips.SoundFiles, kSounds, 111, 113, 114, 112, 0, 108, 110, 1, 247, 30,
     L"grpSoundPreview"},
};

// The trails page's sliders show for the ghost trail only; the panel keeps
// no setting for them.
const SliderRow kTrailSliders[] = {
    {kTrails, 99, 76, 100, 500, 500, nullptr, 40, 175, 150, true},
    {kTrails, 100, 75, 5, 100, 10, nullptr, 230, 175, 150, true},
    {kTrails, 98, 16, 10, 255, 128, nullptr, 420, 175, 150, true},
};

// The grid of the theme cursors page scrolls by thumb 10 alone, which sits
// on the page beside the grid's clip.
void BuildCursorGridScroll()
{
    LMObj* clip = g_clips.Cursors;
    if (!clip)
        return;
    const RECT place = ScrollFrameBeside(
        LMRectFromSize(clip->VisibleX, clip->VisibleY, clip->VisibleWidth, clip->VisibleHeight), 0);
    const LayoutRow rows[] = {
        FrameRow(kCursors, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, kPngScrollFrame.Id, Insets{5, 5, 15, 17},
                 &PanelShell.CursorGridFrame),
        ImageRow(kCursors, 10, place.left, place.top + 16, kPngScrollThumb.Id, kLayoutMovable,
                 &PanelShell.CursorGridThumb),
    };
    BuildLayout(rows);
    if (PanelShell.CursorGridFrame)
        PanelShell.CursorGridFrame->CurrentState->SetHitMode(LMHitWholeFrame);
}

// A mouse event's row of a slot list: its caption in the list's group.
LayoutRow SlotCaption(PanelList& list, int event, int x, int width, const wchar_t* group)
{
    LayoutRow row = LabelRow(&list.Container, 0, x, 15 + kFixedRowHeight * event,
                             kUiFirstMouseEvent + event, kRow, width, kLayoutHitNever);
    row.Group = group;
    return row;
}

void BuildEffectSlotRows()
{
    PanelList& list = Library.EffectSlots;
    for (int j = 0; j < kFixedRowCount; ++j) {
        LayoutRow preview = AreaRow(Make::Empty, &list.Container, 67, 8, 5 + kFixedRowHeight * j, 0,
                                    0, &ThemeViews.EffectPreviews[j]);
        preview.Group = L"grpEffect";
        const LayoutRow rows[] = {preview, SlotCaption(list, j, 100, 170, L"grpEffect")};
        BuildLayout(rows);
    }
    FitListContainer(list, kSlotListHeight);
}

void BuildSoundSlotRows()
{
    PanelList& list = Library.SoundSlots;
    for (int i = 0; i < kFixedRowCount; ++i) {
        const int y = kFixedRowHeight * i;
        LayoutRow icon = AreaRow(Make::SoundIcon, &list.Container, 119, 230, 5 + y, 0, 0,
                                 &ThemeViews.SoundIcons[i]);
        LayoutRow mark =
            AreaRow(Make::Empty, &list.Container, 119, 26, 45 + y, 0, 0, &ThemeViews.SoundMarks[i]);
        icon.Group = mark.Group = L"grpSound";
        const LayoutRow rows[] = {icon, mark, SlotCaption(list, i, 16, 300, L"grpSound")};
        BuildLayout(rows);
    }
    FitListContainer(list, kSlotListHeight);
}

}  // namespace

void BuildThemesPages()
{
    BuildLayout(kThemesPageTop);
    ReplaceNameLabel(UiText(kUiNoTheme));
    BuildLayout(kThemesPageRest);
    BuildListBars(kListParts[0]);
    BuildScrollFrame(kListParts[0]);
    BuildLayout(kSelectionBarButtons);
    BuildLayout(kCursorsPage);
    BuildCursorGridScroll();
}

void BuildLibraryPages()
{
    BuildLayout(kListPages);
    for (size_t i = 1; i < std::size(kListParts); ++i)
        BuildScrollFrame(kListParts[i]);
    for (size_t i = 1; i < std::size(kListParts); ++i)
        BuildListBars(kListParts[i]);
    BuildEffectSlotRows();
    BuildSoundSlotRows();
    BuildSliders(kTrailSliders, std::size(kTrailSliders), &Library.TrailSliders);
    for (LMObj* object : Library.TrailSliders)
        object->Hide();
}
