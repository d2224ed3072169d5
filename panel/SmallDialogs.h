#pragma once
// The panel's two small modal dialogs: a library theme's properties, read
// only, and the hot key that turns the engine on and off.

#include <windows.h>

struct LibraryEntry;

// Dialog 132: the six texts of Library.Properties, the copy of the entry
// the click took, read when the dialog opens. OK and Cancel end it with 1.
INT_PTR CALLBACK PanelThemePropertiesDlgProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

// Dialog 222: the "HotKey" setting in the hot-key control's form (default
// Ctrl+Shift+C). OK stores the control's key when it differs from the
// stored one; the engine takes it when it next starts. Needs the hot-key
// control class registered (InitCommonControlsEx, ICC_HOTKEY_CLASS).
INT_PTR CALLBACK HotKeyDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Copies the entry into Library.Properties and shows dialog 132; the
// dialog's result (-1 when it could not be shown).
INT_PTR ShowThemeProperties(HWND owner, const LibraryEntry& entry);
// Shows dialog 222; the dialog's result.
INT_PTR ShowHotKeyDialog(HWND owner);
