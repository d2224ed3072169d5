#pragma once
// Optional system procedures, bound once at start-up; null when not bound, and
// every caller falls back then.

#include <windows.h>

#include <uxtheme.h>

namespace LMProcs {

extern decltype(&::UpdateLayeredWindow) UpdateLayeredWindow;
extern decltype(&::SetLayeredWindowAttributes) SetLayeredWindowAttributes;
extern decltype(&::AlphaBlend) AlphaBlend;
extern decltype(&::TransparentBlt) TransparentBlt;
extern decltype(&::SetProcessWorkingSetSize) SetProcessWorkingSetSize;
extern decltype(&::DrawThemeParentBackground) DrawThemeParentBackground;
// Always bound: the moves of the toolkit's own windows go through here, so
// that what a step costs in window calls can be counted.
extern decltype(&::SetWindowPos) SetWindowPos;

// Layered drawing and blending: USER32, msimg32 and KERNEL32.
void BindLayered();
// Only when uxtheme is already loaded in the process.
void BindThemeBackground();

// Gives a dialog the themed background of a tab page; 1 when given. Only
// through a uxtheme the process already uses, whoever asks: loading it here
// would theme a dialog whose controls stay unthemed (no common controls 6).
int EnableTabTexture(HWND window);

}  // namespace LMProcs
