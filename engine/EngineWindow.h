#pragma once
// What the engine window does with each message: a plain decision, then the
// procedure carries it out.

#include <windows.h>

enum class EngineAction {
    Default,         // DefWindowProcW decides
    PowerSuspend,    // suspend asked or under way: inactive, returns 1
    PowerResume,     // suspend refused or resumed
    TrailTimer,      // WM_TIMER 133
    ReinstallTimer,  // WM_TIMER 134: the dummies go in again
    HotKey,          // on/off, returns 0
    Update,          // the per-tick step, returns 0
    MouseMessage,    // a button message from the hook library
    Reapply,
    Restart,
    Shutdown,
    GetSystemCursor,  // returns the cursor handle
    ShowPointer,      // WM_TRV_SETVISIBLE 1
    HidePointer,      // WM_TRV_SETVISIBLE 0
    SuppressTrail,    // WM_TRV_TRAIL 1
    AllowTrail,       // WM_TRV_TRAIL 0
    Close,            // WM_CLOSE ends the engine as WM_TRV_SHUTDOWN does, returns 0
};

// Uses the registered numbers in EngineMessages.
EngineAction DecideEngineMessage(UINT message, WPARAM wParam);
