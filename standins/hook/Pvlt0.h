#pragma once
// The hook library the engine loads from its folder: given the engine window
// and the number of WM_TRV_MOUSEMSG, it posts that message with the button
// message in wParam for every mouse button pressed or released in the session.

#include <windows.h>

// Exported undecorated through Pvlt0.def.
#define PVLT0_API extern "C"

// Installs the hook for this window and message; a second call re-targets it.
PVLT0_API int WINAPI Pvlt0_00(HWND window, UINT message);
// Removes the hook; safe without an install and when called twice.
PVLT0_API int WINAPI Pvlt0_01(void);

// The engine binds them by name.
constexpr char kPvlt0InstallName[] = "Pvlt0_00";
constexpr char kPvlt0RemoveName[] = "Pvlt0_01";
using Pvlt0InstallProc = int(WINAPI*)(HWND, UINT);
using Pvlt0RemoveProc = int(WINAPI*)(void);
