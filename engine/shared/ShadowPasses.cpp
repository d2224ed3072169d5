#include "ShadowPasses.h"

#include <algorithm>
#include <cmath>

namespace {

uint32_t AlphaOf(uint32_t pixel)
{
    return pixel >> 24;
}

// Blurs the alpha of one frame down its columns: H + 2n rows of W values,
// each the weighted sum over the rows that exist, divided by S.
void VerticalPass(const PixelView& source, int firstColumn, const ShadowGeometry& geometry,
                  const ShadowKernel& kernel, std::vector<uint8_t>& out,
                  std::vector<uint32_t>& sums)
{
    const int width = geometry.FrameWidth;
    const int height = geometry.FrameHeight;
    const int span = 2 * kernel.Radius;
    const int rows = height + span;
    out.assign(static_cast<size_t>(width) * rows, 0);
    sums.assign(width, 0);
    for (int r = 0; r < rows; ++r) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int m = std::max(0, r - span); m <= std::min(height - 1, r); ++m) {
            const uint32_t tap = kernel.Taps[m - r + span];
            const uint32_t* row = source.Row(m) + firstColumn;
            for (int x = 0; x < width; ++x)
                sums[x] += AlphaOf(row[x]) * tap;
        }
        uint8_t* result = out.data() + static_cast<size_t>(r) * width;
        for (int x = 0; x < width; ++x)
            result[x] = static_cast<uint8_t>(std::min<uint32_t>(255, sums[x] / kernel.Sum));
    }
}

// Blurs the vertical result along its rows and writes the shadow alpha into
// the frame's cell of the target; colour bytes stay 0.
void HorizontalPass(const std::vector<uint8_t>& blurred, const ShadowGeometry& geometry,
                    const ShadowKernel& kernel, uint32_t darkness, const PixelView& target,
                    int cellX)
{
    const int width = geometry.FrameWidth;
    const int span = 2 * kernel.Radius;
    const int rows = geometry.FrameHeight + span;
    const int columns = width + span;
    for (int r = 0; r < rows; ++r) {
        const uint8_t* values = blurred.data() + static_cast<size_t>(r) * width;
        uint32_t* out = target.Row(geometry.ShadowY + r) + cellX + geometry.ShadowX;
        for (int c = 0; c < columns; ++c) {
            uint32_t sum = 0;
            for (int q = std::max(0, c - span); q <= std::min(width - 1, c); ++q)
                sum += values[q] * kernel.Taps[q - c + span];
            out[c] = std::min<uint32_t>(255, darkness * sum / kernel.Sum / 255) << 24;
        }
    }
}

// The shadow alpha A becomes a premultiplied colour: each channel A x c / 255.
void TintCell(const ShadowGeometry& geometry, uint32_t color, const PixelView& target, int cellX)
{
    const uint32_t red = color & 0xFF;
    const uint32_t green = (color >> 8) & 0xFF;
    const uint32_t blue = (color >> 16) & 0xFF;
    for (int y = 0; y < geometry.NewFrameHeight; ++y) {
        uint32_t* row = target.Row(y) + cellX;
        for (int x = 0; x < geometry.NewFrameWidth; ++x) {
            uint32_t a = AlphaOf(row[x]);
            row[x] =
                (a * blue / 255) | ((a * green / 255) << 8) | ((a * red / 255) << 16) | (a << 24);
        }
    }
}

// Premultiplied "over": every channel becomes below x (255 - a) / 255 + above.
uint32_t Over(uint32_t below, uint32_t above)
{
    const uint32_t keep = 255 - AlphaOf(above);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        uint32_t channel = ((below >> shift) & 0xFF) * keep / 255 + ((above >> shift) & 0xFF);
        result |= std::min<uint32_t>(channel, 255) << shift;
    }
    return result;
}

void CompositeFrame(const PixelView& source, int firstColumn, const ShadowGeometry& geometry,
                    const PixelView& target, int cellX)
{
    for (int y = 0; y < geometry.FrameHeight; ++y) {
        const uint32_t* from = source.Row(y) + firstColumn;
        uint32_t* to = target.Row(geometry.MarginY + y) + cellX + geometry.MarginX;
        for (int x = 0; x < geometry.FrameWidth; ++x)
            to[x] = Over(to[x], from[x]);
    }
}

}  // namespace

ShadowKernel MakeShadowKernel(int sharpness)
{
    const int s = std::clamp(sharpness, 0, kShadowMaxSharpness);
    std::vector<uint32_t> half{20};
    for (int i = 1; s > 0 && i < kShadowMaxTaps; ++i) {
        const double x = 3.0 * i / s;
        const auto tap = static_cast<uint32_t>(20.0 * std::pow(2.718, -(x * x)));
        if (tap == 0)
            break;
        half.push_back(tap);
    }
    ShadowKernel kernel;
    kernel.Radius = static_cast<int>(half.size()) - 1;
    for (int j = -kernel.Radius; j <= kernel.Radius; ++j) {
        kernel.Taps.push_back(half[std::abs(j)]);
        kernel.Sum += half[std::abs(j)];
    }
    return kernel;
}

bool ComputeShadowGeometry(int stripWidth, int height, int frames, int offsetX, int offsetY,
                           int radius, uint64_t maxStripBytes, ShadowGeometry* geometry)
{
    const int count = std::max(frames, 1);
    if (stripWidth <= 0 || height <= 0 || radius < 0 || count > stripWidth)
        return false;
    const int64_t width = stripWidth / count;
    // The union of the frame (0, 0, W, H) and the shadow: the frame moved by
    // the offset and grown by n on every side.
    const int64_t left = std::min<int64_t>(0, static_cast<int64_t>(offsetX) - radius);
    const int64_t top = std::min<int64_t>(0, static_cast<int64_t>(offsetY) - radius);
    const int64_t right = std::max<int64_t>(width, width + offsetX + radius);
    const int64_t bottom =
        std::max<int64_t>(height, static_cast<int64_t>(height) + offsetY + radius);
    const int64_t newWidth = right - left;
    const int64_t newHeight = bottom - top;
    if (newWidth > kShadowMaxFrameSide || newHeight > kShadowMaxFrameSide)
        return false;
    if (static_cast<uint64_t>(count) * newWidth * newHeight * 4 > maxStripBytes)
        return false;
    geometry->Frames = count;
    geometry->FrameWidth = static_cast<int>(width);
    geometry->FrameHeight = height;
    geometry->NewFrameWidth = static_cast<int>(newWidth);
    geometry->NewFrameHeight = static_cast<int>(newHeight);
    geometry->MarginX = static_cast<int>(-left);
    geometry->MarginY = static_cast<int>(-top);
    geometry->ShadowX = static_cast<int>(offsetX - radius - left);
    geometry->ShadowY = static_cast<int>(offsetY - radius - top);
    return true;
}

void RenderShadowStrip(const PixelView& source, const ShadowGeometry& geometry,
                       const ShadowKernel& kernel, const ShadowLook& look, const PixelView& target)
{
    const uint32_t darkness = static_cast<uint32_t>(std::clamp(look.Darkness, 0, 255));
    const uint32_t color = look.Color & 0x00FFFFFF;
    std::vector<uint8_t> blurred;
    std::vector<uint32_t> sums;
    for (int frame = 0; frame < geometry.Frames; ++frame) {
        const int firstColumn = frame * geometry.FrameWidth;
        const int cellX = frame * geometry.NewFrameWidth;
        VerticalPass(source, firstColumn, geometry, kernel, blurred, sums);
        HorizontalPass(blurred, geometry, kernel, darkness, target, cellX);
        if (look.ShadowOnly)
            continue;
        if (color != 0)
            TintCell(geometry, color, target, cellX);
        CompositeFrame(source, firstColumn, geometry, target, cellX);
    }
}
