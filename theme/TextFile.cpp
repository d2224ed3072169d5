#include "TextFile.h"

#include "ScopedWin.h"

#include <memory>
#include <new>

namespace
{

bool ReadAll(HANDLE file, void* data, DWORD size)
{
    DWORD got = 0;
    return size == 0 || (ReadFile(file, data, size, &got, nullptr) && got == size);
}

// Whole UTF-16 characters after the mark; an odd last byte is dropped.
HeapText ReadUtf16(HANDLE file, DWORD bytes)
{
    DWORD characters = bytes / 2;
    HeapText text(new (std::nothrow) wchar_t[characters + 3]);
    std::unique_ptr<uint8_t[]> raw(new (std::nothrow) uint8_t[bytes + 1]);
    if (!text || !raw || !ReadAll(file, raw.get(), bytes))
        return nullptr;
    for (DWORD i = 0; i < characters; ++i)
        text[i] = static_cast<wchar_t>(raw[2 * i] | (raw[2 * i + 1] << 8));
    text[characters] = L'\r';
    text[characters + 1] = L'\n';
    text[characters + 2] = L'\0';
    return text;
}

// The whole file in the ANSI code page; first holds its first two bytes.
HeapText ReadAnsi(HANDLE file, const uint8_t (&first)[2], DWORD size)
{
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[size + 3]);
    HeapText text(new (std::nothrow) wchar_t[size + 3]);
    if (!bytes || !text || !ReadAll(file, bytes.get() + 2, size - 2))
        return nullptr;
    bytes[0] = static_cast<char>(first[0]);
    bytes[1] = static_cast<char>(first[1]);
    bytes[size] = '\r';
    bytes[size + 1] = '\n';
    bytes[size + 2] = '\0';
    int converted = MultiByteToWideChar(
        CP_ACP, 0, bytes.get(), static_cast<int>(size + 3), text.get(), static_cast<int>(size + 3));
    return converted > 0 ? std::move(text) : nullptr;
}

} // namespace

DWORD ReadTextFile(const wchar_t* path, HeapText* out)
{
    out->reset();
    ScopedFile file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size {};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 2
        || static_cast<uint64_t>(size.QuadPart) > kMaxTextFileBytes)
        return 0;
    auto bytes = static_cast<DWORD>(size.QuadPart);
    uint8_t first[2];
    if (!ReadAll(file.Get(), first, 2))
        return 0;
    if (first[0] == 0xFF && first[1] == 0xFE) {
        *out = ReadUtf16(file.Get(), bytes - 2);
        return *out ? bytes - 2 : 0;
    }
    *out = ReadAnsi(file.Get(), first, bytes);
    return *out ? bytes : 0;
}

bool NextLine(const wchar_t** cursor, std::wstring* line)
{
    const wchar_t* p = *cursor;
    if (*p == L'\0')
        return false;
    const wchar_t* start = p;
    while (*p != L'\0' && *p != L'\r' && *p != L'\n')
        ++p;
    line->assign(start, static_cast<size_t>(p - start));
    if (*p == L'\r')
        ++p;
    if (*p == L'\n')
        ++p;
    *cursor = p;
    return true;
}
