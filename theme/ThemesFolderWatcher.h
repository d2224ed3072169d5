#pragma once
// Follows the Themes folder from a thread of its own: each change of a file
// name or write time posts one message to a window, whose own thread does
// the work (its timers belong to it). Stopping joins the thread.

#include "ScopedWin.h"

#include <windows.h>

#include <string>

class ThemesFolderWatcher {
public:
    ThemesFolderWatcher() = default;
    ~ThemesFolderWatcher() { Stop(); }
    ThemesFolderWatcher(const ThemesFolderWatcher&) = delete;
    ThemesFolderWatcher& operator=(const ThemesFolderWatcher&) = delete;

    // Watches folder (not its subfolders) for target, after stopping a
    // running watch; false when the folder cannot be watched or the thread
    // not started.
    bool Start(const std::wstring& folder, HWND target, UINT message);
    // Ends the watch and waits for its thread; does nothing when none runs.
    void Stop();
    // The thread still watches: it ends by itself once the folder is gone.
    bool Running() const;

private:
    friend DWORD WINAPI ThemesFolderWatchThread(void* watcher);
    void Watch();

    std::wstring folder_;
    HWND target_ = nullptr;
    UINT message_ = 0;
    ScopedKernelHandle stop_;
    ScopedChangeNotification notification_;
    ScopedKernelHandle thread_;
};

// The watcher thread's procedure.
DWORD WINAPI ThemesFolderWatchThread(void* watcher);
