#include "RegistryWrites.h"

#include "EngineWorld.h"
#include "WorldHandles.h"

#include <cwchar>

namespace {

constexpr wchar_t kRunValue[] = L"Trivane";
constexpr wchar_t kOlderRunValue[] = L"Pavolt";

LSTATUS DoneIfMissing(LSTATUS status)
{
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS
                                                                            : status;
}

}  // namespace

LSTATUS WriteRegString(const wchar_t* text, HKEY root, const wchar_t* subkey, const wchar_t* name)
{
    HKEY opened = nullptr;
    LSTATUS status = World().RegOpenKeyExW(root, subkey, 0, KEY_SET_VALUE, &opened);
    if (status != ERROR_SUCCESS)
        return status;
    WorldRegKey key(opened);
    DWORD bytes = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    return World().RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                  bytes);
}

LSTATUS EnsureRegistryKey(HKEY root, const wchar_t* subkey, REGSAM access)
{
    HKEY created = nullptr;
    LSTATUS status =
        World().RegCreateKeyExW(root, subkey, 0, nullptr, 0, access, nullptr, &created, nullptr);
    WorldRegKey key(status == ERROR_SUCCESS ? created : nullptr);
    return status;
}

LSTATUS UpdateAutostart(const wchar_t* runKey, AutostartChange change, const wchar_t* command)
{
    HKEY opened = nullptr;
    LSTATUS status = World().RegOpenKeyExW(HKEY_CURRENT_USER, runKey, 0, KEY_SET_VALUE, &opened);
    if (status != ERROR_SUCCESS)
        return change == AutostartChange::Write ? status : DoneIfMissing(status);
    WorldRegKey key(opened);
    LSTATUS removed = DoneIfMissing(World().RegDeleteValueW(key.Get(), kOlderRunValue));
    LSTATUS changed = ERROR_SUCCESS;
    if (change == AutostartChange::Remove) {
        changed = DoneIfMissing(World().RegDeleteValueW(key.Get(), kRunValue));
    } else if (change == AutostartChange::Write && command) {
        DWORD bytes = static_cast<DWORD>((wcslen(command) + 1) * sizeof(wchar_t));
        changed = World().RegSetValueExW(key.Get(), kRunValue, 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(command), bytes);
    }
    return removed != ERROR_SUCCESS ? removed : changed;
}
