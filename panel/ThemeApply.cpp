// Handing the current theme to the engine: the autostart value, then a
// re-apply request to the running engine, or the engine started.

#include "Composition.h"

#include "EngineRequests.h"
#include "LibraryViews.h"
#include "PanelState.h"
#include "RegistryWrites.h"
#include "RunProgram.h"

#include <string>

namespace {

// A current theme that did not load leaves the autostart alone, unless the
// user chose no theme.
void SetAutostart(const std::wstring& enginePath)
{
    if (PanelCurrentTheme && !enginePath.empty()) {
        const std::wstring quoted = L"\"" + enginePath + L"\"";
        UpdateAutostart(PanelRunKey.c_str(), AutostartChange::Write, quoted.c_str());
    } else {
        const bool remove = !PanelCurrentTheme && PanelNoThemeChosen;
        UpdateAutostart(PanelRunKey.c_str(),
                        remove ? AutostartChange::Remove : AutostartChange::Keep);
    }
}

}  // namespace

void ApplyCurrentTheme()
{
    ShowTrailPreview(0);
    const std::wstring enginePath = EngineProgramBeside(nullptr);
    RefreshCurrentThemePath();
    // Without a theme the engine finds no file and stops.
    if (!PanelCurrentTheme && PanelNoThemeChosen && PanelCurrentThemePath[0])
        DeleteFileW(PanelCurrentThemePath);
    SetAutostart(enginePath);
    TellEngineOrStart(PanelMessages.Reapply, nullptr, PanelDialog);
}
