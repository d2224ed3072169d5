#pragma once
// Which command a click on a drawn control runs: decided from its control
// id, the clock and the theme list's rows alone, so that the program and
// its tests share one answer.

#include "PanelControlIds.h"

#include <windows.h>

#include <cstdint>

enum class ControlCommand : uint8_t {
    None,
    SwitchPage,           // side tabs 2, 3, 25, 29, 60, 79, 102; 28, 34, 35
    SelectHoveredTheme,   // 4, 41
    EditTheme,            // 5, 45: the row's file in the editor
    ShowThemeCursors,     // 6, 46
    MailTheme,            // 7, 47
    OpenThemeWebsite,     // 8, 48
    ShowLightPart,        // 16
    ShowOffsetPart,       // 17
    StartEditor,          // 26
    SettingsSubTab,       // 30, 31, 58
    OpenWebPage,          // 36, 53, 54, 97
    OpenHelp,             // 96
    PickHoveredTheme,     // 37
    PageThumb,            // 40: the click's side of the thumb
    PickSelectedTheme,    // 42, 93, 94
    PickSelectedCursors,  // 95
    ApplyCurrentTheme,    // 95 while the current theme has no row
    ShadowDefaults,       // 43
    ShowThemeProperties,  // 44, 49
    DeleteTheme,          // 50
    SelectEffectSlot,     // 61
    SelectEffectRow,      // 62
    FocusSlots,           // 63
    FocusLibrary,         // 64
    ToggleShadow,         // 78
    SelectTrailRow,       // 80
    HotKeyDialog,         // 92
    SelectSoundSlot,      // 107
    SelectSoundFileRow,   // 108
    PlaySlotSound,        // 109
    PlaySoundFile,        // 110
};

// The theme list as the commands see it: rows 1..Entries have a library
// entry, row 0 is no theme and -1 the cursor strip (the current theme).
struct ThemeRows {
    int32_t Hovered = -2;
    int32_t Selected = -2;
    int32_t Applied = -1;
    int32_t Entries = 0;
    bool HasCurrentTheme = false;
};

// The page a switch shows and the side tab it marks (-1: none).
struct PageSwitch {
    int32_t Page = -1;
    int32_t Tab = -1;
};

struct CommandChoice {
    ControlCommand Command = ControlCommand::None;
    int32_t Row = -1;          // the theme row it acts on
    bool RecordClick = false;  // the last row-click time becomes now
};

// A second click within this time of a row click applies the row; the
// buttons riding on a row wait this long after it, so the click that
// selects a row does not also press the button that shows under it.
constexpr DWORD kSecondClickMs = 500;
constexpr DWORD kRowButtonDelayMs = 750;

CommandChoice ChooseCommand(int controlId, DWORD now, DWORD lastRowClick, const ThemeRows& rows);

// Where the control's SwitchPage goes; page -1 for a control that does not
// switch pages.
PageSwitch PageSwitchOf(int controlId);

// The row the row buttons act on: the hovered one, or the applied one while
// the pointer is in the cursor strip; -1 when that row has no entry.
int ThemeButtonRow(const ThemeRows& rows);
