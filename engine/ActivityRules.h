#pragma once
// Whether the engine should draw: not switched off by the hot key, not under
// a full-screen console, game or media window, not on a secure desktop,
// screen saver or remote session, and a pointer to draw for.

#include <windows.h>

constexpr int kActivityCheckEvery = 30;

// A topmost window at least as large as the primary screen.
bool IsFullScreenTopmost(LONG_PTR exStyle, const RECT& rect, int screenWidth, int screenHeight);
// Media Center and the 3-D window switcher take the screen for themselves.
bool IsFullScreenClass(const wchar_t* className);

// The rules in order; 0 at the first that fails, else 1.
int EvaluateActivityRules();
