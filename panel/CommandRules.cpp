#include "CommandRules.h"

namespace {

using Command = ControlCommand;

enum class Rule : uint8_t {
    Always,           // every click
    RecordClick,      // every click, which becomes the last row click
    FirstClick,       // more than 499 ms after the last row click (recorded); else Otherwise
    SecondClick,      // within 500 ms of the last row click; else the click is recorded
    ButtonRow,        // on the row of the row buttons
    QuietButtonRow,   // on that row, 750 ms after the last row click
    QuietHoveredRow,  // on the hovered row, 750 ms after the last row click
    SelectedRow,      // on the selected row, the no-theme row included
};

constexpr PageSwitch kStay{};
constexpr int32_t kNoTab = -1;

// A page switch is named with its page on its row, so that no id can switch
// without a page to go to.
struct CommandRow {
    int Id;
    Command Runs;
    Rule When;
    Command Otherwise;
    PageSwitch To;
};

constexpr CommandRow kCommands[] = {
    {kIdThemesTab, Command::SwitchPage, Rule::Always, Command::None, {kThemesPage, kThemesTab}},
    {kIdOnlineTab,
     Command::SwitchPage,
     Rule::Always,
     Command::None,
     {kOnlineThemesPage, kOnlineTab}},
    {kIdThemeList, Command::SelectHoveredTheme, Rule::Always, Command::None, kStay},
    {kIdRowEdit, Command::EditTheme, Rule::ButtonRow, Command::None, kStay},
    {kIdRowCursors, Command::ShowThemeCursors, Rule::QuietButtonRow, Command::None, kStay},
    {kIdRowEmail, Command::MailTheme, Rule::QuietButtonRow, Command::None, kStay},
    {kIdRowWebsite, Command::OpenThemeWebsite, Rule::QuietButtonRow, Command::None, kStay},
    {kIdShowLightPart, Command::ShowLightPart, Rule::Always, Command::None, kStay},
    {kIdShowOffsetPart, Command::ShowOffsetPart, Rule::Always, Command::None, kStay},
    {kIdAboutTab, Command::SwitchPage, Rule::Always, Command::None, {kAboutPage, kAboutTab}},
    {kIdEditorButton, Command::StartEditor, Rule::Always, Command::None, kStay},
    {kIdCursorsPageSwitch,
     Command::SwitchPage,
     Rule::Always,
     Command::None,
     {kThemeCursorsPage, kNoTab}},
    {kIdSettingsTab,
     Command::SwitchPage,
     Rule::Always,
     Command::None,
     {kSettingsPage, kSettingsTab}},
    {kIdAppearanceSubTab, Command::SettingsSubTab, Rule::Always, Command::None, kStay},
    {kIdShadowSubTab, Command::SettingsSubTab, Rule::Always, Command::None, kStay},
    {kIdCursorsPageSwitchToo,
     Command::SwitchPage,
     Rule::Always,
     Command::None,
     {kThemeCursorsPage, kNoTab}},
    {kIdBackLink, Command::SwitchPage, Rule::Always, Command::None, {kThemesPage, kThemesTab}},
    {kIdOnlineLibraryLink, Command::OpenWebPage, Rule::Always, Command::None, kStay},
    {kIdApplyShownTheme, Command::PickHoveredTheme, Rule::Always, Command::None, kStay},
    {kIdThemeScrollFrame, Command::PageThumb, Rule::Always, Command::None, kStay},
    {kIdThemeHoverBar, Command::SelectHoveredTheme, Rule::RecordClick, Command::None, kStay},
    {kIdThemeSelectionBar, Command::PickSelectedTheme, Rule::SecondClick, Command::None, kStay},
    {kIdShadowDefaults, Command::ShadowDefaults, Rule::Always, Command::None, kStay},
    {kIdRowProperties, Command::ShowThemeProperties, Rule::QuietButtonRow, Command::None, kStay},
    {kIdStripEdit, Command::EditTheme, Rule::ButtonRow, Command::None, kStay},
    {kIdStripCursors, Command::ShowThemeCursors, Rule::QuietButtonRow, Command::None, kStay},
    {kIdStripEmail, Command::MailTheme, Rule::QuietButtonRow, Command::None, kStay},
    {kIdStripWebsite, Command::OpenThemeWebsite, Rule::QuietButtonRow, Command::None, kStay},
    {kIdStripProperties, Command::ShowThemeProperties, Rule::QuietButtonRow, Command::None, kStay},
    {kIdRowDelete, Command::DeleteTheme, Rule::QuietHoveredRow, Command::None, kStay},
    {kIdProductLink, Command::OpenWebPage, Rule::Always, Command::None, kStay},
    {kIdMoreThemesLink, Command::OpenWebPage, Rule::Always, Command::None, kStay},
    {kIdGeneralSubTab, Command::SettingsSubTab, Rule::Always, Command::None, kStay},
    {kIdEffectsTab, Command::SwitchPage, Rule::Always, Command::None, {kEffectsPage, kEffectsTab}},
    {kIdEffectSlotHoverBar, Command::SelectEffectSlot, Rule::Always, Command::None, kStay},
    {kIdEffectLibraryHoverBar, Command::SelectEffectRow, Rule::RecordClick, Command::None, kStay},
    {kIdEffectSlotSelectionBar, Command::FocusSlots, Rule::Always, Command::None, kStay},
    {kIdEffectLibrarySelectionBar, Command::FocusLibrary, Rule::FirstClick, Command::FocusLibrary,
     kStay},
    {kIdShadowToggle, Command::ToggleShadow, Rule::Always, Command::None, kStay},
    {kIdTrailsTab, Command::SwitchPage, Rule::Always, Command::None, {kTrailsPage, kTrailsTab}},
    {kIdTrailHoverBar, Command::SelectTrailRow, Rule::RecordClick, Command::None, kStay},
    {kIdTrailSelectionBar, Command::None, Rule::FirstClick, Command::None, kStay},
    {kIdHotKeyButton, Command::HotKeyDialog, Rule::Always, Command::None, kStay},
    {kIdApplyTheme, Command::PickSelectedTheme, Rule::SelectedRow, Command::None, kStay},
    {kIdApplyShownCursors, Command::PickSelectedTheme, Rule::SelectedRow, Command::None, kStay},
    {kIdApplySettings, Command::PickSelectedCursors, Rule::SelectedRow, Command::None, kStay},
    {kIdHelpLink, Command::OpenHelp, Rule::Always, Command::None, kStay},
    {kIdTranslateLink, Command::OpenWebPage, Rule::Always, Command::None, kStay},
    {kIdSoundsTab, Command::SwitchPage, Rule::Always, Command::None, {kSoundsPage, kSoundsTab}},
    {kIdSoundSlotHoverBar, Command::SelectSoundSlot, Rule::Always, Command::None, kStay},
    {kIdSoundFileHoverBar, Command::SelectSoundFileRow, Rule::RecordClick, Command::None, kStay},
    {kIdSoundSlotSelectionBar, Command::PlaySlotSound, Rule::Always, Command::None, kStay},
    {kIdSoundFileSelectionBar, Command::PlaySoundFile, Rule::FirstClick, Command::FocusLibrary,
     kStay},
};

bool IsEntryRow(int row, const ThemeRows& rows)
{
    return row >= 1 && row <= rows.Entries;
}

CommandChoice OnRow(Command command, int row)
{
    return row >= 0 ? CommandChoice{command, row, false} : CommandChoice{};
}

// The settings page's Apply is for the shadow: while the current theme has
// no row of its own, the no-theme row it finds selected must not remove it.
CommandChoice ChooseSelectedRow(Command command, const ThemeRows& rows)
{
    if (command == Command::PickSelectedCursors && rows.Selected == 0 && rows.Applied == -1 &&
        rows.HasCurrentTheme)
        return CommandChoice{Command::ApplyCurrentTheme, -1, false};
    return OnRow(command, rows.Selected);
}

CommandChoice Choose(const CommandRow& row, DWORD sinceRowClick, const ThemeRows& rows)
{
    const bool quiet = sinceRowClick >= kRowButtonDelayMs;
    const bool firstClick = sinceRowClick >= kSecondClickMs;
    switch (row.When) {
    case Rule::Always:
        return CommandChoice{row.Runs, -1, false};
    case Rule::RecordClick:
        return CommandChoice{row.Runs, -1, true};
    case Rule::FirstClick:
        return CommandChoice{firstClick ? row.Runs : row.Otherwise, -1, firstClick};
    case Rule::SecondClick:
        return firstClick ? CommandChoice{Command::None, -1, true}
                          : CommandChoice{row.Runs, rows.Selected, false};
    case Rule::ButtonRow:
        return OnRow(row.Runs, ThemeButtonRow(rows));
    case Rule::QuietButtonRow:
        return quiet ? OnRow(row.Runs, ThemeButtonRow(rows)) : CommandChoice{};
    case Rule::QuietHoveredRow:
        return quiet && IsEntryRow(rows.Hovered, rows) ? OnRow(row.Runs, rows.Hovered)
                                                       : CommandChoice{};
    case Rule::SelectedRow:
        return ChooseSelectedRow(row.Runs, rows);
    }
    return CommandChoice{};
}

}  // namespace

int ThemeButtonRow(const ThemeRows& rows)
{
    const int row = rows.Hovered == -1 ? rows.Applied : rows.Hovered;
    return IsEntryRow(row, rows) ? row : -1;
}

CommandChoice ChooseCommand(int controlId, DWORD now, DWORD lastRowClick, const ThemeRows& rows)
{
    for (const CommandRow& row : kCommands) {
        // Unsigned: a clock that wrapped still counts the time since the click.
        if (row.Id == controlId)
            return Choose(row, now - lastRowClick, rows);
    }
    return CommandChoice{};
}

PageSwitch PageSwitchOf(int controlId)
{
    for (const CommandRow& row : kCommands) {
        if (row.Id == controlId)
            return row.To;
    }
    return kStay;
}
