#include "WebAddress.h"

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

std::wstring MailToOpen(const wchar_t* address)
{
    const std::wstring encoded = Encoded(Trimmed(address));
    return encoded.empty() ? std::wstring() : L"mailto:" + encoded;
}
