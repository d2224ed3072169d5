#include "Downsampling.h"

namespace {

// One loop per factor, so the block sums unroll and the averages become
// shifts (2, 4) or a division by a constant (3).
template <int F> uint32_t AverageBlue(const PixelView& source, int x, int y)
{
    uint32_t sum = 0;
    for (int dy = 0; dy < F; ++dy) {
        const uint32_t* row = source.Row(y * F + dy) + x * F;
        for (int dx = 0; dx < F; ++dx)
            sum += row[dx] & 0xFF;
    }
    return sum / (F * F);
}

template <int F> uint32_t AverageChannels(const PixelView& source, int x, int y)
{
    uint32_t blue = 0, green = 0, red = 0, alpha = 0;
    for (int dy = 0; dy < F; ++dy) {
        const uint32_t* row = source.Row(y * F + dy) + x * F;
        for (int dx = 0; dx < F; ++dx) {
            const uint32_t pixel = row[dx];
            blue += pixel & 0xFF;
            green += (pixel >> 8) & 0xFF;
            red += (pixel >> 16) & 0xFF;
            alpha += pixel >> 24;
        }
    }
    constexpr uint32_t kCount = F * F;
    return blue / kCount | (green / kCount) << 8 | (red / kCount) << 16 | (alpha / kCount) << 24;
}

template <int F> void ShrinkChannels(const PixelView& source, const PixelView& target)
{
    for (int y = 0; y < target.Height; ++y) {
        uint32_t* out = target.Row(y);
        for (int x = 0; x < target.Width; ++x)
            out[x] = AverageChannels<F>(source, x, y);
    }
}

template <int F>
void ShrinkCoverage(const PixelView& source, const PixelView& target, uint32_t color)
{
    for (int y = 0; y < target.Height; ++y) {
        uint32_t* out = target.Row(y);
        for (int x = 0; x < target.Width; ++x)
            out[x] = color | AverageBlue<F>(source, x, y) << 24;
    }
}

}  // namespace

uint32_t PixelColor(COLORREF color)
{
    return static_cast<uint32_t>(GetBValue(color)) | static_cast<uint32_t>(GetGValue(color)) << 8 |
           static_cast<uint32_t>(GetRValue(color)) << 16;
}

bool DownsampledSize(int width, int height, int factor, int* newWidth, int* newHeight)
{
    if (factor < 2 || factor > 4 || width < factor || height < factor)
        return false;
    *newWidth = width / factor;
    *newHeight = height / factor;
    return true;
}

void DownsampleChannels(const PixelView& source, const PixelView& target, int factor)
{
    switch (factor) {
    case 2:
        ShrinkChannels<2>(source, target);
        break;
    case 3:
        ShrinkChannels<3>(source, target);
        break;
    case 4:
        ShrinkChannels<4>(source, target);
        break;
    default:
        break;
    }
}

void DownsampleCoverage(const PixelView& source, const PixelView& target, int factor,
                        COLORREF color)
{
    const uint32_t pixel = PixelColor(color);
    switch (factor) {
    case 2:
        ShrinkCoverage<2>(source, target, pixel);
        break;
    case 3:
        ShrinkCoverage<3>(source, target, pixel);
        break;
    case 4:
        ShrinkCoverage<4>(source, target, pixel);
        break;
    default:
        break;
    }
}
