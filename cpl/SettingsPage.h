#pragma once
// The settings page: its dialog procedure, its set-up and tear-down, the bar
// of text buttons over the two panes, and the Apply road that stores the
// settings and tells the engine.

#include "CQVObj.h"
#include "OwnedObjects.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace cpl {

extern const wchar_t kSheetCaption[];  // "Trivane configuration"
// The publisher's theme library, opened by "More themes...".
extern const wchar_t kThemeLibraryAddress[];

// Ids of the bar's buttons, which are also their commands.
enum BarButton : int32_t {
    kBarMoreThemes = 2,
    kBarProperties = 3,
    kBarOptions = 4,
    kBarThemes = 5,
    kBarDisable = 6,
    kBarEnable = 7,
    kBarButtonEnd
};

// The page that is built now. One page at a time holds the panes; a page
// opened while another lives stays empty.
struct SettingsPageState {
    HWND Page = nullptr;
    HWND ThemePaneWindow = nullptr;  // dialog 106
    HWND OptionsHost = nullptr;      // dialog 104
    HWND BarWindow = nullptr;        // dialog 9
    CQVObj* Bar = nullptr;
    CQVObj* Buttons[kBarButtonEnd] = {};  // by id
    // 1: the engine is to be disabled, and the preview cells are half transparent.
    int32_t Greyed = 0;
    UINT ReapplyMessage = 0;   // 0 until registered
    UINT ShutdownMessage = 0;  // 0 until registered
    OwnedObjects Objects;      // the bar and its buttons
};
extern SettingsPageState PageState;

INT_PTR CALLBACK SettingsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The built page's window, or null.
HWND LivePageWindow();
// Tells the sheet that the built page has changes (PSM_CHANGED).
void NotifyPageChanged();

// A left release on bar button id.
void RunBarCommand(int32_t id);

// The Properties text of a chosen theme, or empty when nothing is to be
// shown (no theme chosen, or a path no longer than ".Trivane").
std::wstring PropertiesText(const wchar_t* name, const wchar_t* path);

// The Apply road: "Disabled", the panes' settings, then the engine.
void ApplyPage();

}  // namespace cpl
