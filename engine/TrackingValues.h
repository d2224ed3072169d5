#pragma once
// What the tracking step remembers from one tick to the next. One engine per
// process, so these are plain globals.

#include <windows.h>

#include <cstdint>

class CThemeCursor;

// Where the pointer was at the last step (and once at start), and where the
// drawn pointer was last moved to.
extern POINT PointerPos;
extern POINT PlacedPos;
// The system-cursor slot the system shows, or -1.
extern int32_t CurrentSlot;
// The normal-state entry last applied to the pointer; compared, never read.
extern CThemeCursor* LastPointerEntry;
// The system reports no visible pointer.
extern int PointerHidden;
// The dummy's hot spot was intact at the last check.
extern int DummyVerified;
// Slot matches since the last hot-spot check, and activity calls since the
// last run of the rules.
extern int32_t VerifyCounter;
extern int32_t ActivityCounter;
// Timer 134 (re-install the dummies) is armed.
extern int ReinstallPending;
// The GUI thread's last priority check; 0 before the first.
extern DWORD ThreadCheckTime;
// The mouse event of the last button message, or -1.
extern int32_t LastEvent;
// 1 after a press, 2 after a release.
extern int32_t EngineButtonState;

// Back to the values of a process that has just started.
void ResetTrackingValues();
