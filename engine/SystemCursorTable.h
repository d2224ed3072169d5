#pragma once
// The 15 system pointers the engine can replace, in slot order. The slot index
// is the number used everywhere: WM_TRV_GETSYSCUR, "QMWShd0", the tracking step.

#include "EngineValues.h"

#include <windows.h>

struct SystemCursorSlot {
    int32_t OcrId;   // SetSystemCursor identifier; LoadCursorW uses the same number
    int32_t Role;    // theme role whose normal cursor decides the swap
    int32_t IdcId;
    HCURSOR Dummy;   // what the system returns for the pointer once the dummy is in
    HCURSOR SavedCopy;  // private copy of the user's pointer from before the swap
};

extern SystemCursorSlot SystemCursorSlots[kSharedCursorSlots];
