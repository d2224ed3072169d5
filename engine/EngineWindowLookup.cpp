// Shared with the settings page: finding the engine window and writing a
// registry text.

#include "EngineWindowLookup.h"

#include "EngineWorld.h"

#include <cwchar>

HWND FindEngineWindow()
{
    return World().FindWindowW(L"Pavolt", nullptr);
}

LSTATUS WriteRegString(const wchar_t* text, HKEY root, const wchar_t* subkey, const wchar_t* name)
{
    HKEY key = nullptr;
    LSTATUS status = World().RegOpenKeyExW(root, subkey, 0, KEY_SET_VALUE, &key);
    if (status != ERROR_SUCCESS)
        return status;
    DWORD bytes = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    status =
        World().RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes);
    World().RegCloseKey(key);
    return status;
}
