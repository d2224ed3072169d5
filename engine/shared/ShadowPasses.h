#pragma once
// The drop-shadow arithmetic over plain pixel memory: the blur kernel, the
// grown frame geometry and the two blur passes with the composition. No GDI
// here, so the numbers can be checked on their own.

#include <cstddef>
#include <cstdint>
#include <vector>

// 32-bit B G R A pixels, row 0 at the top; Stride counts pixels between rows
// and is negative for a bottom-up DIB.
struct PixelView {
    uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    ptrdiff_t Stride = 0;

    uint32_t* Row(int y) const { return Pixels + static_cast<ptrdiff_t>(y) * Stride; }
};

// The view of a bottom-up DIB's memory, whose last row is the picture's top.
inline PixelView BottomUpPixels(void* bits, int width, int height, int rowBytes)
{
    PixelView view;
    const ptrdiff_t stride = rowBytes / 4;
    view.Pixels = static_cast<uint32_t*>(bits) + (height - 1) * stride;
    view.Width = width;
    view.Height = height;
    view.Stride = -stride;
    return view;
}

constexpr int kShadowMaxSharpness = 100;
constexpr int kShadowMaxTaps = 65;
// A grown frame may not exceed this side.
constexpr int kShadowMaxFrameSide = 4096;

struct ShadowKernel {
    std::vector<uint32_t> Taps;  // K(-n) .. K(n)
    int Radius = 0;              // n
    uint32_t Sum = 0;            // S, the sum of all taps
};

// Sharpness is clamped to 0..100; 0 and 1 give the single tap 20.
ShadowKernel MakeShadowKernel(int sharpness);

struct ShadowGeometry {
    int Frames = 1;
    int FrameWidth = 0;  // W
    int FrameHeight = 0;
    int NewFrameWidth = 0;  // W'
    int NewFrameHeight = 0;
    int MarginX = 0;  // where the old frame lies inside the new one
    int MarginY = 0;
    int ShadowX = 0;  // where blur output (0, 0) lies inside the new frame
    int ShadowY = 0;
};

// False when the strip cannot take a shadow: no size, more frames than
// columns, or a grown frame beyond kShadowMaxFrameSide or maxStripBytes.
bool ComputeShadowGeometry(int stripWidth, int height, int frames, int offsetX, int offsetY,
                           int radius, uint64_t maxStripBytes, ShadowGeometry* geometry);

struct ShadowLook {
    int Darkness = 0;    // clamped to 0..255
    uint32_t Color = 0;  // COLORREF 0x00BBGGRR; only the low 24 bits count
    bool ShadowOnly = false;
};

// Draws the shadowed strip into target (zero-filled, geometry.Frames x W'
// by H') from the premultiplied source strip; frames never blur into each other.
void RenderShadowStrip(const PixelView& source, const ShadowGeometry& geometry,
                       const ShadowKernel& kernel, const ShadowLook& look, const PixelView& target);
