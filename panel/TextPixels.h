#pragma once
// Pixel passes of the bitmap texts over plain memory: text drawn in pure
// blue on black leaves its coverage (0..255) in the blue bytes, which these
// turn into alpha, a colour and the soft outline. No GDI here.

#include "ShadowPasses.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// Which byte of a pixel holds the coverage.
constexpr int kCoverageInBlue = 0;
constexpr int kCoverageInAlpha = 24;

// Pixels copied out, row 0 at the top, with a view over them.
struct PixelCopy {
    std::vector<uint32_t> Pixels;
    PixelView View;
};
PixelCopy CopyPixels(const PixelView& source);

// Every pixel becomes the colour with alpha = its former blue byte.
void ColorFromCoverage(const PixelView& pixels, COLORREF color);

// Every pixel keeps its colour and takes alpha = the coverage at its place.
void AlphaFromCoverage(const PixelView& pixels, const PixelView& coverage, int coverageShift);

// Every pixel's colour bytes become the colour, alpha 0.
void FillColor(const PixelView& pixels, COLORREF color);

// The alpha of a one-pixel soft ring round the coverage at (x, y): the 3 x 3
// neighbourhood weighted 2 (corners), 8 (edges) and 20 (centre), over 15,
// at most 255; outside the picture counts 0.
uint32_t OutlineAlphaAt(const PixelView& coverage, int coverageShift, int x, int y);

// Every pixel takes the outline alpha; hollow text then loses its own
// coverage, so only the ring remains.
void ApplyOutlineAlpha(const PixelView& pixels, const PixelView& coverage, int coverageShift,
                       bool hollow);

// Inclusive bounds, row 0 at the top.
struct OpaqueRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The bounds of the pixels above alpha 15; a side without one keeps the
// frame's edge, so a clear frame reports itself whole.
OpaqueRect FindOpaqueBounds(const PixelView& frame);
