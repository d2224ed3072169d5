// The drop shadow on toolkit bitmaps and bitmap states. The toolkit declares
// these members; only the programs that draw shadows build this file in.

#include "LMBitmap.h"
#include "LMBitmapState.h"
#include "ShadowPasses.h"

#include <algorithm>

namespace {

PixelView TopDownView(const BITMAP& dib)
{
    return BottomUpPixels(dib.bmBits, dib.bmWidth, dib.bmHeight, dib.bmWidthBytes);
}

}  // namespace

// Every check comes before the first change, so a refused call leaves the
// bitmap exactly as it was.
int LMBitmap::MakeShadow(int offsetX, int offsetY, int sharpness, int darkness, COLORREF color,
                         int* marginX, int* marginY, int shadowOnly)
{
    if (sharpness < 0 || !Handle || !HasPixels())
        return 0;
    const ShadowKernel kernel = MakeShadowKernel(sharpness);
    ShadowGeometry geometry;
    if (!ComputeShadowGeometry(Width, Height, FrameCount, offsetX, offsetY, kernel.Radius,
                               kLMMaxDibBytes, &geometry))
        return 0;
    ScopedBitmap grown(
        CreateDib32(geometry.Frames * geometry.NewFrameWidth, geometry.NewFrameHeight));
    BITMAP target{};
    if (!grown || !GetObjectW(grown.Get(), sizeof(target), &target) || !target.bmBits)
        return 0;

    if (!HasAlpha && !Premultiplied) {
        ColorKeyToAlpha();
        ColorKeyed = 0;
    }
    if (!Premultiplied)
        Premultiply();
    ShadowLook look;
    look.Darkness = darkness;
    look.Color = color;
    look.ShadowOnly = shadowOnly != 0;
    RenderShadowStrip(TopDownView(Dib), geometry, kernel, look, TopDownView(target));

    ReplaceDib(grown.Release());
    HasAlpha = 1;
    Premultiplied = 1;
    if (marginX)
        *marginX = geometry.MarginX;
    if (marginY)
        *marginY = geometry.MarginY;
    return 1;
}

// The insets grow by the margins the shadow added, so the visible rectangle,
// and with it a cursor's hot spot, stays where it was.
int LMBitmapState::AddShadow(int offsetX, int offsetY, int sharpness, int darkness, COLORREF color,
                             int shadowOnly)
{
    if (!Bitmap)
        return 0;
    const int oldWidth = FrameWidth;
    const int oldHeight = FrameHeight;
    int marginX = 0;
    int marginY = 0;
    if (!Bitmap->MakeShadow(offsetX, offsetY, sharpness, darkness, color, &marginX, &marginY,
                            shadowOnly))
        return 0;
    const int newWidth =
        SeparateFrames ? Bitmap->Width : Bitmap->Width / std::max(1, Bitmap->FrameCount);
    const int newHeight = Bitmap->Height;
    InsetLeft += marginX;
    InsetTop += marginY;
    InsetRight += newWidth - oldWidth - marginX;
    InsetBottom += newHeight - oldHeight - marginY;
    FrameWidth = newWidth;
    FrameHeight = newHeight;
    return 1;
}
