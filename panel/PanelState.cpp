#include "PanelState.h"

#include "EngineMessages.h"
#include "EngineWorld.h"
#include "ThemeLocations.h"

PanelTextSizes PanelSizes;
HINSTANCE PanelModule = nullptr;
SliderReportFunction PanelSliderReport = OnSliderValue;
wchar_t PanelThemesFolder[MAX_PATH] = {};
wchar_t PanelSoundsFolder[MAX_PATH] = {};
std::wstring PanelSettingsKey = L"SOFTWARE\\Kelmora\\Trivane";
std::unique_ptr<CTheme> PanelCurrentTheme;
bool PanelNoThemeChosen = false;
HWND PanelDialog = nullptr;
std::wstring PanelRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
wchar_t PanelCurrentThemePath[MAX_PATH] = {};
PanelMessageNumbers PanelMessages;
PanelShadowValues ShadowValues;
LibraryPagesState Library;
CurrentThemeViews ThemeViews;
ShadowPageState ShadowPage;
PanelShellState PanelShell;
LanguageSource PanelLanguage;

void ResetPanelState()
{
    // The objects go first: the records below only point into them.
    PanelShell.Root.reset();
    Library = LibraryPagesState{};
    ThemeViews = CurrentThemeViews{};
    ShadowPage = ShadowPageState{};
    PanelShellState fresh;
    fresh.Instance = PanelShell.Instance;
    fresh.OwnLanguageFile = PanelShell.OwnLanguageFile;
    PanelShell = std::move(fresh);
    PanelCurrentTheme.reset();
    PanelNoThemeChosen = false;
    ShadowValues = PanelShadowValues{};
    PanelDialog = nullptr;
}

HMODULE PanelResourceModule()
{
    return PanelModule ? PanelModule : GetModuleHandleW(nullptr);
}

void LoadPanelLocations()
{
    GetThemesFolder(PanelThemesFolder);
    GetSoundsFolder(PanelSoundsFolder);
    RefreshCurrentThemePath();
}

void RefreshCurrentThemePath()
{
    World().GetCurrentThemePath(PanelCurrentThemePath);
}

void RegisterPanelMessages()
{
    auto number = [](EngineMessage message) {
        return World().RegisterWindowMessageW(kEngineMessageNames[message]);
    };
    PanelMessages.Reapply = number(WM_TRV_REAPPLY);
    PanelMessages.Shutdown = number(WM_TRV_SHUTDOWN);
    PanelMessages.ApplyValues = number(WM_TRV_APPLYVALS);
    PanelMessages.Trail = number(WM_TRV_TRAIL);
}

LanguageSource PanelLanguageSource()
{
    return PanelLanguage.ProgramFolder.empty() ? ProgramLanguageSource() : PanelLanguage;
}
