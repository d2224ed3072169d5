// Small helpers that other programs use too: finding the engine window,
// writing a registry text, telling the control panel to reload, the trace
// sink and the message loop.

#include "EngineLifecycle.h"

#include "EngineValues.h"
#include "EngineWorld.h"

#include <cwchar>

HWND FindEngineWindow()
{
    return World().FindWindowW(kEngineWindowClass, nullptr);
}

void WriteRegString(const wchar_t* text, HKEY root, const wchar_t* subkey, const wchar_t* name)
{
    HKEY key = nullptr;
    if (World().RegOpenKeyExW(root, subkey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    DWORD bytes = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    World().RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes);
    World().RegCloseKey(key);
}

BOOL CALLBACK NotifyThemeListEnumProc(HWND window, LPARAM)
{
    if (World().GetWindowLongPtrW(window, GWLP_USERDATA) != PanelWindowMark)
        return TRUE;
    World().PostMessageW(window, WM_NULL, kPanelReloadTheme, 0);
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
