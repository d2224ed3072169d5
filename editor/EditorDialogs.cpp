#include "EditorDialogs.h"

#include "CEditorMFCView.h"
#include "EditorIds.h"
#include "LMObjWindow.h"

#include <commctrl.h>

namespace {

// The page procedures: the edit debounce ends by storing the pane and
// rebuilding the page's grid; the cursors page scrolls its grid.
INT_PTR GridPageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int grid)
{
    CEditorMFCView* view = ViewOfDialog(dialog);
    if (!view)
        return FALSE;
    if (message == WM_TIMER && wParam == kPageTimerId)
        LMGuarded([&] { view->OnPageTimer(grid); });
    else if (message == WM_VSCROLL && grid == kCursorsTab && lParam &&
             reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, kIdPageScrollBar))
        LMGuarded([&] { view->ScrollCursorGrid(LOWORD(wParam)); });
    return FALSE;
}

// Whether a pane's control notification is an edit that restarts the debounce.
bool IsPaneEdit(UINT id, UINT code, bool withLoop)
{
    switch (id) {
    case kIdScriptBox:
    case kIdFramesBox:
    case kIdIntervalBox:
    case kIdHotSpotXBox:
    case kIdHotSpotYBox:
        return code == EN_CHANGE;
    case kIdAlternateCheck:
        return true;
    case kIdLoopCheck:
        return withLoop;
    default:
        return false;
    }
}

INT_PTR PaneProc(HWND dialog, UINT message, WPARAM wParam, int grid)
{
    CEditorMFCView* view = ViewOfDialog(dialog);
    if (!view || message != WM_COMMAND)
        return FALSE;
    const UINT id = LOWORD(wParam);
    if ((id == kIdImportButton || id == kIdRemoveButton || id == kIdCenterButton) &&
        HIWORD(wParam) == BN_CLICKED) {
        LMGuarded([&] { view->OnPaneButton(grid, id); });
        return FALSE;
    }
    if (!view->Filling && IsPaneEdit(id, HIWORD(wParam), grid == kCursorsTab))
        view->RestartGridTimer(grid);
    return FALSE;
}

// The sounds page: any notification of the list plays its row; the buttons
// act on the selected row.
INT_PTR SoundsPageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    CEditorMFCView* view = ViewOfDialog(dialog);
    if (!view)
        return FALSE;
    if (message == WM_DRAWITEM && wParam == kIdSoundList && lParam) {
        LMGuarded([&] { view->DrawSoundRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); });
    } else if (message == WM_COMMAND && LOWORD(wParam) == kIdSoundList) {
        LMGuarded([&] { view->OnSoundListNotify(); });
    } else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        LMGuarded([&] { view->OnSoundButton(LOWORD(wParam)); });
    }
    return FALSE;
}

}  // namespace

CEditorMFCView* ViewOfDialog(HWND dialog)
{
    return dialog ? static_cast<CEditorMFCView*>(GetPropW(dialog, kClassPtrProp)) : nullptr;
}

INT_PTR CALLBACK TabHostDlgProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    CEditorMFCView* view = ViewOfDialog(dialog);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!view || message != WM_NOTIFY || !header || header->idFrom != kIdTabControl ||
        header->code != static_cast<UINT>(TCN_SELCHANGE))
        return FALSE;
    int tab = static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0));
    if (tab < 0 || tab >= kTabCount)
        return FALSE;
    view->CurrentTab = tab;
    for (int other = 0; other < kTabCount; ++other)
        ShowWindow(view->Page(other), other == tab ? SW_SHOW : SW_HIDE);
    return FALSE;
}

INT_PTR CALLBACK BlankDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

INT_PTR CALLBACK CursorsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GridPageProc(dialog, message, wParam, lParam, kCursorsTab);
}

INT_PTR CALLBACK EffectsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GridPageProc(dialog, message, wParam, lParam, kEffectsTab);
}

INT_PTR CALLBACK TrailsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GridPageProc(dialog, message, wParam, lParam, kTrailsTab);
}

INT_PTR CALLBACK SoundsPageDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SoundsPageProc(dialog, message, wParam, lParam);
}

INT_PTR CALLBACK CursorPaneDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return PaneProc(dialog, message, wParam, kCursorsTab);
}

INT_PTR CALLBACK EffectPaneDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return PaneProc(dialog, message, wParam, kEffectsTab);
}

INT_PTR CALLBACK TrailPaneDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return PaneProc(dialog, message, wParam, kTrailsTab);
}
