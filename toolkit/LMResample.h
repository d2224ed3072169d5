#pragma once
// Resampling of 4-byte pixels (B G R A) between plain buffers. Strides count
// pixels. Every channel is treated alike, so premultiplied pixels stay
// premultiplied. Each function returns 1, or 0 for sizes it cannot handle.

#include <cstdint>
#include <vector>

// Coverage of one entry in 1/4096 of a destination pixel. w1 > 0: the entry
// crosses a pixel boundary and w1 goes to the next pixel; w1 == -1: the entry
// ends exactly on a boundary; w1 == 0: no boundary inside the entry.
struct ResampleWeight {
    int32_t w0;
    int32_t w1;
};

// Shrinking: n source pixels onto m destination pixels. Enlarging: n
// destination pixels from m source pixels. Empty unless 1 <= m <= n.
std::vector<ResampleWeight> BuildResampleWeights(int n, int m, bool shrink);

// Box filter; the destination is not larger than the source either way.
// Rows are walked in memory order.
int ResampleShrink(const uint32_t* source, int sourceWidth, int sourceHeight, uint32_t* destination,
    int destinationWidth, int destinationHeight, int sourceStride, int destinationStride);

// Box filter; the destination is not smaller than the source either way.
int ResampleEnlarge(const uint32_t* source, int sourceWidth, int sourceHeight,
    uint32_t* destination, int destinationWidth, int destinationHeight, int sourceStride,
    int destinationStride);

// Linear interpolation of a wider row set: the height stays.
int InterpolateColumns(const uint32_t* source, int sourceWidth, int height, uint32_t* destination,
    int destinationWidth, int sourceStride, int destinationStride);

// Linear interpolation to more rows of the same width. Rows count from the top
// image row, which is the last memory row of a bottom-up buffer.
int InterpolateRows(const uint32_t* source, int width, int sourceHeight, uint32_t* destination,
    int destinationHeight, int sourceStride, int destinationStride);
