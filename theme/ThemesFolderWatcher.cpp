#include "ThemesFolderWatcher.h"

namespace {

constexpr DWORD kWatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;

bool FolderExists(const std::wstring& folder)
{
    DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool ThemesFolderWatcher::Start(const std::wstring& folder, HWND target, UINT message)
{
    Stop();
    folder_ = folder;
    target_ = target;
    message_ = message;
    notification_.Reset(FindFirstChangeNotificationW(folder.c_str(), FALSE, kWatchedChanges));
    stop_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!notification_ || !stop_) {
        Stop();
        return false;
    }
    thread_.Reset(CreateThread(nullptr, 0, ThemesFolderWatchThread, this, 0, nullptr));
    if (!thread_) {
        Stop();
        return false;
    }
    return true;
}

void ThemesFolderWatcher::Stop()
{
    if (thread_) {
        SetEvent(stop_.Get());
        WaitForSingleObject(thread_.Get(), INFINITE);
        thread_.Reset();
    }
    notification_.Reset();
    stop_.Reset();
}

bool ThemesFolderWatcher::Running() const
{
    return thread_ && WaitForSingleObject(thread_.Get(), 0) == WAIT_TIMEOUT;
}

// A folder that is gone is reported once more and then no longer watched:
// its notification would only signal on and on.
void ThemesFolderWatcher::Watch()
{
    HANDLE waits[] = {stop_.Get(), notification_.Get()};
    while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        PostMessageW(target_, message_, 0, 0);
        if (!FolderExists(folder_) || !FindNextChangeNotification(notification_.Get()))
            return;
    }
}

DWORD WINAPI ThemesFolderWatchThread(void* watcher)
{
    static_cast<ThemesFolderWatcher*>(watcher)->Watch();
    return 0;
}
