#pragma once
// The background an adopted child window shows where no object lies: its
// parent's own background (the themed tab texture of a property page, a
// dialog's brush), as the system draws it behind transparent controls.

#include <windows.h>

// Paints the parent's background under the client area part of window into
// dc, where client point (originX, originY) lands at the dc's (0, 0).
// Top-level windows have no parent to show: nothing is painted.
void LMDrawParentBackground(HWND window, HDC dc, int originX, int originY, const RECT& area);
