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

// The button held down in a toolkit window.
constexpr int LMButtonNone = 0;
constexpr int LMButtonLeft = 1;
constexpr int LMButtonRight = 2;
extern int ButtonState;
// Set by a double click or a lost focus: the rest of the press hovers
// instead of dragging.
extern int NoDragFlag;
// The window of the object last activated by a click.
extern HWND ActivatedWindow;
// Window moves the toolkit is making itself (restacking, group drags);
// while it is above 0 the toolkit's windows let moves through.
extern int ToolkitMoveCount;
// The hidden popup that objects of layer bit 2 are stacked below.
extern HWND AnchorPopup;
// The last realized child-window object.
extern LMObj* ChildWindowObject;
