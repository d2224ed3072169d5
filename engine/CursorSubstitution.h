#pragma once
// The system pointers and their transparent dummies: switching the engine on
// and off, installing and restoring the dummies, and the answer to
// WM_TRV_GETSYSCUR.

#include <windows.h>

int IsEngineEnabled();
// Dummies in, title empty, the active mark set.
void EnableEngine();
// Pointer hidden, title "Disabled", mark cleared, system pointers back.
void DisableEngine();
// 0 when there is no current theme.
int SetDummyCursors();
void SetDummyCursor(int slot);
void RestoreWindowsCursors();
HCURSOR GetSystemCursor(int slot);
