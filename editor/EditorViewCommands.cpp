// The view's commands and page events: copy and paste, the page timers that
// end the edit debounce, and the cursors page's scroll bar.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "DocViewIds.h"
#include "EditorIds.h"
#include "PaneRules.h"

bool CEditorMFCView::OnCmdMsg(UINT id, UINT code, bool execute)
{
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
