// The Apply road: the page stores "Disabled" and the panes their settings,
// then tells a running engine to re-apply or stop, or starts one.

#include "SettingsPage.h"

#include "COptionsPane.h"
#include "CThemePane.h"
#include "CplModule.h"
#include "CplSettings.h"
#include "EngineRequests.h"
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
    // A disabled page only stops a running engine.
    UINT message = disabled ? PageState.ShutdownMessage : PageState.ReapplyMessage;
    TellEngineOrStart(message, Module(), PageState.Page, !disabled);
}

}  // namespace cpl
