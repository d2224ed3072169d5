// Dialog 222: the key that turns the engine on and off. The engine reads
// the setting only when it starts, so a new key works from the next Apply
// (which restarts the engine) on.

#include "SmallDialogs.h"

#include "LibraryRows.h"
#include "PanelResources.h"
#include "PanelSettings.h"
#include "PanelState.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kHotKeySetting[] = L"HotKey";
constexpr int32_t kDefaultHotKey = 0x343;  // Ctrl+Shift+C
constexpr int kUiTitle = 68;
constexpr int kUiPrompt = 69;
constexpr int kUiOk = 70;
constexpr int kUiCancel = 71;

void StartHotKeyDialog(HWND window)
{
    SetWindowTextW(window, UiText(kUiTitle));
    SetDlgItemTextW(window, IDC_HOT_KEY_PROMPT, UiText(kUiPrompt));
    SetDlgItemTextW(window, IDOK, UiText(kUiOk));
    SetDlgItemTextW(window, IDCANCEL, UiText(kUiCancel));
    int32_t value = kDefaultHotKey;
    ReadSettingDword(&value, kHotKeySetting, kDefaultHotKey);
    SendDlgItemMessageW(window, IDC_HOT_KEY_CONTROL, HKM_SETHOTKEY, LOWORD(value), 0);
}

void StoreHotKey(HWND window)
{
    const LRESULT key = SendDlgItemMessageW(window, IDC_HOT_KEY_CONTROL, HKM_GETHOTKEY, 0, 0);
    WriteSettingDword(LOWORD(key), kHotKeySetting);
}

}  // namespace

INT_PTR CALLBACK HotKeyDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        StartHotKeyDialog(window);
    } else if (message == WM_COMMAND) {
        const WORD command = LOWORD(wParam);
        if (command == IDOK)
            StoreHotKey(window);
        if (command == IDOK || command == IDCANCEL)
            EndDialog(window, 1);
    }
    return 0;
}

INT_PTR ShowHotKeyDialog(HWND owner)
{
    return DialogBoxParamW(PanelResourceModule(), MAKEINTRESOURCEW(IDD_PANEL_HOT_KEY), owner,
                           HotKeyDlgProc, 0);
}
