#pragma once
// The Themes folder watcher: a thread of its own that tells the dialog of
// every change; the dialog re-arms its refresh timer (a timer belongs to the
// window's own thread), so a burst of changes rebuilds the lists once, a
// second after the last.

#include "ScopedWin.h"

#include <windows.h>

#include <string>

constexpr UINT_PTR kRefreshListsTimer = 101;
constexpr UINT kRefreshListsDelayMs = 1000;
// Posted by the watcher to the dialog on each change.
constexpr UINT kThemesFolderChanged = WM_APP + 1;

// What one watcher thread watches, whom it tells, and the event that ends it.
struct ThemesFolderWatch {
    std::wstring Folder;
    HWND Dialog = nullptr;
    ScopedKernelHandle Stop;
};

// The thread's procedure; the parameter is its ThemesFolderWatch, whose
// Stop event exists. The thread ends when the folder cannot be watched, a
// wait fails or Stop is set.
DWORD WINAPI WatchThemesFolderThread(void* parameter);

// Starts the dialog's watcher of the folder (a running one is stopped
// first); false when its stop event or thread could not be made.
bool StartThemesFolderWatch(HWND dialog, const wchar_t* folder);
// Ends the watcher and waits for its thread; nothing when none runs.
void StopThemesFolderWatch();
