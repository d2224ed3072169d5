// Telling the control panel to reload, the trace sink and the message loop.

#include "EngineLifecycle.h"

#include "EngineValues.h"
#include "EngineWorld.h"
#include "PanelNotices.h"

BOOL CALLBACK NotifyThemeListEnumProc(HWND window, LPARAM)
{
    if (World().GetWindowLongPtrW(window, GWLP_USERDATA) != PanelWindowMark)
        return TRUE;
    World().PostMessageW(window, WM_NULL, ReloadThemeNotice, 0);
    return FALSE;
}

void DebugLog(const wchar_t*)
{
}

int RunMessageLoop()
{
    MSG message = {};
    while (World().GetMessageW(&message, nullptr, 0, 0) > 0) {
        World().TranslateMessage(&message);
        World().DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
