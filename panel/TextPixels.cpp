#include "TextPixels.h"

#include "Downsampling.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kCornerWeight = 2;
constexpr uint32_t kEdgeWeight = 8;
constexpr uint32_t kCentreWeight = 20;
constexpr uint32_t kOutlineDivisor = 15;
// Alpha at or below this counts as not drawn.
constexpr uint32_t kInvisibleAlpha = 15;

uint32_t CoverageAt(const PixelView& coverage, int shift, int x, int y)
{
    if (x < 0 || y < 0 || x >= coverage.Width || y >= coverage.Height)
        return 0;
    return (coverage.Row(y)[x] >> shift) & 0xFF;
}

uint32_t WithAlpha(uint32_t pixel, uint32_t alpha)
{
    return (pixel & 0x00FFFFFFu) | alpha << 24;
}

bool RowHasVisible(const PixelView& frame, int y)
{
    const uint32_t* row = frame.Row(y);
    for (int x = 0; x < frame.Width; ++x) {
        if ((row[x] >> 24) > kInvisibleAlpha)
            return true;
    }
    return false;
}

bool ColumnHasVisible(const PixelView& frame, int x)
{
    for (int y = 0; y < frame.Height; ++y) {
        if ((frame.Row(y)[x] >> 24) > kInvisibleAlpha)
            return true;
    }
    return false;
}

}  // namespace

PixelCopy CopyPixels(const PixelView& source)
{
    PixelCopy copy;
    const int width = std::max(source.Width, 0);
    const int height = std::max(source.Height, 0);
    copy.Pixels.resize(static_cast<size_t>(width) * height);
    copy.View = {copy.Pixels.data(), width, height, width};
    for (int y = 0; y < height; ++y)
        std::memcpy(copy.View.Row(y), source.Row(y), static_cast<size_t>(width) * 4);
    return copy;
}

void ColorFromCoverage(const PixelView& pixels, COLORREF color)
{
    const uint32_t colorBytes = PixelColor(color);
    for (int y = 0; y < pixels.Height; ++y) {
        uint32_t* row = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x)
            row[x] = colorBytes | (row[x] & 0xFF) << 24;
    }
}

void AlphaFromCoverage(const PixelView& pixels, const PixelView& coverage, int coverageShift)
{
    for (int y = 0; y < pixels.Height; ++y) {
        uint32_t* row = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x)
            row[x] = WithAlpha(row[x], CoverageAt(coverage, coverageShift, x, y));
    }
}

void FillColor(const PixelView& pixels, COLORREF color)
{
    const uint32_t colorBytes = PixelColor(color);
    for (int y = 0; y < pixels.Height; ++y)
        std::fill_n(pixels.Row(y), pixels.Width, colorBytes);
}

uint32_t OutlineAlphaAt(const PixelView& coverage, int coverageShift, int x, int y)
{
    auto at = [&](int dx, int dy) { return CoverageAt(coverage, coverageShift, x + dx, y + dy); };
    const uint32_t corners = at(-1, -1) + at(1, -1) + at(-1, 1) + at(1, 1);
    const uint32_t edges = at(0, -1) + at(-1, 0) + at(1, 0) + at(0, 1);
    const uint32_t sum = corners * kCornerWeight + edges * kEdgeWeight + at(0, 0) * kCentreWeight;
    return std::min<uint32_t>(255, sum / kOutlineDivisor);
}

void ApplyOutlineAlpha(const PixelView& pixels, const PixelView& coverage, int coverageShift,
                       bool hollow)
{
    for (int y = 0; y < pixels.Height; ++y) {
        uint32_t* row = pixels.Row(y);
        for (int x = 0; x < pixels.Width; ++x) {
            uint32_t alpha = OutlineAlphaAt(coverage, coverageShift, x, y);
            if (hollow) {
                const uint32_t own = CoverageAt(coverage, coverageShift, x, y);
                alpha = alpha > own ? alpha - own : 0;
            }
            row[x] = WithAlpha(row[x], alpha);
        }
    }
}

OpaqueRect FindOpaqueBounds(const PixelView& frame)
{
    OpaqueRect bounds{0, 0, frame.Width - 1, frame.Height - 1};
    int top = 0;
    while (top < frame.Height && !RowHasVisible(frame, top))
        ++top;
    if (top == frame.Height)
        return bounds;
    int bottom = frame.Height - 1;
    while (!RowHasVisible(frame, bottom))
        --bottom;
    int left = 0;
    while (!ColumnHasVisible(frame, left))
        ++left;
    int right = frame.Width - 1;
    while (!ColumnHasVisible(frame, right))
        --right;
    return {left, top, right, bottom};
}
