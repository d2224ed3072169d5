#include "ThemeArgument.h"

#include <cwchar>
#include <cwctype>
#include <string>

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

std::wstring StripBlanks(const std::wstring& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool EndsWithNoCase(const wchar_t* path, const wchar_t* tail)
{
    size_t pathLength = wcslen(path);
    size_t tailLength = wcslen(tail);
    if (pathLength <= tailLength)
        return false;
    const wchar_t* end = path + pathLength - tailLength;
    for (size_t i = 0; i < tailLength; ++i) {
        if (towlower(end[i]) != towlower(tail[i]))
            return false;
    }
    return true;
}

}  // namespace

const wchar_t* CommandLineArguments(const wchar_t* commandLine)
{
    bool quoted = false;
    const wchar_t* at = commandLine;
    for (; *at; ++at) {
        if (*at == L' ' && !quoted)
            return at + 1;
        if (*at == L'"')
            quoted = !quoted;
    }
    return at;
}

bool ParseThemeArgument(const wchar_t* arguments, wchar_t* out, size_t outChars)
{
    if (outChars == 0)
        return false;
    out[0] = L'\0';
    while (IsBlank(*arguments) || *arguments == L'"')
        ++arguments;
    std::wstring text = StripBlanks(arguments);
    if (!text.empty() && text.back() == L'"')
        text.pop_back();
    text = StripBlanks(text);
    if (text.empty() || text.size() >= outChars)
        return false;
    wmemcpy(out, text.c_str(), text.size() + 1);
    return true;
}

bool HasThemeExtension(const wchar_t* path)
{
    return EndsWithNoCase(path, L".trivane") || EndsWithNoCase(path, L".pvlttheme");
}
