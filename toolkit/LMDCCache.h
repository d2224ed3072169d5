#pragma once
// Six memory DCs shared by bitmaps that have no DC of their own, so a program
// holding hundreds of small bitmaps does not keep one DC per bitmap.

#include "ScopedWin.h"

constexpr int kLMSharedDCCount = 6;

struct LMSharedDCSlot {
    ScopedMemoryDC Dc;
    HBITMAP Selected = nullptr;      // bitmap now selected, or null
    HGDIOBJ SavedDefault = nullptr;  // what the DC held before it
};

extern LMSharedDCSlot LMSharedDCs[kLMSharedDCCount];
extern int LMSharedDCLast;  // slot used last

int LMInitDCCache();

// Puts the slot's default bitmap back and leaves it empty.
void LMEmptySharedDCSlot(LMSharedDCSlot& slot);
