#include "EntryName.h"

#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT kCodePage437 = 437;

bool IsSeparator(wchar_t c)
{
    return c == L'/' || c == L'\\';
}

bool IsRefusedCharacter(wchar_t c)
{
    return c < 0x20 || c == 0x7F || std::wcschr(L":<>\"|?*", c) != nullptr;
}

// CON, PRN, AUX, NUL, COM0-9, LPT0-9 and the console names stand for devices
// in any folder, whatever extension follows.
bool IsDeviceName(const std::wstring& part)
{
    std::wstring base = part.substr(0, part.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (_wcsicmp(base.c_str(), device) == 0)
            return true;
    }
    if (base.size() != 4 || !std::wcschr(L"0123456789\u00B9\u00B2\u00B3", base[3]))
        return false;
    std::wstring stem = base.substr(0, 3);
    return _wcsicmp(stem.c_str(), L"COM") == 0 || _wcsicmp(stem.c_str(), L"LPT") == 0;
}

// Windows drops trailing dots and blanks, so "..." or ". " would act as a
// parent or current folder; a part may not end with either.
bool IsPlainPart(const std::wstring& part)
{
    return !part.empty() && part.back() != L'.' && part.back() != L' ' && !IsDeviceName(part);
}

}  // namespace

bool DecodeEntryName(const uint8_t* bytes, size_t length, bool utf8, std::wstring* name)
{
    name->clear();
    if (length == 0)
        return true;
    UINT codePage = utf8 ? CP_UTF8 : kCodePage437;
    DWORD flags = utf8 ? MB_ERR_INVALID_CHARS : 0;
    auto source = reinterpret_cast<const char*>(bytes);
    int count = MultiByteToWideChar(codePage, flags, source, static_cast<int>(length), nullptr, 0);
    if (count <= 0)
        return false;
    name->resize(static_cast<size_t>(count));
    return MultiByteToWideChar(codePage, flags, source, static_cast<int>(length), name->data(),
                               count) == count;
}

bool SafeRelativePath(const std::wstring& name, std::wstring* relative)
{
    relative->clear();
    if (name.empty() || IsSeparator(name[0]))
        return false;
    for (wchar_t c : name) {
        if (IsRefusedCharacter(c))
            return false;
    }
    size_t start = 0;
    while (start < name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        std::wstring part = name.substr(start, end - start);
        if (!IsPlainPart(part))
            return false;
        if (!relative->empty())
            *relative += L'\\';
        *relative += part;
        // A single separator may end the name: it marks a folder.
        start = end + 1;
    }
    return !relative->empty();
}

bool PathUnderFolder(const std::wstring& folder, const std::wstring& relative, std::wstring* full)
{
    std::wstring joined = folder + L"\\" + relative;
    if (joined.size() >= MAX_PATH)
        return false;
    wchar_t buffer[MAX_PATH];
    DWORD length = GetFullPathNameW(joined.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return false;
    full->assign(buffer, length);
    std::wstring prefix = folder + L"\\";
    return full->size() > prefix.size() &&
           _wcsnicmp(full->c_str(), prefix.c_str(), prefix.size()) == 0;
}
