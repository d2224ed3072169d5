#pragma once
// The per-tick step: activity rules, which system pointer shows, the theme
// cursor drawn for it, button messages and sounds.

#include "TrackingValues.h"

#include <windows.h>

class CThemeCursor;

constexpr UINT_PTR kReinstallTimerId = 134;

// The step of WM_TRV_UPDATE. A step that is already running makes a nested
// call return at once; the busy flag is cleared on every way out.
void UpdateStep();
// 1 active, 0 inactive; the rules run at every 30th call (ActivityRules.cpp).
int ShouldBeActive();
// The drawable theme cursor for a slot in a cursor state, or null (RoleChoice.cpp).
CThemeCursor* ResolvePointer(int slot, int state);
HWND ChildWindowAtCursor();
// 19 for a push button, check box or radio button, else -1.
int ButtonContextRole(HWND window);
// A button message of the hook library (ClickHandling.cpp).
void OnMouseMessage(UINT message);
// The theme's sound of a mouse event (ThemeSound.cpp).
void PlayThemeSound(int event);
