// Pixel operations of LMBitmap: clearing, colour key, premultiplication,
// masking and hit testing.

#include "LMBitmap.h"

#include <algorithm>

namespace {

bool IsColorKey(uint32_t pixel)
{
    return (pixel & 0x00FFFFFF) == kLMColorKey;
}

uint32_t Alpha(uint32_t pixel)
{
    return pixel >> 24;
}

// Multiplies the colour channels by a (0..255), keeping the alpha byte given.
uint32_t ScaleColor(uint32_t pixel, uint32_t a, uint32_t alphaByte)
{
    uint32_t b = (pixel & 0xFF) * a / 255;
    uint32_t g = ((pixel >> 8) & 0xFF) * a / 255;
    uint32_t r = ((pixel >> 16) & 0xFF) * a / 255;
    return b | (g << 8) | (r << 16) | (alphaByte << 24);
}

template <typename PixelFn>
void ForEachPixel(const LMBitmap& bitmap, PixelFn fn)
{
    for (int y = 0; y < bitmap.Height; ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width; ++x)
            row[x] = fn(row[x]);
    }
}

}  // namespace

int LMBitmap::Clear()
{
    if (!Handle || !HasPixels())
        return 0;
    uint32_t fill = (ColorKeyed && !HasAlpha) ? kLMColorKey : 0;
    ForEachPixel(*this, [fill](uint32_t) { return fill; });
    return 1;
}

int LMBitmap::ClearRect(int x, int y, int width, int height)
{
    if (!Handle || !HasPixels())
        return 0;
    int64_t right = std::min<int64_t>(static_cast<int64_t>(x) + width, Width);
    int64_t bottom = std::min<int64_t>(static_cast<int64_t>(y) + height, Height);
    x = std::max(x, 0);
    y = std::max(y, 0);
    for (int row = y; row < bottom; ++row)
        std::fill(Row(row) + x, Row(row) + std::max<int64_t>(right, x), 0u);
    return 1;
}

int LMBitmap::ColorKeyToAlpha()
{
    RefreshDescription();
    if (!HasPixels())
        return 0;
    ForEachPixel(*this, [](uint32_t pixel) {
        return IsColorKey(pixel) ? 0u : (pixel | 0xFF000000u);
    });
    HasAlpha = 1;
    Premultiplied = 1;
    return 1;
}

int LMBitmap::Premultiply()
{
    if (!HasAlpha)
        return ColorKeyToAlpha();
    if (Premultiplied || NoBlend || !HasPixels())
        return 0;
    ForEachPixel(*this, [](uint32_t pixel) {
        return IsColorKey(pixel) ? 0u : ScaleColor(pixel, Alpha(pixel), Alpha(pixel));
    });
    Premultiplied = 1;
    return 1;
}

// Pixels the source does not cover keep their values.
int LMBitmap::MultiplyAlpha(const LMBitmap& source, int columnOffset)
{
    if (source.Dib.bmBitsPixel != 32)
        return 1;
    if (!HasPixels() || !source.HasPixels())
        return 0;
    int rows = std::min(Height, source.Height);
    int64_t firstColumn = std::max<int64_t>(0, -static_cast<int64_t>(columnOffset));
    int64_t endColumn = std::min<int64_t>(Width, static_cast<int64_t>(source.Width) - columnOffset);
    for (int y = 0; y < rows; ++y) {
        uint32_t* row = Row(y);
        const uint32_t* mask = source.Row(y);
        for (int64_t x = firstColumn; x < endColumn; ++x) {
            uint32_t masked = Alpha(mask[x + columnOffset]) * Alpha(row[x]) / 255;
            row[x] = ScaleColor(row[x], masked, masked);
        }
    }
    return 1;
}

int LMBitmap::HitTestPixel(int x, int y) const
{
    if (x < 0 || x >= Width || y < 0 || y >= Height || !HasPixels())
        return 0;
    uint32_t pixel = *PixelAt(x, y);
    if (HasAlpha)
        return Alpha(pixel) > 15 ? 1 : 0;
    if (Premultiplied)
        return Alpha(pixel) != 0 ? 1 : 0;
    return IsColorKey(pixel) ? 0 : 1;
}
