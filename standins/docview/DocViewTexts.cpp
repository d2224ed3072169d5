#include "DocViewTexts.h"

#include "DocViewIds.h"

namespace {

struct Prompt {
    UINT Id;
    const wchar_t* Text;
};

constexpr Prompt kPrompts[] = {
    {kIdFileNew, L"Makes a new document"},
    {kIdFileOpen, L"Opens a document from a file"},
    {kIdFileClose, L"Closes this document"},
    {kIdFileSave, L"Saves this document in its file"},
    {kIdFileSaveAs, L"Saves this document in a file you name"},
    {kIdEditCopy, L"Copies the selection"},
    {kIdEditPaste, L"Puts in what was copied"},
    {kIdWindowNew, L"Opens another window on this document"},
    {kIdWindowArrange, L"Lines up the icons of minimized windows"},
    {kIdWindowCascade, L"Stacks the windows so that every title shows"},
    {kIdWindowTile, L"Places the windows side by side without overlap"},
    {kIdAppAbout, L"Shows the program's version"},
    {kIdAppExit, L"Closes every document and ends the program"},
    {kIdViewStatusBar, L"Shows or hides the status bar"},
};

constexpr UINT kRecentFileLimit = 16;

}  // namespace

std::wstring CommandPrompt(UINT id)
{
    std::wstring own = id ? LoadResourceString(id) : std::wstring();
    if (!own.empty())
        return own.substr(0, own.find(L'\n'));
    if (id >= kIdFileRecentFirst && id < kIdFileRecentFirst + kRecentFileLimit)
        return L"Opens this document again";
    for (const Prompt& prompt : kPrompts) {
        if (prompt.Id == id)
            return prompt.Text;
    }
    return std::wstring();
}

const wchar_t* IndicatorText(UINT id)
{
    switch (id) {
    case kIdIndicatorCaps:
        return L"CAP";
    case kIdIndicatorNum:
        return L"NUM";
    case kIdIndicatorScroll:
        return L"SCRL";
    default:
        return L"";
    }
}

std::wstring LoadResourceString(UINT id)
{
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
