#include "LMObjGlobals.h"

LMObj* RootObject = nullptr;
LMObj* FocusObject = nullptr;
LMObj* HoveredObject = nullptr;
LMObj* PressedObject = nullptr;
DWORD PressTime = 0;
POINT PressPoint = {0, 0};
int ButtonState = LMButtonNone;
int NoDragFlag = 0;
HWND ActivatedWindow = nullptr;
int ToolkitMoveCount = 0;
HWND AnchorPopup = nullptr;
LMObj* ChildWindowObject = nullptr;
