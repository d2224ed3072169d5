#pragma once
// The page's settings in the registry: where they live, and the writer that
// stores a DWORD only when it changes.

#include <windows.h>

#include <cstdint>
#include <string>

namespace cpl {

// HKCU "SOFTWARE\Kelmora\Trivane"; tests point it at a key of their own.
struct SettingsLocation {
    HKEY Root = HKEY_CURRENT_USER;
    std::wstring Key = L"SOFTWARE\\Kelmora\\Trivane";
};
SettingsLocation& PageSettings();

// 0 when the value is stored as that REG_DWORD already; otherwise writes it
// as a 4-byte REG_DWORD and returns 1. A key that does not exist is not made:
// nothing is written then, and the result is still 1.
int WriteDwordIfChanged(int32_t value, HKEY root, const wchar_t* key, const wchar_t* name);

}  // namespace cpl
