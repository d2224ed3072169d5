// Prints how long one drop shadow takes per frame, for frames of a few sizes
// and sharpnesses. The engine shadows every cursor state once when it loads
// a theme, so this is the cost of that step.
//
// Three figures per case: a one-frame bitmap (with the cost of swapping its
// DIB section), a frame of a 16-frame strip (that cost shared), and the blur
// and composition alone over plain memory.

#include "LMBitmap.h"
#include "ShadowPasses.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kOffset = 8;
constexpr int kDarkness = 192;
constexpr int kStripFrames = 16;

// An opaque disc, like a pointer's body.
uint32_t DiscPixel(int x, int y, int side)
{
    const double centre = (side - 1) / 2.0;
    const double radius = side * 0.4;
    const double dx = x - centre;
    const double dy = y - centre;
    return (dx * dx + dy * dy < radius * radius) ? 0xFFC08040u : 0u;
}

std::unique_ptr<LMBitmap> MakeStrip(int side, int frames)
{
    auto bitmap = std::make_unique<LMBitmap>(side * frames, side, LMBitmapHasAlpha);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side * frames; ++x)
            *bitmap->PixelAt(x, y) = DiscPixel(x % side, y, side);
    }
    bitmap->FrameCount = frames;
    return bitmap;
}

double Now()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds per frame of `work`, which shadows `frames` frames; `prepare`
// runs before each timed call and is not counted.
double PerFrame(int runs, int frames, const std::function<void()>& prepare,
                const std::function<void()>& work)
{
    double total = 0;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const double start = Now();
        work();
        total += Now() - start;
    }
    return total / runs / frames;
}

double OnBitmap(int side, int sharpness, int frames)
{
    std::unique_ptr<LMBitmap> bitmap;
    const int runs = std::max(4, 6400 / (side * frames));
    return PerFrame(
        runs, frames, [&] { bitmap = MakeStrip(side, frames); },
        [&] {
            bitmap->MakeShadow(kOffset, kOffset, sharpness, kDarkness, 0, nullptr, nullptr, 0);
        });
}

double ArithmeticOnly(int side, int sharpness)
{
    std::vector<uint32_t> source(static_cast<size_t>(side) * side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            source[static_cast<size_t>(y) * side + x] = DiscPixel(x, y, side);
    }
    const ShadowKernel kernel = MakeShadowKernel(sharpness);
    ShadowGeometry geometry;
    ComputeShadowGeometry(side, side, 1, kOffset, kOffset, kernel.Radius, 1u << 30, &geometry);
    std::vector<uint32_t> target(static_cast<size_t>(geometry.NewFrameWidth) *
                                 geometry.NewFrameHeight);
    const PixelView from{source.data(), side, side, side};
    const PixelView to{target.data(), geometry.NewFrameWidth, geometry.NewFrameHeight,
                       geometry.NewFrameWidth};
    ShadowLook look;
    look.Darkness = kDarkness;
    return PerFrame(
        std::max(20, 40000 / side), 1, [&] { std::fill(target.begin(), target.end(), 0u); },
        [&] { RenderShadowStrip(from, geometry, kernel, look, to); });
}

}  // namespace

int main()
{
    const int sharpnesses[] = {1, 8, 20};
    std::printf("Drop shadow, offset (%d, %d), darkness %d: milliseconds per frame\n", kOffset,
                kOffset, kDarkness);
    std::printf("%-9s %-16s %12s %12s %12s\n", "frame", "case", "sharpness 1", "sharpness 8",
                "sharpness 20");
    for (int side : {32, 64, 128}) {
        char size[16];
        std::snprintf(size, sizeof(size), "%dx%d", side, side);
        std::printf("%-9s %-16s", size, "one frame");
        for (int sharpness : sharpnesses)
            std::printf(" %12.4f", OnBitmap(side, sharpness, 1));
        std::printf("\n%-9s %-16s", "", "16-frame strip");
        for (int sharpness : sharpnesses)
            std::printf(" %12.4f", OnBitmap(side, sharpness, kStripFrames));
        std::printf("\n%-9s %-16s", "", "arithmetic only");
        for (int sharpness : sharpnesses)
            std::printf(" %12.4f", ArithmeticOnly(side, sharpness));
        std::printf("\n");
    }
    return 0;
}
