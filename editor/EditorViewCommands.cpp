// The view's commands and page events: copy and paste, the page timers that
// end the edit debounce, and the cursors page's scroll bar.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "DocViewIds.h"
#include "EditorIds.h"
#include "PaneRules.h"

#include <cwchar>

namespace {

// What an edit command asks of a box; 0 for other commands.
UINT BoxEditMessage(UINT id)
{
    switch (id) {
    case kIdEditCopy:
        return WM_COPY;
    case kIdEditCut:
        return WM_CUT;
    case kIdEditPaste:
        return WM_PASTE;
    case kIdEditUndo:
        return WM_UNDO;
    default:
        return 0;
    }
}

}  // namespace

HWND CEditorMFCView::FocusedBox() const
{
    HWND focus = GetFocus();
    wchar_t name[8] = L"";
    if (!focus || !IsChild(GetSafeHwnd(), focus) || !GetClassNameW(focus, name, 8))
        return nullptr;
    return _wcsicmp(name, L"Edit") == 0 ? focus : nullptr;
}

bool CEditorMFCView::OnCmdMsg(UINT id, UINT code, bool execute)
{
    // While a box has the keyboard focus the edit commands, and so their
    // keys, work on its text: Ctrl+V in a script must not paste an item
    // over the entry being typed.
    const UINT boxMessage = code == kCodeCommand ? BoxEditMessage(id) : 0;
    if (HWND box = boxMessage ? FocusedBox() : nullptr) {
        if (execute)
            SendMessageW(box, boxMessage, 0, 0);
        return true;
    }
    static const CommandEntry<CEditorMFCView> kTable[] = {
        HandleCommand(kIdThemeProperties, &CEditorMFCView::OnThemeProperties),
        HandleCommand(kIdApply, &CEditorMFCView::OnApply),
        HandleCommand(kIdSaveAndApply, &CEditorMFCView::OnSaveAndApply),
        HandleCommand(kIdEditCopy, &CEditorMFCView::OnEditCopy),
        HandleCommand(kIdEditPaste, &CEditorMFCView::OnEditPaste),
    };
    // Until something is copied there is nothing to paste: the command is
    // greyed, and pasting would only take the item's image away.
    if (id == kIdEditPaste && !CEditorMFCDoc::ClipboardEntry().Animation)
        return CView::OnCmdMsg(id, code, execute);
    return DispatchCommand(*this, kTable, id, code, execute) || CView::OnCmdMsg(id, code, execute);
}

void CEditorMFCView::OnEditCopy()
{
    CEditorMFCDoc* document = GetDocument();
    const int grid = CurrentTab;
    if (!document || grid > kTrailsTab || SelectedItem(grid) < 0)
        return;
    // What the pane shows is what is copied, typed a moment ago or not.
    CommitSelectedPane(grid);
    if (grid == kCursorsTab)
        document->CopyCursor(SelectedCursor, SelectedCursorVariant);
    else if (grid == kEffectsTab)
        document->CopyEffect(SelectedEffect);
    else
        document->CopyTrail(SelectedTrail);
}

void CEditorMFCView::OnEditPaste()
{
    CEditorMFCDoc* document = GetDocument();
    const int grid = CurrentTab;
    if (!document || grid > kTrailsTab || SelectedItem(grid) < 0 ||
        !CEditorMFCDoc::ClipboardEntry().Animation)
        return;
    // The same selection: the pane is filled again without a commit.
    if (grid == kCursorsTab) {
        document->PasteCursor(SelectedCursor, SelectedCursorVariant);
        ShowCursorPane(SelectedCursor, SelectedCursorVariant);
    } else if (grid == kEffectsTab) {
        document->PasteEffect(SelectedEffect);
        ShowEffectPane(SelectedEffect);
    } else {
        document->PasteTrail(SelectedTrail);
        ShowTrailPane(SelectedTrail);
    }
    RefreshOtherPanes(grid, PaneEntry(grid, SelectedItem(grid), SelectedCursorVariant));
    RestartGridTimer(grid);
}

void CEditorMFCView::RestartGridTimer(int grid)
{
    RestartTimer(Page(grid));
}

void CEditorMFCView::OnPageTimer(int grid)
{
    KillTimer(Page(grid), kPageTimerId);
    CommitSelectedPane(grid);
    if (grid == kCursorsTab)
        BuildCursorGrid();
    else if (grid == kEffectsTab)
        BuildEffectGrid();
    else
        BuildTrailGrid();
}

void CEditorMFCView::ScrollCursorGrid(int code)
{
    HWND bar = GetDlgItem(CursorsPage, kIdPageScrollBar);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!bar || !GetScrollInfo(bar, SB_CTL, &info))
        return;
    const int before = info.nPos;
    info.fMask = SIF_POS;
    info.nPos = ScrolledPosition(code, info);
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    // The bar keeps the position within its range; the grid follows it.
    GetScrollInfo(bar, SB_CTL, &info);
    if (info.nPos != before && CursorGrid)
        CursorGrid->MoveTo(0, -info.nPos);
}
