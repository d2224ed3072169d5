#pragma once
// The mouse as a user moves it: the cursor put on a screen point and the
// button events sent through the system's input queue, with this thread's
// messages pumped after each step so windows of this thread see them.

#include <windows.h>

enum class MouseButton { Left, Right };

void MoveMouseTo(POINT screen);
void PressMouse(POINT screen, MouseButton button = MouseButton::Left);
void ReleaseMouse(POINT screen, MouseButton button = MouseButton::Left);
// Press and release at one point.
void ClickMouse(POINT screen, MouseButton button = MouseButton::Left);
// A left press at from, moves in steps to to, and the release there.
void DragMouse(POINT from, POINT to, int steps = 8);
// Wheel notches at a point (positive turns away from the user).
void TurnWheel(POINT screen, int notches);
// A point of a window's client area on the screen.
POINT ClientPointOnScreen(HWND window, int x, int y);
