// Times the bitmap resamplers on one thread and prints the results.
// Usage: toolkit_benchmark.exe [rounds]

#include "LMBitmap.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

// Deterministic noise, so every run resamples the same pixels.
std::unique_ptr<LMBitmap> NoiseBitmap(int width, int height, int frames)
{
    auto bitmap = std::make_unique<LMBitmap>(width, height, LMBitmapHasAlpha);
    bitmap->FrameCount = frames;
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        uint32_t* row = bitmap->Row(y);
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            row[x] = seed;
        }
    }
    return bitmap;
}

// Best time in milliseconds of `rounds` runs; each run gets a fresh bitmap.
double BestMilliseconds(int rounds, const std::function<std::unique_ptr<LMBitmap>()>& make,
    const std::function<int(LMBitmap&)>& resize)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        auto bitmap = make();
        auto start = Clock::now();
        int result = resize(*bitmap);
        std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        if (result != 1) {
            std::printf("resize failed\n");
            std::exit(1);
        }
        best = std::min(best, elapsed.count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::printf("best of %d rounds, one thread\n", rounds);

    auto strip = [] { return NoiseBitmap(20 * 64, 64, 20); };
    double down = BestMilliseconds(
        rounds, strip, [](LMBitmap& b) { return b.ResizeFrames(48, 48, 0, 0, 0, 0, 1, 1); });
    double up = BestMilliseconds(
        rounds, strip, [](LMBitmap& b) { return b.ResizeFrames(96, 96, 0, 0, 0, 0, 1, 1); });
    std::printf("20 frames of 64x64 to 48x48: %.2f ms\n", down);
    std::printf("20 frames of 64x64 to 96x96: %.2f ms\n", up);

    double shrink = BestMilliseconds(
        rounds, [] { return NoiseBitmap(2048, 2048, 1); },
        [](LMBitmap& b) { return b.Resize(1000, 1000, 0); });
    std::printf("shrink 2048x2048 to 1000x1000: %.2f ms, %.1f Mpixel/s (source pixels)\n", shrink,
        2048.0 * 2048.0 / (shrink * 1000.0));

    double enlarge = BestMilliseconds(
        rounds, [] { return NoiseBitmap(512, 512, 1); },
        [](LMBitmap& b) { return b.Resize(1536, 1536, 0); });
    std::printf("enlarge 512x512 to 1536x1536: %.2f ms, %.1f Mpixel/s (destination pixels)\n",
        enlarge, 1536.0 * 1536.0 / (enlarge * 1000.0));
    return 0;
}
