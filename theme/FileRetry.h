#pragma once
// Every theme file is opened through one retrying open, so a reader and a
// writer in two programs wait for each other instead of failing at once.

#include <windows.h>

#include <functional>

constexpr int kThemeFileAttempts = 3;
constexpr DWORD kThemeFileRetryMs = 1000;

using ThemeFileSleep = std::function<void(DWORD ms)>;

// Replaces the pause between attempts (tests record it instead of sleeping);
// returns the previous one. An empty function restores Sleep.
ThemeFileSleep SetThemeFileSleep(ThemeFileSleep sleep);

// CreateFileW up to three times, 1000 ms apart; the first valid handle, else
// the result of the last attempt.
HANDLE CreateFileRetry(const wchar_t* path, DWORD access, DWORD share,
    SECURITY_ATTRIBUTES* security, DWORD disposition, DWORD flags, HANDLE templateFile);

// MoveFileExW(REPLACE_EXISTING | WRITE_THROUGH), attempted like CreateFileRetry.
BOOL ReplaceFileRetry(const wchar_t* from, const wchar_t* to);
