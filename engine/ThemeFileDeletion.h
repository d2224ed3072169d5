#pragma once
// Deleting a theme file the user asked to delete: a file already gone is
// no failure; any other failure is told in the system's own words, since
// the user expects the theme to go.

#include <windows.h>

// True when the file is gone.
bool DeleteThemeFileOrSayWhy(HWND owner, const wchar_t* path, const wchar_t* caption);
