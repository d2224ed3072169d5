#pragma once
// What the engine's self-deleting sprites (click effects and trails) share:
// when their animation has ended, the last frame stays for one more frame
// time, then the sprite hides and deletes itself.

#include "LMObj.h"

#include <windows.h>

constexpr UINT_PTR kSpriteDeleteTimerId = 453;
constexpr int kSpriteLayerTopmost = 8;

// How long the last frame stays: the script delay of a state with a frame
// script, else its frame interval; at least 1 ms.
UINT SpriteLingerMs(const LMObj& sprite);

// Whoever makes a sprite creates it with new, gives it a state, realizes and
// shows it and starts the state; it deletes itself one frame time after the
// animation ends, and must not be used after that.
class CLMSprite : public LMObj {
public:
    CLMSprite();

    // Arms the self-delete timer, then as LMObj.
    int OnStateDone(const wchar_t* name, int flags) override;
    // The self-delete timer hides the window and deletes the object.
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};
