// The view's property panes: which item each shows, its title, storing its
// boxes into the entry, and its import, remove and centre buttons.

#include "CEditorMFCView.h"
#include "DocBusy.h"

#include "CEditorMFCDoc.h"
#include "CWinApp.h"
#include "EditorIds.h"
#include "EditorObjects.h"
#include "EditorTexts.h"
#include "LMFrameScript.h"
#include "LMMessageBox.h"
#include "PaneRules.h"
#include "ThemeVocabulary.h"

#include <cwchar>

namespace {

constexpr int kTitleLength = 256;
constexpr POINT kTitleOrigin = {3, 0};

// The filling flag is set for the whole of a fill, however it ends.
class FillingScope {
public:
    explicit FillingScope(int& flag) : flag_(flag) { flag_ = 1; }
    ~FillingScope() { flag_ = 0; }
    FillingScope(const FillingScope&) = delete;
    FillingScope& operator=(const FillingScope&) = delete;

private:
    int& flag_;
};

// Missing, without an image, or holding only the placeholder.
bool IsEmptyItem(const CThemeEntry* entry)
{
    return !entry || !entry->Animation || entry->Animation->Name == kPlaceholderStateName;
}

// The width of the entry's own image; 0 for an empty item.
int32_t ImageWidth(const CThemeEntry& entry)
{
    return !IsEmptyItem(&entry) && entry.Animation->Bitmap ? entry.Animation->Bitmap->Width : 0;
}

void WriteBox(HWND pane, int id, int32_t value, BoxSign sign)
{
    SetDlgItemTextW(pane, id, FormatBoxNumber(value, sign).c_str());
}

int32_t ReadBox(HWND pane, int id, BoxSign sign)
{
    HeapText text;
    GetDlgItemTextAlloc(&text, pane, id);
    return ReadBoxNumber(text.get(), sign);
}

// A script that differs only in letter case stays as it is; otherwise the
// entry's state runs the new one from its start.
void CommitScript(HWND pane, CThemeEntry* entry)
{
    HeapText text;
    GetDlgItemTextAlloc(&text, pane, kIdScriptBox);
    if (SameScript(text.get(), entry->Script.get()))
        return;
    entry->Script = std::move(text);
    if (!entry->Animation)
        return;
    entry->Animation->ScriptSteps.clear();
    if (entry->Script)
        ParseFrameScript(entry->Script.get(), &entry->Animation->ScriptSteps);
    entry->Animation->ResetScript();
}

}  // namespace

void CEditorMFCView::ShowCursorPane(int index, int variant)
{
    if (index < 0 || index >= kCursorRoleCount)
        return;
    FillingScope filling(Filling);
    wchar_t title[kTitleLength];
    std::swprintf(title, kTitleLength, L"%ls - %ls properties", variant ? L"Pressed" : L"Normal",
                  kCursorRoleLongNames[index]);
    SetCursorPaneTitle(title);
    if (SelectedCursor >= 0 && (SelectedCursor != index || SelectedCursorVariant != variant))
        CommitCursorPane(SelectedCursor, SelectedCursorVariant);
    SelectedCursor = index;
    SelectedCursorVariant = variant;
    FillPane(kCursorsTab, PaneEntry(kCursorsTab, index, variant));
}

void CEditorMFCView::ShowEffectPane(int index)
{
    if (index < 0 || index >= kMouseEventCount)
        return;
    FillingScope filling(Filling);
    wchar_t title[kTitleLength];
    std::swprintf(title, kTitleLength, L"%ls properties", kMouseEventNames[index]);
    SetEffectPaneTitle(title);
    if (SelectedEffect >= 0 && SelectedEffect != index)
        CommitEffectPane(SelectedEffect);
    SelectedEffect = index;
    FillPane(kEffectsTab, PaneEntry(kEffectsTab, index, 0));
}

void CEditorMFCView::ShowTrailPane(int index)
{
    if (index < 0 || index >= kTrailSlotCount)
        return;
    FillingScope filling(Filling);
    wchar_t title[kTitleLength];
    std::swprintf(title, kTitleLength, L"%ls properties", kTrailSlotNames[index]);
    SetTrailPaneTitle(title);
    if (SelectedTrail >= 0 && SelectedTrail != index)
        CommitTrailPane(SelectedTrail);
    SelectedTrail = index;
    FillPane(kTrailsTab, PaneEntry(kTrailsTab, index, 0));
}

void CEditorMFCView::CommitCursorPane(int index, int variant)
{
    CommitPane(kCursorsTab, PaneEntry(kCursorsTab, index, variant));
}

void CEditorMFCView::CommitEffectPane(int index)
{
    CommitPane(kEffectsTab, PaneEntry(kEffectsTab, index, 0));
}

void CEditorMFCView::CommitTrailPane(int index)
{
    auto* trail = static_cast<CThemeTrail*>(PaneEntry(kTrailsTab, index, 0));
    CommitPane(kTrailsTab, trail);
    if (trail)
        trail->TrailsPerSecond = ReadBox(TrailPane, kIdTrailsPerSecondBox, BoxSign::Unsigned);
}

void CEditorMFCView::CommitAllPanes()
{
    if (SelectedCursor >= 0)
        CommitCursorPane(SelectedCursor, ShownVariant);
    if (SelectedEffect >= 0)
        CommitEffectPane(SelectedEffect);
    if (SelectedTrail >= 0)
        CommitTrailPane(SelectedTrail);
}

void CEditorMFCView::CommitSelectedPane(int grid)
{
    if (grid == kCursorsTab)
        CommitCursorPane(SelectedCursor, ShownVariant);
    else if (grid == kEffectsTab)
        CommitEffectPane(SelectedEffect);
    else
        CommitTrailPane(SelectedTrail);
}

int CEditorMFCView::SelectedItem(int grid) const
{
    return grid == kCursorsTab   ? SelectedCursor
           : grid == kEffectsTab ? SelectedEffect
                                 : SelectedTrail;
}

CThemeEntry* CEditorMFCView::PaneEntry(int grid, int index, int variant) const
{
    CEditorMFCDoc* document = GetDocument();
    if (!document || index < 0)
        return nullptr;
    if (grid == kCursorsTab)
        return document->FindCursor(index, variant);
    return grid == kEffectsTab ? static_cast<CThemeEntry*>(document->GetEffect(index))
                               : document->GetTrail(index);
}

void CEditorMFCView::FillPane(int grid, const CThemeEntry* entry)
{
    HWND pane = Pane(grid);
    if (!pane)
        return;
    const PaneFormat& format = kPaneFormats[grid];
    const bool empty = IsEmptyItem(entry);
    EnableWindow(GetDlgItem(pane, kIdRemoveButton), !empty);
    WriteBox(pane, kIdFramesBox, empty ? 0 : entry->Frames, format.FramesShown);
    WriteBox(pane, kIdHotSpotXBox, empty ? 0 : entry->HotSpotX, format.HotSpotShown);
    WriteBox(pane, kIdHotSpotYBox, empty ? 0 : entry->HotSpotY, format.HotSpotShown);
    WriteBox(pane, kIdIntervalBox, empty ? kEmptyPaneInterval : entry->Interval,
             format.IntervalShown);
    CheckDlgButton(pane, kIdAlternateCheck,
                   !empty && entry->Alternate ? BST_CHECKED : BST_UNCHECKED);
    if (grid == kCursorsTab)
        CheckDlgButton(pane, kIdLoopCheck, !empty && entry->Loop ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextW(pane, kIdScriptBox, !empty && entry->Script ? entry->Script.get() : L"");
    if (grid == kTrailsTab) {
        const auto* trail = static_cast<const CThemeTrail*>(entry);
        WriteBox(pane, kIdTrailsPerSecondBox,
                 empty ? kDefaultTrailsPerSecond : trail->TrailsPerSecond, BoxSign::Unsigned);
    }
}

void CEditorMFCView::CommitPane(int grid, CThemeEntry* entry)
{
    HWND pane = Pane(grid);
    if (!entry || !pane)
        return;
    const PaneFormat& format = kPaneFormats[grid];
    entry->HotSpotX = ReadBox(pane, kIdHotSpotXBox, format.HotSpotRead);
    entry->HotSpotY = ReadBox(pane, kIdHotSpotYBox, format.HotSpotRead);
    entry->Frames =
        StoredFrames(ReadBox(pane, kIdFramesBox, format.FramesRead), ImageWidth(*entry));
    entry->Interval = ReadBox(pane, kIdIntervalBox, format.IntervalRead);
    entry->Alternate = IsDlgButtonChecked(pane, kIdAlternateCheck) == BST_CHECKED;
    if (grid == kCursorsTab)
        entry->Loop = IsDlgButtonChecked(pane, kIdLoopCheck) == BST_CHECKED;
    if (ImageWidth(*entry) > 0)
        entry->Animation->SetFrames(entry->Frames, entry->Interval,
                                    CommittedFrameFlags(entry->Alternate));
    CommitScript(pane, entry);
    RefreshOtherPanes(grid, entry);
}

void CEditorMFCView::RefreshOtherPanes(int grid, const CThemeEntry* entry)
{
    CEditorMFCDoc* document = GetDocument();
    if (!document || !entry)
        return;
    for (CView* other : document->Views()) {
        auto* view = dynamic_cast<CEditorMFCView*>(other);
        if (!view || view == this || !view->Pane(grid))
            continue;
        const int variant = grid == kCursorsTab ? view->SelectedCursorVariant : 0;
        if (view->PaneEntry(grid, view->SelectedItem(grid), variant) != entry)
            continue;
        FillingScope filling(view->Filling);
        view->FillPane(grid, entry);
    }
}

void CEditorMFCView::SetCursorPaneTitle(const wchar_t* text)
{
    SetPaneTitle(kCursorsTab, text);
}

void CEditorMFCView::SetEffectPaneTitle(const wchar_t* text)
{
    SetPaneTitle(kEffectsTab, text);
}

void CEditorMFCView::SetTrailPaneTitle(const wchar_t* text)
{
    SetPaneTitle(kTrailsTab, text);
}

void CEditorMFCView::SetPaneTitle(int grid, const wchar_t* text)
{
    PaneTitle& title = titles_[static_cast<size_t>(grid)];
    title.Text.reset();
    if (title.Host)
        title.Text = CreateTextObject(title.Host, kTitleOrigin.x, kTitleOrigin.y, text, L"Segoe UI",
                                      9, 1, RGB(0, 0, 0), 0);
}

void CEditorMFCView::ImportCursorImage(const wchar_t* path)
{
    ImportImage(kCursorsTab, path);
}

void CEditorMFCView::ImportEffectImage(const wchar_t* path)
{
    ImportImage(kEffectsTab, path);
}

void CEditorMFCView::ImportTrailImage(const wchar_t* path)
{
    ImportImage(kTrailsTab, path);
}

void CEditorMFCView::RemoveCursor()
{
    RemoveItem(kCursorsTab);
}

void CEditorMFCView::RemoveEffect()
{
    RemoveItem(kEffectsTab);
}

void CEditorMFCView::RemoveTrail()
{
    RemoveItem(kTrailsTab);
}

void CEditorMFCView::ImportImage(int grid, const wchar_t* path)
{
    CEditorMFCDoc* document = GetDocument();
    const int index = SelectedItem(grid);
    if (!document || index < 0)
        return;
    CommitSelectedPane(grid);
    // The document clears an item whose import fails: a file that cannot
    // become its image must not cost it the one it has.
    // The loader's own box is held back: this one says it. No close may
    // free the document while a box is up.
    DocBusyScope importing;
    bool importable = false;
    {
        LMQuietErrors quiet;
        importable = CEditorMFCDoc::CanImportImage(path);
    }
    if (!importable) {
        std::wstring text = std::wstring(kTextImageUnreadable) + (path ? path : L"");
        LMMessageBox(Pane(grid), text.c_str(), AppTitle(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int imported = grid == kCursorsTab
                             ? document->ImportCursorImage(index, ShownVariant, path)
                         : grid == kEffectsTab ? document->ImportEffectImage(index, path)
                                               : document->ImportTrailImage(index, path);
    const CThemeEntry* entry = PaneEntry(grid, index, ShownVariant);
    if (imported && entry) {
        FillingScope filling(Filling);
        WriteBox(Pane(grid), kIdFramesBox, entry->Frames, kPaneFormats[grid].FramesShown);
        EnableWindow(GetDlgItem(Pane(grid), kIdRemoveButton), TRUE);
    }
    RefreshOtherPanes(grid, entry);
    RestartGridTimer(grid);
}

void CEditorMFCView::RemoveItem(int grid)
{
    CEditorMFCDoc* document = GetDocument();
    const int index = SelectedItem(grid);
    if (!document || index < 0)
        return;
    if (grid == kCursorsTab)
        document->ClearCursor(index, ShownVariant);
    else if (grid == kEffectsTab)
        document->ClearEffect(index);
    else
        document->ClearTrail(index);
    RefreshOtherPanes(grid, PaneEntry(grid, index, ShownVariant));
    EnableWindow(GetDlgItem(Pane(grid), kIdRemoveButton), FALSE);
    RestartGridTimer(grid);
}

void CEditorMFCView::CentreHotSpot(int grid)
{
    CEditorMFCDoc* document = GetDocument();
    const CThemeEntry* entry = PaneEntry(grid, SelectedItem(grid), ShownVariant);
    if (!document || !document->Theme || !entry || !entry->Animation)
        return;
    const PaneFormat& format = kPaneFormats[grid];
    WriteBox(Pane(grid), kIdHotSpotXBox, entry->Animation->FrameWidth / 2, format.HotSpotShown);
    WriteBox(Pane(grid), kIdHotSpotYBox, entry->Animation->FrameHeight / 2, format.HotSpotShown);
    RestartGridTimer(grid);
}

void CEditorMFCView::OnPaneButton(int grid, UINT id)
{
    if (id == kIdImportButton) {
        std::wstring path;
        if (SelectedItem(grid) >= 0 && AskOpenFile(Pane(grid), kImageFilter, &path))
            ImportImage(grid, path.c_str());
    } else if (id == kIdRemoveButton) {
        RemoveItem(grid);
    } else if (id == kIdCenterButton) {
        CentreHotSpot(grid);
    }
}
