#include "HeapText.h"

#include <algorithm>
#include <cwchar>
#include <new>

HeapText DuplicateText(const wchar_t* text, size_t characters)
{
    if (!text)
        return nullptr;
    HeapText copy(new (std::nothrow) wchar_t[characters + 1]);
    if (!copy)
        return nullptr;
    std::copy(text, text + characters, copy.get());
    copy[characters] = L'\0';
    return copy;
}

HeapText DuplicateText(const wchar_t* text)
{
    return text ? DuplicateText(text, std::wcslen(text)) : nullptr;
}

void ReplaceStringDup(HeapText* slot, const wchar_t* source)
{
    slot->reset();
    *slot = DuplicateText(source);
}

void CopyTextBounded(wchar_t* buffer, size_t bufferChars, const wchar_t* text)
{
    if (!buffer || bufferChars == 0)
        return;
    size_t length = text ? std::min(std::wcslen(text), bufferChars - 1) : 0;
    std::copy(text, text + length, buffer);
    buffer[length] = L'\0';
}
