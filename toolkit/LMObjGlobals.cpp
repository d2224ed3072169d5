#include "LMObjGlobals.h"

LMObj* RootObject = nullptr;
LMObj* FocusObject = nullptr;
LMObj* HoveredObject = nullptr;
LMObj* PressedObject = nullptr;
DWORD PressTime = 0;
POINT PressPoint = {0, 0 };
