#include "RegistrySettings.h"

#include "ScopedWin.h"

#include <algorithm>
#include <vector>

namespace
{

ScopedRegKey OpenForQuery(HKEY root, const wchar_t* subkey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return ScopedRegKey();
    return ScopedRegKey(key);
}

} // namespace

int ReadRegistryDword(
    int32_t* out, HKEY root, const wchar_t* subkey, const wchar_t* name, int32_t defaultValue)
{
    ScopedRegKey key = OpenForQuery(root, subkey);
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!key
        || RegQueryValueExW(
               key.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size)
            != ERROR_SUCCESS) {
        *out = defaultValue;
        return 0;
    }
    *out = static_cast<int32_t>(value);
    return 1;
}

int ReadRegistryString(
    wchar_t* buffer, DWORD bufferBytes, HKEY root, const wchar_t* subkey, const wchar_t* name)
{
    size_t capacity = bufferBytes / sizeof(wchar_t);
    ScopedRegKey key = OpenForQuery(root, subkey);
    if (!key || capacity == 0)
        return 0;
    // Queried into a copy, so a value that does not fit never half-fills the buffer.
    std::vector<wchar_t> text(capacity, L'\0');
    DWORD size = static_cast<DWORD>(capacity * sizeof(wchar_t));
    if (RegQueryValueExW(
            key.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size)
        != ERROR_SUCCESS)
        return 0;
    size_t characters = size / sizeof(wchar_t);
    size_t length = std::find(text.begin(), text.begin() + characters, L'\0') - text.begin();
    if (length >= capacity)
        return 0; // no room for the terminator
    std::copy(text.begin(), text.begin() + length, buffer);
    buffer[length] = L'\0';
    return 1;
}
