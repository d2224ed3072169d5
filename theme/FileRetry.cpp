#include "FileRetry.h"

#include <utility>

namespace
{

ThemeFileSleep& CurrentSleep()
{
    static ThemeFileSleep sleep;
    return sleep;
}

void PauseBetweenAttempts()
{
    if (CurrentSleep())
        CurrentSleep()(kThemeFileRetryMs);
    else
        Sleep(kThemeFileRetryMs);
}

} // namespace

ThemeFileSleep SetThemeFileSleep(ThemeFileSleep sleep)
{
    return std::exchange(CurrentSleep(), std::move(sleep));
}

namespace
{

// Only another program holding the file is worth the wait: a file or
// folder that is not there will not come in two seconds.
bool WorthWaiting(DWORD error)
{
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND
        && error != ERROR_INVALID_NAME && error != ERROR_FILENAME_EXCED_RANGE;
}

} // namespace

HANDLE CreateFileRetry(const wchar_t* path, DWORD access, DWORD share,
    SECURITY_ATTRIBUTES* security, DWORD disposition, DWORD flags, HANDLE templateFile)
{
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 1; attempt <= kThemeFileAttempts; ++attempt) {
        file = CreateFileW(path, access, share, security, disposition, flags, templateFile);
        if (file != INVALID_HANDLE_VALUE || attempt == kThemeFileAttempts
            || !WorthWaiting(GetLastError()))
            break;
        PauseBetweenAttempts();
    }
    return file;
}

BOOL ReplaceFileRetry(const wchar_t* from, const wchar_t* to)
{
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return TRUE;
        if (attempt == kThemeFileAttempts)
            return FALSE;
        PauseBetweenAttempts();
    }
}
