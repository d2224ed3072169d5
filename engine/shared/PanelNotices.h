#pragma once
// What other programs know of the control panel's dialog: the user-data word
// that marks it while it runs, and the null messages it answers.

#include <windows.h>

// The dialog's GWLP_USERDATA while the panel runs.
constexpr LONG_PTR PanelWindowMark = 0x634DF01A;

// wParam of a WM_NULL to the dialog. 13: lParam is a panel trail sprite that
// has played and asks to be deleted; 14: the current theme file changed, read
// it again.
constexpr WPARAM DeferredDeleteNotice = 13;
constexpr WPARAM ReloadThemeNotice = 14;
