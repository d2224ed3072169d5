#pragma once
// The system pointers and their transparent dummies: switching the engine on
// and off, installing and restoring the dummies, and the answer to
// WM_TRV_GETSYSCUR.

#include <windows.h>

// When the dummies were last installed (the engine's clock); 0 before that.
extern DWORD LastInstallTime;

int IsEngineEnabled();
// Dummies in, title empty, the active mark set.
void EnableEngine();
// Pointer hidden, title "Disabled", mark cleared, system pointers back.
void DisableEngine();
// 1 when installed; 0 when there is no current theme or the engine is not
// enabled (a re-install that comes after the engine went inactive).
int SetDummyCursors();
void SetDummyCursor(int slot);
// Gives every slot with a dummy installed its pointer back.
void RestoreWindowsCursors();
// The user's pointer for a slot 0..14 while enabled, else what the system
// shows; null for any other slot.
HCURSOR GetSystemCursor(WPARAM slot);

// Some slot has a dummy installed.
bool AnyDummyInstalled();
// The last-chance handler of a crash: the user's pointers come back before the
// process dies. Set by the first installation.
LONG WINAPI RestoreCursorsOnCrash(EXCEPTION_POINTERS* exception);

// Slots empty and nothing installed, as in a new process (for tests); no
// handle is destroyed.
void ResetCursorSubstitution();
