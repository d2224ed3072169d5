#include "LMDCCache.h"

LMSharedDCSlot LMSharedDCs[kLMSharedDCCount];
int LMSharedDCLast = 0;

int LMInitDCCache()
{
    ScopedWindowDC screen(nullptr);
    for (LMSharedDCSlot& slot : LMSharedDCs) {
        slot.Dc.Reset(CreateCompatibleDC(screen.Get()));
        slot.Selected = nullptr;
        slot.SavedDefault = nullptr;
    }
    LMSharedDCLast = 0;
    return 1;
}

void LMEmptySharedDCSlot(LMSharedDCSlot& slot)
{
    if (slot.Selected && slot.SavedDefault)
        SelectObject(slot.Dc.Get(), slot.SavedDefault);
    slot.Selected = nullptr;
    slot.SavedDefault = nullptr;
}
