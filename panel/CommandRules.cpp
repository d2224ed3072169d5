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

struct CommandRow {
    int Id;
    Command Runs;
    Rule When;
    Command Otherwise;
};

constexpr CommandRow kCommands[] = {
    {2, Command::SwitchPage, Rule::Always, Command::None},
    {3, Command::SwitchPage, Rule::Always, Command::None},
    {4, Command::SelectHoveredTheme, Rule::Always, Command::None},
    {5, Command::EditTheme, Rule::ButtonRow, Command::None},
    {6, Command::ShowThemeCursors, Rule::QuietButtonRow, Command::None},
    {7, Command::MailTheme, Rule::QuietButtonRow, Command::None},
    {8, Command::OpenThemeWebsite, Rule::QuietButtonRow, Command::None},
    {16, Command::ShowLightPart, Rule::Always, Command::None},
    {17, Command::ShowOffsetPart, Rule::Always, Command::None},
    {25, Command::SwitchPage, Rule::Always, Command::None},
    {26, Command::StartEditor, Rule::Always, Command::None},
    {28, Command::SwitchPage, Rule::Always, Command::None},
    {29, Command::SwitchPage, Rule::Always, Command::None},
    {30, Command::SettingsSubTab, Rule::Always, Command::None},
    {31, Command::SettingsSubTab, Rule::Always, Command::None},
    {34, Command::SwitchPage, Rule::Always, Command::None},
    {35, Command::SwitchPage, Rule::Always, Command::None},
    {36, Command::OpenWebPage, Rule::Always, Command::None},
    {37, Command::PickHoveredTheme, Rule::Always, Command::None},
    {40, Command::PageThumb, Rule::Always, Command::None},
    {41, Command::SelectHoveredTheme, Rule::RecordClick, Command::None},
    {42, Command::PickSelectedTheme, Rule::SecondClick, Command::None},
    {43, Command::ShadowDefaults, Rule::Always, Command::None},
    {44, Command::ShowThemeProperties, Rule::QuietButtonRow, Command::None},
    {45, Command::EditTheme, Rule::ButtonRow, Command::None},
    {46, Command::ShowThemeCursors, Rule::QuietButtonRow, Command::None},
    {47, Command::MailTheme, Rule::QuietButtonRow, Command::None},
    {48, Command::OpenThemeWebsite, Rule::QuietButtonRow, Command::None},
    {49, Command::ShowThemeProperties, Rule::QuietButtonRow, Command::None},
    {50, Command::DeleteTheme, Rule::QuietHoveredRow, Command::None},
    {53, Command::OpenWebPage, Rule::Always, Command::None},
    {54, Command::OpenWebPage, Rule::Always, Command::None},
    {58, Command::SettingsSubTab, Rule::Always, Command::None},
    {60, Command::SwitchPage, Rule::Always, Command::None},
    {61, Command::SelectEffectSlot, Rule::Always, Command::None},
    {62, Command::SelectEffectRow, Rule::RecordClick, Command::None},
    {63, Command::FocusSlots, Rule::Always, Command::None},
    {64, Command::FocusLibrary, Rule::FirstClick, Command::FocusLibrary},
    {78, Command::ToggleShadow, Rule::Always, Command::None},
    {79, Command::SwitchPage, Rule::Always, Command::None},
    {80, Command::SelectTrailRow, Rule::RecordClick, Command::None},
    {81, Command::None, Rule::FirstClick, Command::None},
    {92, Command::HotKeyDialog, Rule::Always, Command::None},
    {93, Command::PickSelectedTheme, Rule::SelectedRow, Command::None},
    {94, Command::PickSelectedTheme, Rule::SelectedRow, Command::None},
    {95, Command::PickSelectedCursors, Rule::SelectedRow, Command::None},
    {96, Command::OpenHelp, Rule::Always, Command::None},
    {97, Command::OpenWebPage, Rule::Always, Command::None},
    {102, Command::SwitchPage, Rule::Always, Command::None},
    {107, Command::SelectSoundSlot, Rule::Always, Command::None},
    {108, Command::SelectSoundFileRow, Rule::RecordClick, Command::None},
    {109, Command::PlaySlotSound, Rule::Always, Command::None},
    {110, Command::PlaySoundFile, Rule::FirstClick, Command::FocusLibrary},
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
