#pragma once
// A visual state that shows frames of a horizontal strip in an LMBitmap.

#include "LMBitmap.h"
#include "LMState.h"

#include <memory>

// Text state flag: draw the text larger and box-filter it down.
constexpr int LMTextSupersample = 0x100;

class LMBitmapState : public LMVisualState {
public:
    // Holds one reference to the bitmap; one frame of the bitmap's size.
    LMBitmapState(const wchar_t* name, LMBitmap* bitmap);
    // A copy under a new name; deep copies the pixels into a new bitmap.
    LMBitmapState(const wchar_t* name, const LMBitmapState& source, bool deep);
    // A text drawn once into a bitmap (CreateFromText with no caret).
    // Defined in panel/.
    LMBitmapState(const wchar_t* name, const wchar_t* text, const wchar_t* face, int size, int bold,
                  int italic, int underline, int strikeOut, int charset, COLORREF color,
                  int outlined, COLORREF outlineColor, int alignment, int width, int height,
                  int flags);
    LMBitmapState(const wchar_t* name, const wchar_t* text, const wchar_t* face, int size, int bold,
                  int italic, int underline, int charset, COLORREF color, int outlined,
                  COLORREF outlineColor, int alignment, int width, int height, int flags);
    ~LMBitmapState() override;

    int HitTest(int x, int y) override;
    // Draws through DrawFrame at full opacity.
    int Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height) override;
    int SetFrames(int count, int intervalMs, int flags) override;

    int DrawFrame(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height,
                  int alpha);
    int ResizeBitmap(int frameWidth, int height, int left, int right, int top, int bottom,
                     int smoothH, int smoothV);
    // Opacity of the frame shown, from the ramp.
    int FrameOpacity() const;
    // A drop shadow on the bitmap; the insets grow so the visible rectangle
    // stays put. Defined in engine/ beside LMBitmap::MakeShadow.
    int AddShadow(int offsetX, int offsetY, int sharpness, int darkness, COLORREF color,
                  int shadowOnly);
    // The same in black under the picture. Defined in panel/.
    int AddShadow(int offsetX, int offsetY, int sharpness, int darkness);

    // Makes the state's bitmap from a text; flags 0x100 supersamples.
    // Defined in panel/.
    void CreateFromText(const wchar_t* text, const wchar_t* face, int size, int bold, int italic,
                        int underline, int strikeOut, int charset, COLORREF color, int outlined,
                        COLORREF outlineColor, int alignment, int width, int height, int caretIndex,
                        int flags);

    LMBitmap* Bitmap = nullptr;
    // The colour of the text the bitmap was made from; CLR_INVALID for a
    // picture.
    COLORREF TextColor = CLR_INVALID;
    int32_t PlainCopy = 0;
    int32_t SeparateFrames = 0;
    std::unique_ptr<LMBitmap> MaskLayer;
};
