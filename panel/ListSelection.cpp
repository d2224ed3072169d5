#include "ListSelection.h"

#include "LibraryLayout.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "PanelSounds.h"

namespace {

// Where a list's bars sit: x, and rows this far apart (2 px into the row).
struct BarPlace {
    int X;
    int RowHeight;
};
constexpr BarPlace kSlotBars{0, 80};
constexpr BarPlace kTrailBars{0, 80};
constexpr BarPlace kEffectLibraryBars{1, 80};
constexpr BarPlace kSoundFileBars{1, 30};
constexpr BarPlace kThemeBars{2, 62};
constexpr int kBarDrop = 2;
// The theme row's buttons: right of its texts, or fixed in the strip.
constexpr int kDeleteAfterText = 20;
constexpr int kWebsiteAfterText = 40;
constexpr int kEmailAfterText = 60;
constexpr int kStripPropertiesX = 410;

void MoveBarToRow(LMObj* bar, BarPlace place, int n)
{
    if (bar)
        bar->MoveTo(place.X, place.RowHeight * n + kBarDrop);
}

// Puts a bar first among the parent's children, at the top-left of row n.
void MoveBarInto(LMObj* bar, LMObj* parent, BarPlace place, int n)
{
    if (!bar || !parent)
        return;
    if (bar->Parent != parent)
        bar->SetParent(parent, 1);
    MoveBarToRow(bar, place, n);
}

// Row -1 of the theme list is the cursor strip, which stands for the
// current theme.
void MoveThemeBar(LMObj* bar, int n)
{
    if (n == -1)
        MoveBarInto(bar, Library.CursorStrip, kThemeBars, 0);
    else
        MoveBarInto(bar, Library.ThemeList.Container, kThemeBars, n);
}

void EndSelect(PanelList& list)
{
    HideIfShown(list.HoverBar);
    ShowIfHidden(list.SelectionBar);
}

// True when the selection moved to row n.
bool MoveSelection(PanelList& list, BarPlace place, int n)
{
    if (n == list.Selected)
        return false;
    list.Selected = n;
    MoveBarToRow(list.SelectionBar, place, n);
    return true;
}

void ShowHoverUnlessSelected(PanelList& list)
{
    if (list.Hovered == list.Selected)
        HideIfShown(list.HoverBar);
    else
        ShowIfHidden(list.HoverBar);
}

void Hover(PanelList& list, BarPlace place, int n)
{
    if (n != list.Hovered) {
        list.Hovered = n;
        MoveBarToRow(list.HoverBar, place, n);
    }
    ShowHoverUnlessSelected(list);
}

int RowCount(size_t entries, int fixedRows)
{
    return static_cast<int>(entries) + fixedRows;
}

// The buttons of a theme row follow its texts; the website and e-mail
// buttons show only for a theme that gives one.
void PlaceButtonsOnEntry(const ThemeRowButtons& buttons, const LibraryEntry& entry)
{
    const int end = entry.TextEnd;
    const int y = buttons.Properties->VisibleY;
    buttons.Properties->MoveTo(end, y);
    buttons.Delete->MoveTo(end + kDeleteAfterText, y);
    for (LMObj* button : {buttons.Properties, buttons.Delete, buttons.Cursors, buttons.Edit})
        ShowIfHidden(button);
    buttons.Website->MoveTo(end + kWebsiteAfterText, buttons.Website->VisibleY);
    SetShown(buttons.Website, entry.Website[0] != L'\0');
    buttons.Email->MoveTo(end + kEmailAfterText, buttons.Website->VisibleY);
    SetShown(buttons.Email, entry.Email[0] != L'\0');
}

void PlaceThemeRowButtons(const ThemeRowButtons& buttons, int n)
{
    LMObj* const all[] = {buttons.Properties, buttons.Delete,  buttons.Website,
                          buttons.Email,      buttons.Cursors, buttons.Edit};
    for (LMObj* button : all) {
        if (!button)
            return;
    }
    if (n == -1) {
        // The strip stands for the current theme: no delete there.
        buttons.Properties->MoveTo(kStripPropertiesX, buttons.Properties->VisibleY);
        HideIfShown(buttons.Delete);
        ShowIfHidden(buttons.Cursors);
        ShowIfHidden(buttons.Edit);
    } else if (n >= 1) {
        PlaceButtonsOnEntry(buttons, Library.Themes[static_cast<size_t>(n - 1)]);
    } else {
        for (LMObj* button : all)
            HideIfShown(button);
    }
}

}  // namespace

int ThemeListRows()
{
    return RowCount(Library.Themes.size(), 1);
}

int TrailListRows()
{
    return RowCount(Library.TrailList.Rows.size(), kTrailFixedRows);
}

int EffectListRows()
{
    return RowCount(Library.EffectLibrary.Rows.size(), 1);
}

int SoundFileRows()
{
    return RowCount(Library.SoundFiles.Rows.size(), 1);
}

void SelectThemeRow(int n)
{
    PanelList& list = Library.ThemeList;
    // A row past the rows has no entry to show.
    if (n >= ThemeListRows())
        return;
    if (n != list.Selected) {
        list.Selected = n;
        PlaceThemeRowButtons(Library.RowButtons, n);
        MoveThemeBar(list.SelectionBar, n);
    }
    EndSelect(list);
}

void SelectTrailRow(int n)
{
    PanelList& list = Library.TrailList;
    if (!RowInList(n, TrailListRows()))
        return;
    if (MoveSelection(list, kTrailBars, n))
        ShowTrailPreview(1);
    EndSelect(list);
}

void SelectEffectSlot(int n)
{
    Library.ListFocus = kFocusSlots;
    MoveSelection(Library.EffectSlots, kSlotBars, n);
    EndSelect(Library.EffectSlots);
}

void SelectSoundSlot(int n)
{
    Library.ListFocus = kFocusSlots;
    if (MoveSelection(Library.SoundSlots, kSlotBars, n))
        PlayCurrentThemeSound(n);
    EndSelect(Library.SoundSlots);
}

void SelectEffectRow()
{
    Library.ListFocus = kFocusLibrary;
    PanelList& list = Library.EffectLibrary;
    if (!RowInList(list.Hovered, EffectListRows()))
        return;
    MoveSelection(list, kEffectLibraryBars, list.Hovered);
    EndSelect(list);
}

void SelectSoundFileRow()
{
    Library.ListFocus = kFocusLibrary;
    PanelList& list = Library.SoundFiles;
    const int n = list.Hovered;
    if (!RowInList(n, SoundFileRows()))
        return;
    if (MoveSelection(list, kSoundFileBars, n) && n > 0)
        PlaySoundsFolderFile(list.Rows[static_cast<size_t>(n - 1)]->LinkName.get());
    EndSelect(list);
}

void HoverThemeRow(int n)
{
    PanelList& list = Library.ThemeList;
    if (n != list.Hovered) {
        list.Hovered = n;
        MoveThemeBar(list.HoverBar, n);
    }
    ShowHoverUnlessSelected(list);
}

void HoverEffectRow(int n)
{
    if (RowInList(n, EffectListRows()))
        Hover(Library.EffectLibrary, kEffectLibraryBars, n);
}

void HoverTrailRow(int n)
{
    if (RowInList(n, TrailListRows()))
        Hover(Library.TrailList, kTrailBars, n);
}

void HoverSoundFileRow(int n)
{
    if (RowInList(n, SoundFileRows()))
        Hover(Library.SoundFiles, kSoundFileBars, n);
}

void HoverEffectSlot(int n)
{
    Hover(Library.EffectSlots, kSlotBars, n);
}

void HoverSoundSlot(int n)
{
    Hover(Library.SoundSlots, kSlotBars, n);
}
