#include "CplSettings.h"

#include "ScopedWin.h"

namespace cpl {

namespace {

// True only for a REG_DWORD of exactly this value: any other type of the same
// bytes (a short REG_SZ, a REG_BINARY) is rewritten as a DWORD.
bool StoredAs(int32_t value, HKEY root, const wchar_t* key, const wchar_t* name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return false;
    ScopedRegKey owner(opened);
    DWORD type = 0;
    DWORD stored = 0;
    DWORD bytes = sizeof(stored);
    if (RegQueryValueExW(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &bytes) !=
        ERROR_SUCCESS)
        return false;
    return type == REG_DWORD && bytes == sizeof(stored) && static_cast<int32_t>(stored) == value;
}

}  // namespace

SettingsLocation& PageSettings()
{
    static SettingsLocation location;
    return location;
}

int WriteDwordIfChanged(int32_t value, HKEY root, const wchar_t* key, const wchar_t* name)
{
    if (StoredAs(value, root, key, name))
        return 0;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS)
        return 1;
    ScopedRegKey owner(opened);
    DWORD data = static_cast<DWORD>(value);
    RegSetValueExW(opened, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
    return 1;
}

}  // namespace cpl
