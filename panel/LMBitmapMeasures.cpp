// Shrinking a bitmap by the supersampling factor, and the bounds of what it
// shows.

#include "BitmapView.h"
#include "Downsampling.h"
#include "LMBitmap.h"
#include "LMToolkit.h"
#include "TextPixels.h"

#include <algorithm>

namespace {

// The colour form takes alpha from the blue bytes; without a colour every
// byte averages on its own. A failure leaves the bitmap as it was.
int Shrink(LMBitmap& bitmap, const COLORREF* color)
{
    const int factor = LMSupersampleFactor;
    int width = 0, height = 0;
    if (!bitmap.HasPixels() ||
        !DownsampledSize(bitmap.Width, bitmap.Height, factor, &width, &height))
        return 0;
    ScopedBitmap dib(LMBitmap::CreateDib32(width, height));
    BITMAP target{};
    if (!dib || !GetObjectW(dib.Get(), sizeof(target), &target) || !target.bmBits)
        return 0;
    GdiFlush();
    const PixelView shrunk =
        BottomUpPixels(target.bmBits, target.bmWidth, target.bmHeight, target.bmWidthBytes);
    if (color)
        DownsampleCoverage(PixelsOf(bitmap), shrunk, factor, *color);
    else
        DownsampleChannels(PixelsOf(bitmap), shrunk, factor);
    bitmap.ReplaceDib(dib.Release());
    bitmap.HasAlpha = 1;
    bitmap.Premultiplied = 0;
    bitmap.ColorKeyed = 0;
    return 1;
}

}  // namespace

int LMBitmap::Downsample(COLORREF color)
{
    return Shrink(*this, &color);
}

int LMBitmap::Downsample()
{
    return Shrink(*this, nullptr);
}

int LMBitmap::OpaqueBounds(int* left, int* top, int* right, int* bottom) const
{
    const int frameWidth = Width / std::max(FrameCount, 1);
    OpaqueRect bounds{0, 0, frameWidth - 1, Height - 1};
    const bool readable = HasPixels() && frameWidth > 0;
    if (readable) {
        PixelView frame = PixelsOf(*this);
        frame.Width = frameWidth;
        bounds = FindOpaqueBounds(frame);
    }
    if (left)
        *left = bounds.Left;
    if (top)
        *top = bounds.Top;
    if (right)
        *right = bounds.Right;
    if (bottom)
        *bottom = bounds.Bottom;
    return readable ? 1 : 0;
}
