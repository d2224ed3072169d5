#pragma once
// A visual state that shows a text in a cached font.

#include "LMState.h"

#include <string>

class LMTextState : public LMVisualState {
public:
    // alignment: 1 left, 2 centre, 4 right; width or height 0 = measured.
    LMTextState(const wchar_t* name, const wchar_t* text, const wchar_t* face, int size, int bold,
                int italic, int underline, int charset, COLORREF color, int alignment, int width,
                int height);

    int HitTest(int x, int y) override;
    int Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height) override;

    COLORREF TextColor;
    HFONT Font = nullptr;  // from the font cache, not owned
    std::wstring Text;
    int32_t AlignmentFormat = 0;  // 0 left, 1 centre, 2 right
};
