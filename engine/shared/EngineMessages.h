#pragma once
// The ten registered messages of the engine window. Every program registers
// the names it sends itself; the numbers agree because the names do.

#include <windows.h>

// Index of each message in EngineMessages, in registration order.
enum EngineMessage {
    WM_TRV_MOUSEMSG,
    WM_TRV_RESTART,
    WM_TRV_SHUTDOWN,
    WM_TRV_SYSTRAYMSG,
    WM_TRV_GETSYSCUR,
    WM_TRV_UPDATE,
    WM_TRV_REAPPLY,
    WM_TRV_SETVISIBLE,
    WM_TRV_APPLYVALS,
    WM_TRV_TRAIL,
    kEngineMessageCount
};

extern const wchar_t* const kEngineMessageNames[kEngineMessageCount];

// The registered numbers; 0 where registration failed.
extern UINT EngineMessages[kEngineMessageCount];

// Registers the ten names in order, one call each.
void RegisterEngineMessages();

// The engine message a window message is, or -1. A failed registration (0)
// never matches, so WM_NULL is never taken for one.
int MatchEngineMessage(UINT message);
