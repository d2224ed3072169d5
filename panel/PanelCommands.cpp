// Running the command of a clicked control: page switches, links, the
// library lists' selections and sounds, and the settings page.

#include "PanelCommands.h"

#include "CQVObj.h"
#include "CQVSliderObj.h"
#include "EngineWorld.h"
#include "LMClock.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "ListScrolling.h"
#include "ListSelection.h"
#include "PanelControlIds.h"
#include "PanelShell.h"
#include "PanelSounds.h"
#include "RunProgram.h"
#include "ShadowPreview.h"
#include "SmallDialogs.h"

#include <iterator>
#include <string>

namespace {

// The project's pages lie under a reserved domain until it has its own.
struct WebPage {
    int Id;
    const wchar_t* Address;
};

constexpr WebPage kWebPages[] = {
    {kIdOnlineLibraryLink, L"https://themes.trivane.example/"},
    {kIdProductLink, L"https://www.trivane.example/"},
    {kIdMoreThemesLink, L"https://themes.trivane.example/more"},
    {kIdTranslateLink, L"https://www.trivane.example/translate"},
};

constexpr int kSubTabIds[] = {kIdAppearanceSubTab, kIdShadowSubTab, kIdGeneralSubTab};
constexpr wchar_t kHelpFile[] = L"\\Trivane.CHM";

// The settings page's defaults: each slider's knob and value.
struct ShadowDefault {
    int SliderId;
    int32_t PanelShadowValues::*Value;
};

constexpr ShadowDefault kShadowDefaults[] = {
    {kIdShadowXSlider, &PanelShadowValues::ShadowX},
    {kIdShadowYSlider, &PanelShadowValues::ShadowY},
    {kIdDarknessSlider, &PanelShadowValues::ShadowDark},
    {kIdSharpnessSlider, &PanelShadowValues::ShadowSharpness},
};

ThemeRows CurrentThemeRows()
{
    ThemeRows rows;
    rows.Hovered = Library.ThemeList.Hovered;
    rows.Selected = Library.ThemeList.Selected;
    rows.Applied = Library.AppliedThemeRow;
    rows.Entries = static_cast<int32_t>(Library.Themes.size());
    rows.HasCurrentTheme = PanelCurrentTheme != nullptr;
    return rows;
}

void SwitchPage(const PageSwitch& to)
{
    if (to.Page < 0 || to.Page >= kPanelPageCount)
        return;
    ShowPage(to.Page, to.Tab >= 0 ? Library.SideTabs[static_cast<size_t>(to.Tab)] : nullptr, false);
    if (to.Page == kEffectsPage)
        Library.ListFocus = kFocusNone;
}

void OpenWebPage(int id)
{
    for (const WebPage& page : kWebPages) {
        if (page.Id == id)
            OpenAddress(page.Address);
    }
}

void ShowSubTab(int id)
{
    for (size_t i = 0; i < std::size(kSubTabIds); ++i) {
        const bool chosen = kSubTabIds[i] == id;
        for (LMObj* part : {PanelShell.SubTabs[i], PanelShell.SubTabPictures[i]}) {
            if (part)
                part->ChangeState(chosen ? L"Selected" : L"Default");
        }
        SetShown(PanelShell.SubPanels[i], chosen);
    }
}

// The preview is drawn and every value stored once the toggle shows the
// shadow again, so the page and the settings agree.
void RestoreShadowDefaults()
{
    const PanelShadowValues defaults;
    ShadowValues = defaults;
    for (const ShadowDefault& slider : kShadowDefaults)
        SetSliderValue(FindSlider(PanelShell.Root.get(), slider.SliderId), defaults.*slider.Value);
    if (PanelShell.ShadowToggle)
        PanelShell.ShadowToggle->ChangeState(L"Default");
    RenderShadowPreview();
}

// The toggle's picture and its caption both switch the picture's state.
void ToggleShadow()
{
    LMObj* toggle = PanelShell.ShadowToggle;
    if (!toggle)
        return;
    const bool disable = InState(toggle, L"Default");
    toggle->ChangeState(disable ? L"Enabled" : L"Default");
    ShadowValues.DisableShadow = disable ? 1 : 0;
    RenderShadowPreview();
}

void OpenHelp()
{
    const std::wstring folder = ModuleFolder(nullptr);
    if (!folder.empty())
        LaunchFile((folder + kHelpFile).c_str());
}

void ShowShadowPart(int mode)
{
    SetShadowMode(mode);
    RenderShadowPreview();
}

// The sound file list's selected row as the list now stands.
void PlaySelectedSoundFile()
{
    Library.ListFocus = kFocusLibrary;
    const PanelList& files = Library.SoundFiles;
    if (files.Selected >= 1 && static_cast<size_t>(files.Selected) <= files.Rows.size())
        PlaySoundsFolderFile(files.Rows[static_cast<size_t>(files.Selected - 1)]->LinkName.get());
}

void PlaySlotSound()
{
    Library.ListFocus = kFocusSlots;
    PlayCurrentThemeSound(Library.SoundSlots.Hovered);
}

bool RunListCommand(const CommandChoice& choice, int y)
{
    switch (choice.Command) {
    case ControlCommand::SelectEffectSlot:
        SelectEffectSlot(Library.EffectSlots.Hovered);
        return true;
    case ControlCommand::SelectEffectRow:
        SelectEffectRow();
        return true;
    case ControlCommand::FocusSlots:
        Library.ListFocus = kFocusSlots;
        return true;
    case ControlCommand::FocusLibrary:
        Library.ListFocus = kFocusLibrary;
        return true;
    case ControlCommand::SelectTrailRow:
        SelectTrailRow(Library.TrailList.Hovered);
        return true;
    case ControlCommand::SelectSoundSlot:
        SelectSoundSlot(Library.SoundSlots.Hovered);
        return true;
    case ControlCommand::SelectSoundFileRow:
        SelectSoundFileRow();
        return true;
    case ControlCommand::PlaySlotSound:
        PlaySlotSound();
        return true;
    case ControlCommand::PlaySoundFile:
        PlaySelectedSoundFile();
        return true;
    case ControlCommand::PageThumb:
        PageThemeThumb(y);
        return true;
    default:
        return false;
    }
}

void RunPageCommand(const CommandChoice& choice, int id)
{
    switch (choice.Command) {
    case ControlCommand::SwitchPage:
        SwitchPage(PageSwitchOf(id));
        break;
    case ControlCommand::SettingsSubTab:
        ShowSubTab(id);
        break;
    case ControlCommand::OpenWebPage:
        OpenWebPage(id);
        break;
    case ControlCommand::OpenHelp:
        OpenHelp();
        break;
    case ControlCommand::ShowLightPart:
        ShowShadowPart(1);
        break;
    case ControlCommand::ShowOffsetPart:
        ShowShadowPart(0);
        break;
    case ControlCommand::ShadowDefaults:
        RestoreShadowDefaults();
        break;
    case ControlCommand::ToggleShadow:
        ToggleShadow();
        break;
    case ControlCommand::HotKeyDialog:
        ShowHotKeyDialog(PanelDialog);
        break;
    default:
        break;
    }
}

}  // namespace

void RunControlCommand(const CQVObj& control, int y)
{
    const DWORD now = LMClockNowMs();
    const CommandChoice choice =
        ChooseCommand(control.ControlId, now, Library.LastRowClick, CurrentThemeRows());
    if (choice.RecordClick)
        Library.LastRowClick = now;
    if (!RunThemeCommand(choice) && !RunListCommand(choice, y))
        RunPageCommand(choice, control.ControlId);
}

void OpenAddress(const std::wstring& address)
{
    if (address.empty())
        return;
    // No environment strings are expanded: the address goes out as it is.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.lpFile = address.c_str();
    info.nShow = SW_SHOWNORMAL;
    World().ShellExecuteExW(&info);
}
