#pragma once
// The GDI side of the panel's bitmap texts: lays a text out in its box and
// draws it into a 32-bit DIB held in a memory DC with the font selected.

#include "ScopedWin.h"
#include "ShadowPasses.h"

#include <string>

class TextCanvas {
public:
    // width and height are already scaled: 0 measures that side, a negative
    // width asks for two lines of its size. The box is rounded up to a
    // multiple of step and lies margin pixels inside the zeroed DIB.
    TextCanvas(const wchar_t* text, HFONT font, int alignment, int width, int height, int step,
               int margin);
    ~TextCanvas();
    TextCanvas(const TextCanvas&) = delete;
    TextCanvas& operator=(const TextCanvas&) = delete;

    // False when GDI could not give the font, DC or DIB.
    bool Ready() const { return pixels_.Pixels != nullptr; }
    // Draws the text opaque in one colour on another; false on failure.
    bool Draw(COLORREF textColor, COLORREF background);
    // The DIB's pixels, row 0 at the top; valid until Release.
    const PixelView& Pixels() const { return pixels_; }
    // Hands the DIB over, out of the DC.
    HBITMAP Release();

private:
    SIZE LayOut(int alignment, int width, int height);
    SIZE LayOutTwoLines(int alignment, int width, int height);
    bool CreateDib(SIZE box, int margin);

    std::wstring text_;
    UINT format_ = 0;
    RECT box_{};
    ScopedMemoryDC dc_;
    ScopedBitmap dib_;
    HGDIOBJ previousFont_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    PixelView pixels_;
};
