#include "MainFramePlacement.h"

#include "EditorIds.h"

MainFramePlacement PlaceMainFrame(SIZE documentFrame, SIZE chrome, const RECT& workArea)
{
    MainFramePlacement placement;
    const LONG width = documentFrame.cx + chrome.cx, height = documentFrame.cy + chrome.cy;
    const LONG areaWidth = workArea.right - workArea.left;
    const LONG areaHeight = workArea.bottom - workArea.top;
    if (width > areaWidth || height > areaHeight) {
        placement.Maximize = true;
        return placement;
    }
    const LONG left = workArea.left + (areaWidth - width) / 2;
    const LONG top = workArea.top + (areaHeight - height) / 2;
    placement.Window = {left, top, left + width, top + height};
    return placement;
}

int PlaceMainFrameWindow(HWND frame, HWND mdiClient, int showCommand)
{
    // A program started minimised or maximised keeps what it was asked for.
    if (showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE ||
        showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_FORCEMINIMIZE ||
        showCommand == SW_SHOWMAXIMIZED)
        return showCommand;
    // The client is made with both scroll bars; empty, it needs neither, and
    // they must not count as the room a document frame needs.
    ShowScrollBar(mdiClient, SB_BOTH, FALSE);
    RECT window{}, client{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetWindowRect(frame, &window) || !GetClientRect(mdiClient, &client) ||
        !GetMonitorInfoW(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST), &monitor))
        return showCommand;
    const SIZE chrome{(window.right - window.left) - client.right,
                      (window.bottom - window.top) - client.bottom};
    const SIZE document{kChildFrameRect.right - kChildFrameRect.left,
                        kChildFrameRect.bottom - kChildFrameRect.top};
    const MainFramePlacement placement = PlaceMainFrame(document, chrome, monitor.rcWork);
    if (placement.Maximize)
        return showCommand == SW_HIDE ? SW_HIDE : SW_SHOWMAXIMIZED;
    const RECT& r = placement.Window;
    SetWindowPos(frame, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return showCommand;
}
