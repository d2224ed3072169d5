#pragma once
// Resource ids of the control panel's dialogs, shared by its code and
// Panel.rc.

// The theme-properties dialog and its read-only edits.
#define IDD_PANEL_THEME_PROPERTIES 132
#define IDC_PROPERTIES_NAME 1017
#define IDC_PROPERTIES_AUTHOR 1018
#define IDC_PROPERTIES_VERSION 1019
#define IDC_PROPERTIES_WEBSITE 1020
#define IDC_PROPERTIES_EMAIL 1021
#define IDC_PROPERTIES_DESCRIPTION 1011

// The hot-key dialog: its prompt and the hot-key control.
#define IDD_PANEL_HOT_KEY 222
#define IDC_HOT_KEY_PROMPT 1003
#define IDC_HOT_KEY_CONTROL 1002

// The main dialog and its one Windows control, the language combo box of
// the About page.
#define IDD_PANEL_MAIN 129
#define IDC_PANEL_LANGUAGE 1005
