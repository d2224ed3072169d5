#pragma once
// A visual state that fills its frame and draws a one-pixel border, each with
// its own colour and opacity.

#include "LMBitmap.h"
#include "LMState.h"

#include <memory>

class LMRectangularState : public LMVisualState {
public:
    LMRectangularState(const wchar_t* name, COLORREF borderColor, int borderAlpha,
                       COLORREF fillColor, int fillAlpha);
    ~LMRectangularState() override;

    int HitTest(int x, int y) override;
    int Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height) override;

    COLORREF BorderColor;
    int32_t BorderAlpha;
    COLORREF FillColor;
    int32_t FillAlpha;
    int32_t PassThrough = 1;
    std::unique_ptr<LMBitmap> FillBitmap;
    std::unique_ptr<LMBitmap> BorderBitmap;
};
