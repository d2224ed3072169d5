// Handing the current theme to the engine: the autostart value, then a
// re-apply request to the running engine, or the engine started.

#include "Composition.h"

#include "EngineWindowLookup.h"
#include "EngineWorld.h"
#include "LibraryViews.h"
#include "PanelState.h"
#include "RunProgram.h"
#include "ScopedWin.h"

#include <string>

namespace {

constexpr wchar_t kRunValue[] = L"Trivane";
// The older product's autostart, which would start a second pointer engine.
constexpr wchar_t kOlderRunValue[] = L"Pavolt";

// A missing Run key leaves the autostart as it is.
void SetAutostart(const std::wstring& enginePath)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, PanelRunKey.c_str(), 0, KEY_ALL_ACCESS, &opened) !=
        ERROR_SUCCESS)
        return;
    ScopedRegKey key(opened);
    RegDeleteValueW(key.Get(), kOlderRunValue);
    if (!PanelCurrentTheme) {
        // A current theme that did not load leaves the autostart alone.
        if (PanelNoThemeChosen)
            RegDeleteValueW(key.Get(), kRunValue);
    } else if (!enginePath.empty()) {
        const std::wstring quoted = L"\"" + enginePath + L"\"";
        WriteRegString(quoted.c_str(), HKEY_CURRENT_USER, PanelRunKey.c_str(), kRunValue);
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
    HWND engine = FindEngineWindow();
    if (engine && PanelMessages.Reapply) {
        World().PostMessageW(engine, PanelMessages.Reapply, 0, 0);
        return;
    }
    if (!enginePath.empty())
        RunProgram(enginePath.c_str(), nullptr, nullptr, PanelDialog);
}
