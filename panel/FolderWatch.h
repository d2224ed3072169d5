#pragma once
// The Themes folder watcher: a thread of its own that re-arms the dialog's
// refresh timer on every change, so a burst of changes rebuilds the lists
// once, a second after the last. The rebuild itself runs on the dialog's
// thread, when the timer fires.

#include "ScopedWin.h"

#include <windows.h>

#include <string>

constexpr UINT_PTR kRefreshListsTimer = 101;
constexpr UINT kRefreshListsDelayMs = 1000;

// What one watcher thread watches, whom it tells, and the event that ends it.
struct ThemesFolderWatch {
    std::wstring Folder;
    HWND Dialog = nullptr;
    ScopedKernelHandle Stop;
};

// The thread's procedure; the parameter is its ThemesFolderWatch. The
// thread ends when the folder cannot be watched, a wait fails or Stop is
// set.
DWORD WINAPI WatchThemesFolderThread(void* parameter);

// Starts the dialog's watcher of the folder (a running one is stopped
// first); false when the thread could not start.
bool StartThemesFolderWatch(HWND dialog, const wchar_t* folder);
// Ends the watcher and waits for its thread; nothing when none runs.
void StopThemesFolderWatch();
