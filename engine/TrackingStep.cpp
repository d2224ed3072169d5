// The per-tick step is not built yet: each tick and button message does
// nothing so far.

#include "TrackingStep.h"

POINT PointerPos = {};
int ReinstallPending = 0;

void UpdateStep()
{
}

int ShouldBeActive()
{
    return 0;
}

CThemeCursor* ResolvePointer(int, int)
{
    return nullptr;
}

HWND ChildWindowAtCursor()
{
    return nullptr;
}

int ButtonContextRole(HWND)
{
    return -1;
}

void OnMouseMessage(UINT)
{
}

void PlayThemeSound(int)
{
}
