#include "FolderWatch.h"

#include <memory>

namespace {

constexpr DWORD kWatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;
// A thread that does not end in this time is left to end with the process.
constexpr DWORD kStopWaitMs = 5000;

std::unique_ptr<ThemesFolderWatch> g_watch;
ScopedKernelHandle g_thread;

}  // namespace

DWORD WINAPI WatchThemesFolderThread(void* parameter)
{
    auto* watch = static_cast<ThemesFolderWatch*>(parameter);
    if (!watch)
        return 0;
    ScopedChangeNotification change(
        FindFirstChangeNotificationW(watch->Folder.c_str(), FALSE, kWatchedChanges));
    if (!change || !watch->Stop)
        return 0;
    HANDLE waits[] = {change.Get(), watch->Stop.Get()};
    while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) {
        PostMessageW(watch->Dialog, kThemesFolderChanged, 0, 0);
        if (!FindNextChangeNotification(change.Get()))
            return 0;
    }
    return 0;
}

bool StartThemesFolderWatch(HWND dialog, const wchar_t* folder)
{
    StopThemesFolderWatch();
    auto watch = std::make_unique<ThemesFolderWatch>();
    watch->Folder = folder ? folder : L"";
    watch->Dialog = dialog;
    watch->Stop.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    // Without its stop event the thread could not be ended.
    if (!watch->Stop)
        return false;
    g_thread.Reset(CreateThread(nullptr, 0, WatchThemesFolderThread, watch.get(), 0, nullptr));
    if (!g_thread)
        return false;
    g_watch = std::move(watch);
    return true;
}

void StopThemesFolderWatch()
{
    if (!g_thread)
        return;
    SetEvent(g_watch->Stop.Get());
    if (WaitForSingleObject(g_thread.Get(), kStopWaitMs) == WAIT_OBJECT_0)
        g_watch.reset();
    else
        static_cast<void>(g_watch.release());  // the thread may still read it
    g_thread.Reset();
}
