#include "EngineWindowLookup.h"

#include "EngineWorld.h"

HWND FindEngineWindow()
{
    return World().FindWindowW(L"Pavolt", nullptr);
}
