#pragma once
// Every modal message box of the system goes through here, so tests can record
// boxes instead of blocking on them.

#include <windows.h>

#include <functional>

using LMMessageBoxHandler = std::function<int(HWND owner, const wchar_t* text,
                                              const wchar_t* caption, UINT type)>;

int LMMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Returns the previous handler; an empty handler restores MessageBoxW.
LMMessageBoxHandler LMSetMessageBoxHandler(LMMessageBoxHandler handler);
