#pragma once
// Deleting a theme file the user asked to delete: a file already gone is
// no failure; any other failure is told in the system's own words, since
// the user expects the theme to go. The theme's preview cache goes with it.

#include <windows.h>

// True when the file is gone.
bool DeleteThemeFileOrSayWhy(HWND owner, const wchar_t* path, const wchar_t* caption);

// The preview cache of a theme file of the Themes folder, "<themes
// folder>\Preview\<file name>", in a 260-character buffer; false (and an
// empty buffer) when it does not fit or a part is missing.
bool PreviewCachePath(const wchar_t* themesFolder, const wchar_t* path, wchar_t* buffer);
