#pragma once
// Sizes read from image files are untrusted: both sides must be at least 1 and
// the 32-bit pixels must fit the bitmap cap. Checked in 64 bits so nothing wraps,
// before anything is allocated.

#include "LMBitmap.h"

#include <cstdint>

inline bool LMImageSizeAllowed(uint64_t width, uint64_t height)
{
    constexpr uint64_t maxPixels = kLMMaxDibBytes / 4;
    return width >= 1 && height >= 1 && width <= maxPixels && height <= maxPixels &&
        width * height <= maxPixels;
}
