#include "WebAddress.h"

#include <cwchar>
#include <cwctype>

namespace {

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::towlower(text[i]) != prefix[i])
            return false;
    }
    return true;
}

std::wstring Trimmed(const wchar_t* text)
{
    std::wstring trimmed = text ? text : L"";
    const size_t first = trimmed.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::wstring();
    trimmed.erase(0, first);
    trimmed.erase(trimmed.find_last_not_of(L" \t") + 1);
    return trimmed;
}

// The text as one argument; empty when it holds a control character.
std::wstring Encoded(const std::wstring& text)
{
    std::wstring out;
    for (wchar_t c : text) {
        if (c < 0x20 || c == 0x7F)
            return std::wstring();
        if (c == L' ')
            out += L"%20";
        else if (c == L'"')
            out += L"%22";
        else
            out += c;
    }
    return out;
}

}  // namespace

std::wstring WebsiteToOpen(const wchar_t* text)
{
    const std::wstring address = Trimmed(text);
    if (StartsWithNoCase(address, L"http://") || StartsWithNoCase(address, L"https://"))
        return Encoded(address);
    if (StartsWithNoCase(address, L"www."))
        return Encoded(L"http://" + address);
    return std::wstring();
}

// A plain address: one "@" with something on either side, and none of the
// characters that would open further fields, folders or other programs.
bool IsPlainMailAddress(const std::wstring& address)
{
    const size_t at = address.find(L'@');
    if (at == 0 || at == std::wstring::npos || at + 1 == address.size() ||
        address.find(L'@', at + 1) != std::wstring::npos)
        return false;
    for (wchar_t c : address) {
        if (c <= 0x20 || c == 0x7F || std::wcschr(L"?&%/\\\"<>", c))
            return false;
    }
    return true;
}

std::wstring MailToOpen(const wchar_t* address)
{
    const std::wstring trimmed = Trimmed(address);
    return IsPlainMailAddress(trimmed) ? L"mailto:" + trimmed : std::wstring();
}
