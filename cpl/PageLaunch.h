#pragma once
// Starting a program or opening an address for the page, through the
// engine's world so tests can see what would start.

#include <windows.h>

namespace cpl {

// ShellExecuteExW with the page as parent: no verb, parameters or folder,
// shown normally.
void LaunchFromPage(HWND page, const wchar_t* file);

}  // namespace cpl
