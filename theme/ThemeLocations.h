#pragma once
// Where the current theme, the installed themes and the sounds live. Each
// fills a caller's buffer of at least MAX_PATH characters and creates the
// folders on the way; the buffer is empty when the path cannot be made.

#include <windows.h>

#include <initializer_list>

void GetCurrentThemePath(wchar_t* buffer);
void GetThemesFolder(wchar_t* buffer);
void GetSoundsFolder(wchar_t* buffer);

// base + "\folder" for each folder (each created), then "\file" when file is
// not null (not created). 1, or 0 with an empty buffer when base is empty or
// the path would not fit MAX_PATH characters with its NUL.
int BuildLocation(const wchar_t* base, std::initializer_list<const wchar_t*> folders,
    const wchar_t* file, wchar_t* buffer);
