// The Apply road: the page stores "Disabled" and the panes their settings,
// then tells a running engine to re-apply or stop, or starts one.

#include "SettingsPage.h"

#include "COptionsPane.h"
#include "CThemePane.h"
#include "CplModule.h"
#include "CplSettings.h"
#include "EngineWindowLookup.h"
#include "EngineWorld.h"
#include "PageLaunch.h"

#include <shellapi.h>

namespace cpl {

void LaunchFromPage(HWND page, const wchar_t* file)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_DOENVSUBST;
    info.hwnd = page;
    info.lpFile = file;
    info.nShow = SW_SHOWNORMAL;
    World().ShellExecuteExW(&info);
}

std::wstring EngineBesideLibrary()
{
    wchar_t module[MAX_PATH];
    DWORD length = World().GetModuleFileNameW(Module(), module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path(module, length);
    size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash);
    path += L"\\Trivane.exe";
    return path.size() < MAX_PATH ? path : std::wstring();
}

void ApplyPage()
{
    const SettingsLocation& settings = PageSettings();
    bool disabled = PageState.Greyed != 0;
    WriteDwordIfChanged(disabled ? 1 : 0, settings.Root, settings.Key.c_str(), L"Disabled");
    ThemePane.Save();
    OptionsPane.Save();
    HWND engine = FindEngineWindow();
    UINT message = disabled ? PageState.ShutdownMessage : PageState.ReapplyMessage;
    if (engine && message) {
        World().PostMessageW(engine, message, 0, 0);
        return;
    }
    if (disabled)
        return;
    std::wstring path = EngineBesideLibrary();
    if (!path.empty())
        LaunchFromPage(PageState.Page, path.c_str());
}

}  // namespace cpl
