#pragma once
// A visual state that shows nothing.

#include "LMState.h"

class LMBlankState : public LMVisualState {
public:
    explicit LMBlankState(const wchar_t* name);

    int HitTest(int x, int y) override;
    int Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height) override;
};
