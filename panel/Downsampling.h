#pragma once
// Box-filtered shrinking of 32-bit pixels by 2, 3 or 4, and the pixel
// colour of a COLORREF. No GDI here.

#include "ShadowPasses.h"

#include <windows.h>

#include <cstdint>

// B G R A pixel bytes of a COLORREF's colour, alpha 0.
uint32_t PixelColor(COLORREF color);

// The shrunk size; false for a factor other than 2..4 or an empty result.
// The last incomplete column and row blocks are dropped.
bool DownsampledSize(int width, int height, int factor, int* newWidth, int* newHeight);

// Each target pixel is the average of a factor x factor block of source
// pixels, blocks from the top-left; every byte averages on its own.
// target must have the DownsampledSize of source.
void DownsampleChannels(const PixelView& source, const PixelView& target, int factor);

// The same with alpha = the average blue byte (the coverage of text drawn in
// blue) and the colour bytes all the given colour.
void DownsampleCoverage(const PixelView& source, const PixelView& target, int factor,
                        COLORREF color);
