#pragma once
// The per-tick step: activity rules, which system pointer shows, the theme
// cursor drawn for it, button messages and sounds.

#include <windows.h>

class CThemeCursor;

// Where the pointer was at the last step (and once at start).
extern POINT PointerPos;
// Timer 134 (re-install the dummies) is armed.
extern int ReinstallPending;

constexpr UINT_PTR kReinstallTimerId = 134;

void UpdateStep();
int ShouldBeActive();
CThemeCursor* ResolvePointer(int slot, int state);
HWND ChildWindowAtCursor();
int ButtonContextRole(HWND window);
void OnMouseMessage(UINT message);
void PlayThemeSound(int event);
