#pragma once
// Builds small bitmaps pixel by pixel, rows listed from the top.

#include "LMBitmap.h"

#include <initializer_list>
#include <memory>

inline std::unique_ptr<LMBitmap> MakeBitmap(int width, int height, int flags,
                                            std::initializer_list<uint32_t> topDownPixels = {})
{
    auto bitmap = std::make_unique<LMBitmap>(width, height, flags);
    auto it = topDownPixels.begin();
    for (int y = 0; y < height && it != topDownPixels.end(); ++y) {
        for (int x = 0; x < width && it != topDownPixels.end(); ++x)
            *bitmap->PixelAt(x, y) = *it++;
    }
    return bitmap;
}

inline uint32_t Bgra(uint8_t b, uint8_t g, uint8_t r, uint8_t a)
{
    return b | (g << 8) | (r << 16) | (static_cast<uint32_t>(a) << 24);
}
