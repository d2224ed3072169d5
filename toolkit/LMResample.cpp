#include "LMResample.h"

#include <algorithm>
#include <cstddef>
#include <new>

namespace
{

constexpr int64_t kOne = 4096; // one pixel in weight units

bool ValidBuffer(const uint32_t* pixels, int width, int height, int stride)
{
    return pixels && width > 0 && height > 0 && stride >= width;
}

const uint32_t* RowOf(const uint32_t* pixels, int stride, int row)
{
    return pixels + static_cast<ptrdiff_t>(row) * stride;
}

uint32_t* RowOf(uint32_t* pixels, int stride, int row)
{
    return pixels + static_cast<ptrdiff_t>(row) * stride;
}

uint32_t Channel(uint32_t pixel, int c)
{
    return (pixel >> (8 * c)) & 0xFF;
}

// sums[0..3] += weight * channels of pixel.
void AddWeighted(uint32_t* sums, uint32_t pixel, uint32_t weight)
{
    for (int c = 0; c < 4; ++c)
        sums[c] += weight * Channel(pixel, c);
}

// A finished pixel: each channel sum carries two 1/4096 weights.
uint32_t PackSums(const uint32_t* sums)
{
    return (sums[0] >> 24) | ((sums[1] >> 24) << 8) | ((sums[2] >> 24) << 16)
        | ((sums[3] >> 24) << 24);
}

// One source row boxed onto the destination columns: sums gets 4 values per
// destination pixel. A pixel's sums stay in registers until the walk leaves it.
void ShrinkRow(const uint32_t* row, int sourceWidth, const std::vector<ResampleWeight>& xw,
    uint32_t* sums, int destinationWidth)
{
    uint32_t pixel[4] = {};
    int dx = 0;
    for (int x = 0; x < sourceWidth; ++x) {
        const uint32_t p = row[x];
        const ResampleWeight w = xw[x];
        AddWeighted(pixel, p, static_cast<uint32_t>(w.w0));
        if (w.w1 == 0)
            continue;
        if (dx < destinationWidth)
            std::copy(pixel, pixel + 4, sums + 4 * static_cast<size_t>(dx++));
        std::fill(pixel, pixel + 4, 0u);
        if (w.w1 > 0)
            AddWeighted(pixel, p, static_cast<uint32_t>(w.w1));
    }
    // Only a walk cut short leaves pixels unwritten.
    std::fill(
        sums + 4 * static_cast<size_t>(dx), sums + 4 * static_cast<size_t>(destinationWidth), 0u);
}

// One destination row interpolated from a source row, in 1/4096 units.
void EnlargeRow(const uint32_t* row, int sourceWidth, const std::vector<ResampleWeight>& xw,
    uint32_t* sums, int destinationWidth)
{
    int sx = 0;
    for (int dx = 0; dx < destinationWidth; ++dx) {
        uint32_t* target = sums + 4 * static_cast<size_t>(dx);
        std::fill(target, target + 4, 0u);
        AddWeighted(target, row[sx], static_cast<uint32_t>(xw[dx].w0));
        if (xw[dx].w1 > 0)
            AddWeighted(
                target, row[std::min(sx + 1, sourceWidth - 1)], static_cast<uint32_t>(xw[dx].w1));
        if (xw[dx].w1 != 0 && sx < sourceWidth - 1)
            ++sx;
    }
}

void ShrinkBuffers(const uint32_t* source, int sourceWidth, int sourceHeight, uint32_t* destination,
    int destinationWidth, int destinationHeight, int sourceStride, int destinationStride)
{
    auto xw = BuildResampleWeights(sourceWidth, destinationWidth, true);
    auto yw = BuildResampleWeights(sourceHeight, destinationHeight, true);
    size_t count = 4 * static_cast<size_t>(destinationWidth);
    std::vector<uint32_t> rowSums(count), current(count), next(count);
    int dy = 0;
    for (int y = 0; y < sourceHeight && dy < destinationHeight; ++y) {
        ShrinkRow(
            RowOf(source, sourceStride, y), sourceWidth, xw, rowSums.data(), destinationWidth);
        uint32_t wy0 = static_cast<uint32_t>(yw[y].w0);
        int32_t wy1 = yw[y].w1;
        for (size_t i = 0; i < count; ++i)
            current[i] += wy0 * rowSums[i];
        if (wy1 > 0) {
            for (size_t i = 0; i < count; ++i)
                next[i] += static_cast<uint32_t>(wy1) * rowSums[i];
        }
        if (wy1 == 0)
            continue;
        uint32_t* out = RowOf(destination, destinationStride, dy++);
        for (int x = 0; x < destinationWidth; ++x)
            out[x] = PackSums(&current[4 * static_cast<size_t>(x)]);
        current.swap(next);
        std::fill(next.begin(), next.end(), 0u);
    }
}

void EnlargeBuffers(const uint32_t* source, int sourceWidth, int sourceHeight,
    uint32_t* destination, int destinationWidth, int destinationHeight, int sourceStride,
    int destinationStride)
{
    auto xw = BuildResampleWeights(destinationWidth, sourceWidth, false);
    auto yw = BuildResampleWeights(destinationHeight, sourceHeight, false);
    size_t count = 4 * static_cast<size_t>(destinationWidth);
    // Interpolated rows, cached by source row: an enlarge reads each one several times.
    std::vector<uint32_t> upper(count), lower(count);
    int upperRow = -1, lowerRow = -1;
    auto rowSums = [&](int row, std::vector<uint32_t>& buffer, int& tag) {
        if (tag != row)
            EnlargeRow(
                RowOf(source, sourceStride, row), sourceWidth, xw, buffer.data(), destinationWidth);
        tag = row;
    };
    int sy = 0;
    for (int dy = 0; dy < destinationHeight; ++dy) {
        if (lowerRow == sy) {
            upper.swap(lower);
            std::swap(upperRow, lowerRow);
        }
        rowSums(sy, upper, upperRow);
        uint32_t wy0 = static_cast<uint32_t>(yw[dy].w0);
        int32_t wy1 = yw[dy].w1;
        if (wy1 > 0)
            rowSums(std::min(sy + 1, sourceHeight - 1), lower, lowerRow);
        uint32_t* out = RowOf(destination, destinationStride, dy);
        for (int x = 0; x < destinationWidth; ++x) {
            uint32_t sums[4];
            for (int c = 0; c < 4; ++c) {
                size_t i = 4 * static_cast<size_t>(x) + c;
                sums[c] = wy0 * upper[i] + (wy1 > 0 ? static_cast<uint32_t>(wy1) * lower[i] : 0);
            }
            out[x] = PackSums(sums);
        }
        if (wy1 != 0 && sy < sourceHeight - 1)
            ++sy;
    }
}

// Where one destination position falls between two source pixels.
struct LinearTap {
    int left;
    int right;
    double leftWeight;
    double rightWeight;
};

std::vector<LinearTap> LinearTaps(int sourceLength, int destinationLength)
{
    std::vector<LinearTap> taps(destinationLength);
    double scale = static_cast<double>(sourceLength) / destinationLength;
    for (int i = 0; i < destinationLength; ++i) {
        double pos = i * scale;
        int l = std::min(static_cast<int>(pos), sourceLength - 1);
        int r = l + 1;
        if (r >= sourceLength)
            taps[i] = { l, l, 1.0, 0.0 };
        else
            taps[i] = { l, r, r - pos, pos - l };
    }
    return taps;
}

uint32_t Blend(uint32_t a, uint32_t b, const LinearTap& tap)
{
    if (tap.rightWeight == 0.0)
        return a;
    uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c) {
        double value = Channel(a, c) * tap.leftWeight + Channel(b, c) * tap.rightWeight;
        pixel |= std::min(static_cast<uint32_t>(value), 255u) << (8 * c);
    }
    return pixel;
}

template <typename Fn> int Guarded(Fn fn)
{
    try {
        fn();
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

} // namespace

std::vector<ResampleWeight> BuildResampleWeights(int n, int m, bool shrink)
{
    std::vector<ResampleWeight> table;
    if (n < 1 || m < 1 || m > n)
        return table;
    const int64_t full = shrink ? static_cast<int64_t>(m) * kOne / n : kOne;
    const int64_t divisor = shrink ? n : m;
    table.resize(static_cast<size_t>(n));
    int64_t d = 0;
    for (ResampleWeight& entry : table) {
        int64_t e = d + m;
        if (e > n) {
            entry.w0 = static_cast<int32_t>((n - d) * kOne / divisor);
            e -= n;
            // Beyond 4096 pixels the share of the next pixel can truncate to 0, which would
            // read as "no boundary" and stall the walk; the entry still crosses.
            entry.w1 = static_cast<int32_t>(std::max<int64_t>(1, e * kOne / divisor));
        } else {
            entry.w0 = static_cast<int32_t>(full);
            entry.w1 = 0;
            if (e == n) {
                entry.w1 = -1;
                e = 0;
            }
        }
        d = e;
    }
    return table;
}

int ResampleShrink(const uint32_t* source, int sourceWidth, int sourceHeight, uint32_t* destination,
    int destinationWidth, int destinationHeight, int sourceStride, int destinationStride)
{
    if (!ValidBuffer(source, sourceWidth, sourceHeight, sourceStride)
        || !ValidBuffer(destination, destinationWidth, destinationHeight, destinationStride)
        || destinationWidth > sourceWidth || destinationHeight > sourceHeight)
        return 0;
    return Guarded([&] {
        ShrinkBuffers(source, sourceWidth, sourceHeight, destination, destinationWidth,
            destinationHeight, sourceStride, destinationStride);
    });
}

int ResampleEnlarge(const uint32_t* source, int sourceWidth, int sourceHeight,
    uint32_t* destination, int destinationWidth, int destinationHeight, int sourceStride,
    int destinationStride)
{
    if (!ValidBuffer(source, sourceWidth, sourceHeight, sourceStride)
        || !ValidBuffer(destination, destinationWidth, destinationHeight, destinationStride)
        || destinationWidth < sourceWidth || destinationHeight < sourceHeight)
        return 0;
    return Guarded([&] {
        EnlargeBuffers(source, sourceWidth, sourceHeight, destination, destinationWidth,
            destinationHeight, sourceStride, destinationStride);
    });
}

int InterpolateColumns(const uint32_t* source, int sourceWidth, int height, uint32_t* destination,
    int destinationWidth, int sourceStride, int destinationStride)
{
    if (!ValidBuffer(source, sourceWidth, height, sourceStride)
        || !ValidBuffer(destination, destinationWidth, height, destinationStride)
        || destinationWidth < sourceWidth)
        return 0;
    return Guarded([&] {
        auto taps = LinearTaps(sourceWidth, destinationWidth);
        for (int y = 0; y < height; ++y) {
            const uint32_t* in = RowOf(source, sourceStride, y);
            uint32_t* out = RowOf(destination, destinationStride, y);
            for (int x = 0; x < destinationWidth; ++x)
                out[x] = Blend(in[taps[x].left], in[taps[x].right], taps[x]);
        }
    });
}

int InterpolateRows(const uint32_t* source, int width, int sourceHeight, uint32_t* destination,
    int destinationHeight, int sourceStride, int destinationStride)
{
    if (!ValidBuffer(source, width, sourceHeight, sourceStride)
        || !ValidBuffer(destination, width, destinationHeight, destinationStride)
        || destinationHeight < sourceHeight)
        return 0;
    return Guarded([&] {
        auto taps = LinearTaps(sourceHeight, destinationHeight);
        for (int y = 0; y < destinationHeight; ++y) {
            const uint32_t* upper = RowOf(source, sourceStride, sourceHeight - 1 - taps[y].left);
            const uint32_t* lower = RowOf(source, sourceStride, sourceHeight - 1 - taps[y].right);
            uint32_t* out = RowOf(destination, destinationStride, destinationHeight - 1 - y);
            for (int x = 0; x < width; ++x)
                out[x] = Blend(upper[x], lower[x], taps[y]);
        }
    });
}
