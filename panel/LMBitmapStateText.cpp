// Text states: a text rendered once into a bitmap state, drawn from then on
// like any other picture.

#include "LMBitmapState.h"
#include "LMToolkit.h"
#include "TextLayout.h"

LMBitmapState::LMBitmapState(const wchar_t* name, const wchar_t* text, const wchar_t* face,
                             int size, int bold, int italic, int underline, int strikeOut,
                             int charset, COLORREF color, int outlined, COLORREF outlineColor,
                             int alignment, int width, int height, int flags)
    : LMBitmapState(name, static_cast<LMBitmap*>(nullptr))
{
    CreateFromText(text, face, size, bold, italic, underline, strikeOut, charset, color, outlined,
                   outlineColor, alignment, width, height, -1, flags);
}

LMBitmapState::LMBitmapState(const wchar_t* name, const wchar_t* text, const wchar_t* face,
                             int size, int bold, int italic, int underline, int charset,
                             COLORREF color, int outlined, COLORREF outlineColor, int alignment,
                             int width, int height, int flags)
    : LMBitmapState(name, text, face, size, bold, italic, underline, 0, charset, color, outlined,
                    outlineColor, alignment, width, height, flags)
{
}

// The outlined bitmap is one pixel larger on every side than its box; the
// insets keep that margin outside the visible rectangle.
void LMBitmapState::CreateFromText(const wchar_t* text, const wchar_t* face, int size, int bold,
                                   int italic, int underline, int strikeOut, int charset,
                                   COLORREF color, int outlined, COLORREF outlineColor,
                                   int alignment, int width, int height, int caretIndex, int flags)
{
    TextColor = color;
    const int supersample = (flags & LMTextSupersample) ? 1 : 0;
    const int scale = TextScale(supersample, LMSupersampleFactor);
    const LOGFONTW logFont =
        TextLogFont(face, size, scale, bold, italic, underline, strikeOut, charset);
    ScopedFont font(CreateFontIndirectW(&logFont));
    LMBitmap* bitmap = outlined ? new LMBitmap(LMOutlinedText, text, font.Get(), color,
                                               outlineColor, alignment, width, height, supersample)
                                : new LMBitmap(text, font.Get(), color, alignment, width, height,
                                               supersample, caretIndex);
    bitmap->AddRef();
    if (Bitmap)
        Bitmap->Release();
    Bitmap = bitmap;
    if (outlined) {
        InsetLeft += 1;
        InsetTop += 1;
        InsetRight += 1;
        InsetBottom += 1;
    }
    Kind = LMStateKindBitmap;
    ScriptSteps.clear();
    ResetScript();
    FrameWidth = Bitmap->Width;
    FrameHeight = Bitmap->Height;
    FrameCount = 1;
    FrameFlags = 0;
    PlainCopy = 0;
    SeparateFrames = 0;
    MaskLayer.reset();
}
