#include "UiTextParser.h"

#include <cwchar>
#include <vector>

namespace {

bool IsLineBreak(wchar_t c)
{
    return c == L'\r' || c == L'\n';
}

// The number of a line "key=text", or 0 when the line does not count: no
// "=", an empty key, or a key that wcstol reads as no number from 1 to 149.
long UiLineNumber(wchar_t* line, wchar_t** text)
{
    wchar_t* equals = std::wcschr(line, L'=');
    if (!equals || equals == line)
        return 0;
    *equals = L'\0';
    long number = std::wcstol(line, nullptr, 10);
    *text = equals + 1;
    return (number >= kUiTextFirst && number <= kUiTextLast) ? number : 0;
}

}  // namespace

bool NextTextLine(const wchar_t** cursor, wchar_t* line, size_t lineChars)
{
    const wchar_t* at = *cursor;
    if (*at == L'\0')
        return false;
    size_t length = 0;
    for (; *at != L'\0' && !IsLineBreak(*at); ++at) {
        if (length + 1 < lineChars)
            line[length++] = *at;
    }
    if (lineChars > 0)
        line[length] = L'\0';
    if (IsLineBreak(*at))
        ++at;
    if (*at == L'\n')
        ++at;
    *cursor = at;
    return true;
}

void ParseUiText(const wchar_t* text, UiTable& table)
{
    if (!text)
        return;
    std::vector<wchar_t> line(kUiLineChars + 1);
    const wchar_t* cursor = text;
    while (NextTextLine(&cursor, line.data(), line.size())) {
        wchar_t* value = nullptr;
        long number = UiLineNumber(line.data(), &value);
        if (number != 0)
            table[number] = std::wstring(value);
    }
}
