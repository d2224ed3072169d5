#pragma once
// The pixels of an LMBitmap as a view with row 0 at the picture's top.

#include "LMBitmap.h"
#include "ShadowPasses.h"

inline PixelView PixelsOf(const LMBitmap& bitmap)
{
    if (!bitmap.HasPixels())
        return PixelView{};
    return BottomUpPixels(bitmap.Dib.bmBits, bitmap.Dib.bmWidth, bitmap.Dib.bmHeight,
                          bitmap.Dib.bmWidthBytes);
}
