#pragma once
// What the engine's self-deleting sprites (click effects and trails) share:
// when their animation has ended, the last frame stays for one more frame
// time, then the sprite hides and deletes itself.

#include <windows.h>

class LMObj;

constexpr UINT_PTR kSpriteDeleteTimerId = 453;
constexpr int kSpriteLayerTopmost = 8;

// How long the last frame stays: the script delay of a state with a frame
// script, else its frame interval; at least 1 ms.
UINT SpriteLingerMs(const LMObj& sprite);
// Arms the self-delete timer on the sprite's window; 0 without a window.
int ArmSpriteDeleteTimer(const LMObj& sprite);
// Hides the window before its sprite goes.
void HideSpriteWindow(HWND window);
