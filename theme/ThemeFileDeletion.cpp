#include "ThemeFileDeletion.h"

#include "LMMessageBox.h"

#include <shlwapi.h>

#include <cwchar>
#include <string>

namespace
{

constexpr DWORD kReasonChars = 512;

std::wstring SystemErrorText(DWORD error)
{
    wchar_t text[kReasonChars] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
        text, kReasonChars, nullptr);
    return text;
}

// The cache of a theme that is gone would show it again.
void DeletePreviewCache(const wchar_t* path)
{
    wchar_t folder[MAX_PATH], cache[MAX_PATH];
    if (wcslen(path) >= MAX_PATH)
        return;
    wcscpy(folder, path);
    PathRemoveFileSpecW(folder);
    if (PreviewCachePath(folder, path, cache))
        DeleteFileW(cache);
}

} // namespace

bool DeleteThemeFileOrSayWhy(HWND owner, const wchar_t* path, const wchar_t* caption)
{
    if (!DeleteFileW(path)) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            LMMessageBox(owner, SystemErrorText(error).c_str(), caption, MB_OK | MB_ICONERROR);
            return false;
        }
    }
    DeletePreviewCache(path);
    return true;
}

bool PreviewCachePath(const wchar_t* themesFolder, const wchar_t* path, wchar_t* buffer)
{
    buffer[0] = L'\0';
    if (!themesFolder || !path || themesFolder[0] == L'\0')
        return false;
    const std::wstring cache
        = std::wstring(themesFolder) + L"\\Preview\\" + PathFindFileNameW(path);
    if (cache.size() >= MAX_PATH)
        return false;
    cache.copy(buffer, cache.size());
    buffer[cache.size()] = L'\0';
    return true;
}
