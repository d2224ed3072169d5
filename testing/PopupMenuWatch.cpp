#include "PopupMenuWatch.h"

namespace {

// The system's class of popup menu windows.
constexpr wchar_t kMenuClass[] = L"#32768";
constexpr DWORD kPollMs = 20;

HWND ShownMenu()
{
    HWND menu = FindWindowW(kMenuClass, nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

std::vector<std::wstring> MenuTexts(HWND window)
{
    std::vector<std::wstring> texts;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    for (int item = 0; menu && item < GetMenuItemCount(menu); ++item) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(item), text, 128, MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

}  // namespace

PopupMenuWatch::PopupMenuWatch(DWORD timeoutMs) : thread_([this, timeoutMs] { Watch(timeoutMs); })
{
}

PopupMenuWatch::~PopupMenuWatch()
{
    if (thread_.joinable())
        thread_.join();
}

std::vector<std::wstring> PopupMenuWatch::Items()
{
    if (thread_.joinable())
        thread_.join();
    return items_;
}

// The menu's loop takes the key whatever window it was posted to on its
// thread; Escape closes the menu without a command.
void PopupMenuWatch::Watch(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND menu = ShownMenu()) {
            items_ = MenuTexts(menu);
            PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            return;
        }
        Sleep(kPollMs);
    }
}
