// Shared with the settings page: finding the engine window and writing a
// registry text.

#include "EngineWindowLookup.h"

#include "EngineWorld.h"

#include <cwchar>

HWND FindEngineWindow()
{
    return World().FindWindowW(L"Pavolt", nullptr);
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
