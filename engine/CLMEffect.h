#pragma once
// A click effect: a sprite played once at a mouse-button event.
// Whoever makes one creates it with new, gives it a state, realizes and
// shows it and starts the state; it deletes itself one frame time after the
// animation ends, and must not be used after that.

#include "LMObj.h"

class CLMEffect : public LMObj {
public:
    CLMEffect();

    // Arms the self-delete timer, then as LMObj.
    int OnStateDone(const wchar_t* name, int flags) override;
    // The self-delete timer hides the window and deletes the object.
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
};
