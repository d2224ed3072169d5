#include "ThemeFileDeletion.h"

#include "LMMessageBox.h"

#include <string>

namespace {

constexpr DWORD kReasonChars = 512;

std::wstring SystemErrorText(DWORD error)
{
    wchar_t text[kReasonChars] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, kReasonChars, nullptr);
    return text;
}

}  // namespace

bool DeleteThemeFileOrSayWhy(HWND owner, const wchar_t* path, const wchar_t* caption)
{
    if (DeleteFileW(path))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return true;
    LMMessageBox(owner, SystemErrorText(error).c_str(), caption, MB_OK | MB_ICONERROR);
    return false;
}
