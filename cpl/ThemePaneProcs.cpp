// The theme pane's window procedures: the pane's scroll bars, and the strip
// host's refill timer that the folder watcher re-arms.

#include "CThemePane.h"

#include "CQVObj.h"
#include "CplResources.h"
#include "LMObjWindow.h"

namespace cpl {

void CThemePane::OnScroll(HWND bar, int code)
{
    bool strip = bar && bar == GetDlgItem(Window, IDC_CPL_STRIP_SCROLL);
    bool preview = bar && bar == GetDlgItem(Window, IDC_CPL_PREVIEW_SCROLL);
    if ((!strip && !preview) || !StripList || !PreviewList)
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(bar, SB_CTL, &info))
        return;
    int step = strip ? kStripCellWidth : PreviewRowHeight;
    int target = ScrollTarget(code, info.nPos, step, info.nMin, info.nMax, info.nTrackPos);
    SetScrollPos(bar, SB_CTL, target, TRUE);
    int position = GetScrollPos(bar, SB_CTL);
    if (position == info.nPos)
        return;
    if (strip)
        StripList->MoveTo(-position, 0);
    else
        PreviewList->MoveTo(0, -position);
}

INT_PTR CALLBACK ThemePaneScrollProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HSCROLL || message == WM_VSCROLL) {
        LMGuarded([&] { ThemePane.OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam)); });
    }
    return 0;
}

// A burst of changes re-arms the timer again and again: one refill follows,
// a second after the last change.
INT_PTR CALLBACK ThemePaneTimerProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == kRefillRequest) {
        KillTimer(window, kRefillTimer);
        SetTimer(window, kRefillTimer, kRefillDelayMs, nullptr);
        return TRUE;
    }
    if (message == WM_TIMER && wParam == kRefillTimer) {
        KillTimer(window, kRefillTimer);
        if (window == ThemePane.StripHost)
            LMGuarded([] { ThemePane.FillThemeList(); });
        return TRUE;
    }
    return FALSE;
}

}  // namespace cpl
