// Switching the engine on and off. The dummy cursors themselves are not
// installed yet: SetDummyCursors, SetDummyCursor, RestoreWindowsCursors and
// GetSystemCursor do nothing so far.

#include "CursorSubstitution.h"

#include "CPointer.h"
#include "EngineValues.h"
#include "EngineWorld.h"

int IsEngineEnabled()
{
    return EngineEnabled;
}

void EnableEngine()
{
    if (EngineEnabled)
        return;
    EngineEnabled = 1;
    SetDummyCursors();
    World().SetWindowTextW(EngineWindow, L"");
    World().SetWindowLongPtrW(EngineWindow, GWLP_USERDATA, EngineActiveMark);
}

void DisableEngine()
{
    if (!EngineEnabled)
        return;
    EngineEnabled = 0;
    if (EnginePointer)
        EnginePointer->Hide();
    World().SetWindowTextW(EngineWindow, L"Disabled");
    World().SetWindowLongPtrW(EngineWindow, GWLP_USERDATA, 0);
    RestoreWindowsCursors();
    World().Sleep(100);
}

int SetDummyCursors()
{
    return 0;
}

void SetDummyCursor(int)
{
}

void RestoreWindowsCursors()
{
}

HCURSOR GetSystemCursor(int)
{
    return nullptr;
}
