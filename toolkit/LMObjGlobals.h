#pragma once
// Toolkit-wide object values, one set per program, all used on the GUI thread.

#include <windows.h>

class LMObj;

// The root of the object tree, made by LMInitialize.
extern LMObj* RootObject;
// Keyboard focus, the object under the mouse, the last object pressed.
extern LMObj* FocusObject;
extern LMObj* HoveredObject;
extern LMObj* PressedObject;
// Time of the last left press, for the double click.
extern DWORD PressTime;
// Press position in the pressed object's coordinates.
extern POINT PressPoint;
