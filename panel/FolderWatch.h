#pragma once
// The Themes folder's watcher tells the dialog of every change; the dialog
// re-arms its refresh timer (a timer belongs to the window's own thread),
// so a burst of changes rebuilds the lists once, a second after the last.

#include <windows.h>

constexpr UINT_PTR kRefreshListsTimer = 101;
constexpr UINT kRefreshListsDelayMs = 1000;
// Posted by the watcher to the dialog on each change.
constexpr UINT kThemesFolderChanged = WM_APP + 1;
