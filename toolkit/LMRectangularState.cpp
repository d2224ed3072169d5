#include "LMRectangularState.h"

#include "LMProcs.h"

#include <algorithm>

namespace
{

constexpr int kSwatchSize = 64;
constexpr COLORREF kNoBlendFill = 0xC00000;

// A 64 x 64 swatch of one colour, stretched over whatever it fills.
std::unique_ptr<LMBitmap> MakeSwatch(COLORREF color)
{
    auto swatch = std::make_unique<LMBitmap>(kSwatchSize, kSwatchSize, LMBitmapSharedDC);
    ScopedBrush brush(CreateSolidBrush(color));
    RECT all { 0, 0, kSwatchSize, kSwatchSize };
    if (HDC dc = swatch->GetDC())
        FillRect(dc, &all, brush.Get());
    GdiFlush();
    swatch->Premultiply();
    return swatch;
}

void BlendSwatch(HDC hdc, LMBitmap& swatch, int alpha, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    BLENDFUNCTION blend { AC_SRC_OVER, 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)),
        AC_SRC_ALPHA };
    LMProcs::AlphaBlend(
        hdc, x, y, width, height, swatch.GetDC(), 0, 0, kSwatchSize, kSwatchSize, blend);
}

} // namespace

LMRectangularState::LMRectangularState(
    const wchar_t* name, COLORREF borderColor, int borderAlpha, COLORREF fillColor, int fillAlpha)
    : LMVisualState(name)
    , BorderColor(borderColor)
    , BorderAlpha(borderAlpha)
    , FillColor(fillColor)
    , FillAlpha(fillAlpha)
{
    if (BorderAlpha)
        BorderBitmap = MakeSwatch(BorderColor);
    if (FillAlpha)
        FillBitmap = MakeSwatch(FillColor);
}

LMRectangularState::~LMRectangularState() = default;

int LMRectangularState::HitTest(int, int)
{
    return PassThrough ? 0 : 1;
}

// The border is drawn only on the edges of the frame that the part touches,
// so a frame drawn in pieces gets one border round the whole.
int LMRectangularState::Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height)
{
    if (!LMProcs::AlphaBlend) {
        ScopedBrush brush(CreateSolidBrush(kNoBlendFill));
        RECT part { dstX, dstY, dstX + width, dstY + height };
        FillRect(hdc, &part, brush.Get());
        return 1;
    }
    if (FillAlpha && FillBitmap)
        BlendSwatch(hdc, *FillBitmap, FillAlpha, dstX, dstY, width, height);
    if (!BorderAlpha || !BorderBitmap)
        return 1;
    bool left = srcX == 0;
    bool right = srcX + width == FrameWidth;
    int edgeX = dstX + (left ? 1 : 0);
    int edgeLength = width - (right ? 1 : 0) - (left ? 1 : 0);
    if (srcY == 0)
        BlendSwatch(hdc, *BorderBitmap, BorderAlpha, edgeX, dstY, edgeLength, 1);
    if (right)
        BlendSwatch(hdc, *BorderBitmap, BorderAlpha, dstX + width - 1, dstY, 1, height);
    if (srcY + height == FrameHeight)
        BlendSwatch(hdc, *BorderBitmap, BorderAlpha, edgeX, dstY + height - 1, edgeLength, 1);
    if (left)
        BlendSwatch(hdc, *BorderBitmap, BorderAlpha, dstX, dstY, 1, height);
    return 1;
}
