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
#include "RunProgram.h"

namespace cpl {

void LaunchFromPage(HWND page, const wchar_t* file)
{
    RunProgram(file, nullptr, nullptr, page);
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
    std::wstring path = EngineProgramBeside(Module());
    if (!path.empty())
        LaunchFromPage(PageState.Page, path.c_str());
}

}  // namespace cpl
