#include "BitmapFixtures.h"
#include "LMBitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

uint32_t AlphaAt(const LMBitmap& bitmap, int x, int y)
{
    return *bitmap.PixelAt(x, y) >> 24;
}

std::unique_ptr<LMBitmap> Filled(int width, int height, uint32_t pixel, int flags)
{
    auto bitmap = MakeBitmap(width, height, flags);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            *bitmap->PixelAt(x, y) = pixel;
    }
    return bitmap;
}

// Pixels top-down, with the size and flags, for byte-for-byte comparisons.
struct Snapshot {
    std::vector<int> Shape;  // width, height, frames, has alpha, premultiplied, colour-keyed
    std::vector<uint32_t> Pixels;
};

Snapshot Snap(const LMBitmap& bitmap)
{
    Snapshot snap;
    snap.Shape = {bitmap.Width,    bitmap.Height,        bitmap.FrameCount,
                  bitmap.HasAlpha, bitmap.Premultiplied, bitmap.ColorKeyed};
    if (bitmap.HasPixels()) {
        for (int y = 0; y < bitmap.Height; ++y) {
            for (int x = 0; x < bitmap.Width; ++x)
                snap.Pixels.push_back(*bitmap.PixelAt(x, y));
        }
    }
    return snap;
}

void ExpectSame(const Snapshot& expected, const Snapshot& actual)
{
    EXPECT_EQ(expected.Shape, actual.Shape);
    EXPECT_EQ(expected.Pixels, actual.Pixels);
}

struct ShadowCall {
    int OffsetX = 0;
    int OffsetY = 0;
    int Sharpness = 0;
    int Darkness = 255;
    COLORREF Color = 0;
    int ShadowOnly = 0;
};

int Shadow(LMBitmap& bitmap, const ShadowCall& call, int* marginX = nullptr, int* marginY = nullptr)
{
    return bitmap.MakeShadow(call.OffsetX, call.OffsetY, call.Sharpness, call.Darkness, call.Color,
                             marginX, marginY, call.ShadowOnly);
}

}  // namespace

TEST(MakeShadow, AHardShadowLiesAtTheOffsetBelowTheFrame)
{
    auto bitmap = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    int marginX = -1;
    int marginY = -1;
    ASSERT_EQ(1, Shadow(*bitmap, {3, 3, 0, 255, 0, 0}, &marginX, &marginY));
    EXPECT_EQ(5, bitmap->Width);
    EXPECT_EQ(5, bitmap->Height);
    EXPECT_EQ(0, marginX);
    EXPECT_EQ(0, marginY);
    EXPECT_EQ(kWhite, *bitmap->PixelAt(0, 0));
    EXPECT_EQ(0u, AlphaAt(*bitmap, 2, 2));
    EXPECT_EQ(Bgra(0, 0, 0, 255), *bitmap->PixelAt(3, 3));
    EXPECT_EQ(Bgra(0, 0, 0, 255), *bitmap->PixelAt(4, 4));
    EXPECT_EQ(0u, AlphaAt(*bitmap, 0, 4));
    EXPECT_EQ(0u, AlphaAt(*bitmap, 4, 0));
    EXPECT_EQ(1, bitmap->Premultiplied);
    EXPECT_EQ(1, bitmap->HasAlpha);
}

TEST(MakeShadow, AColourTintsTheShadowAndShadowOnlyDropsTheFrame)
{
    auto tinted = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    ASSERT_EQ(1, Shadow(*tinted, {3, 3, 0, 255, 0x0000FF, 0}));
    EXPECT_EQ(Bgra(0, 0, 255, 255), *tinted->PixelAt(3, 3));
    EXPECT_EQ(kWhite, *tinted->PixelAt(0, 0));

    auto half = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    ASSERT_EQ(1, Shadow(*half, {3, 3, 0, 128, 0x00C86432, 0}));
    EXPECT_EQ(Bgra(200 * 128 / 255, 100 * 128 / 255, 50 * 128 / 255, 128), *half->PixelAt(3, 3));

    auto only = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    ASSERT_EQ(1, Shadow(*only, {3, 3, 0, 255, 0x0000FF, 1}));
    EXPECT_EQ(0u, *only->PixelAt(0, 0));
    EXPECT_EQ(Bgra(0, 0, 0, 255), *only->PixelAt(3, 3));
}

TEST(MakeShadow, ABlurredShadowFadesOutwards)
{
    auto bitmap = Filled(4, 4, kWhite, LMBitmapHasAlpha);
    int marginX = -1;
    int marginY = -1;
    ASSERT_EQ(1, Shadow(*bitmap, {8, 8, 8, 192, 0, 0}, &marginX, &marginY));
    EXPECT_EQ(16, bitmap->Width);
    EXPECT_EQ(16, bitmap->Height);
    EXPECT_EQ(0, marginX);
    EXPECT_EQ(0, marginY);
    EXPECT_EQ(100u, AlphaAt(*bitmap, 9, 9));
    EXPECT_EQ(1u, AlphaAt(*bitmap, 7, 4));
    EXPECT_EQ(0u, AlphaAt(*bitmap, 4, 4));
    EXPECT_EQ(kWhite, *bitmap->PixelAt(3, 3));
}

TEST(MakeShadow, ABlurWithoutOffsetSurroundsTheFrame)
{
    const uint32_t pixel = Bgra(10, 20, 30, 255);
    auto bitmap = Filled(1, 1, pixel, LMBitmapHasAlpha);
    int marginX = -1;
    int marginY = -1;
    ASSERT_EQ(1, Shadow(*bitmap, {0, 0, 8, 255, 0, 0}, &marginX, &marginY));
    EXPECT_EQ(9, bitmap->Width);
    EXPECT_EQ(9, bitmap->Height);
    EXPECT_EQ(4, marginX);
    EXPECT_EQ(4, marginY);
    EXPECT_EQ(10u, AlphaAt(*bitmap, 3, 4));
    EXPECT_EQ(10u, AlphaAt(*bitmap, 4, 3));
    EXPECT_EQ(pixel, *bitmap->PixelAt(4, 4));
}

TEST(MakeShadow, AHalfTransparentFrameIsDrawnOverItsShadow)
{
    auto bitmap = MakeBitmap(1, 1, LMBitmapHasAlpha, {Bgra(200, 100, 50, 128)});
    ASSERT_EQ(1, Shadow(*bitmap, {0, 0, 0, 255, 0, 0}));
    // Premultiplied first (200 x 128 / 255 ...), then over its own shadow of
    // alpha 128: the alpha becomes 128 x 127 / 255 + 128.
    EXPECT_EQ(Bgra(100, 50, 25, 191), *bitmap->PixelAt(0, 0));
}

TEST(MakeShadow, NegativeUpLeftOffsetsMoveTheFrameRightAndDown)
{
    auto bitmap = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    int marginX = -1;
    int marginY = -1;
    ASSERT_EQ(1, Shadow(*bitmap, {-5, -5, 0, 255, 0, 0}, &marginX, &marginY));
    EXPECT_EQ(7, bitmap->Width);
    EXPECT_EQ(7, bitmap->Height);
    EXPECT_EQ(5, marginX);
    EXPECT_EQ(5, marginY);
    EXPECT_EQ(kWhite, *bitmap->PixelAt(5, 5));
    EXPECT_EQ(Bgra(0, 0, 0, 255), *bitmap->PixelAt(0, 0));
}

TEST(MakeShadow, DarknessIsClampedToItsRange)
{
    struct Case {
        int Darkness;
        int SameAs;
    };
    for (const Case& c : {Case{-1, 0}, Case{-100000, 0}, Case{10000, 255}, Case{256, 255}}) {
        SCOPED_TRACE(c.Darkness);
        auto clamped = Filled(3, 3, kWhite, LMBitmapHasAlpha);
        auto reference = Filled(3, 3, kWhite, LMBitmapHasAlpha);
        ASSERT_EQ(1, Shadow(*clamped, {2, 2, 8, c.Darkness, 0, 0}));
        ASSERT_EQ(1, Shadow(*reference, {2, 2, 8, c.SameAs, 0, 0}));
        ExpectSame(Snap(*reference), Snap(*clamped));
    }
}

TEST(MakeShadow, DarknessZeroGivesAnInvisibleShadowButStillGrows)
{
    auto bitmap = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    ASSERT_EQ(1, Shadow(*bitmap, {3, 3, 0, 0, 0, 0}));
    EXPECT_EQ(5, bitmap->Width);
    EXPECT_EQ(0u, *bitmap->PixelAt(3, 3));
    EXPECT_EQ(0u, *bitmap->PixelAt(4, 4));
}

TEST(MakeShadow, SharpnessAbove100BehavesLike100)
{
    for (int sharpness : {200, 10000}) {
        SCOPED_TRACE(sharpness);
        auto high = Filled(3, 2, kWhite, LMBitmapHasAlpha);
        auto reference = Filled(3, 2, kWhite, LMBitmapHasAlpha);
        ASSERT_EQ(1, Shadow(*high, {1, 2, sharpness, 192, 0, 0}));
        ASSERT_EQ(1, Shadow(*reference, {1, 2, 100, 192, 0, 0}));
        EXPECT_EQ(3 + 2 * 57, high->Width);
        ExpectSame(Snap(*reference), Snap(*high));
    }
}

TEST(MakeShadow, ARefusedShadowLeavesTheBitmapExactlyAsItWas)
{
    struct Case {
        const char* Name;
        ShadowCall Call;
        int FrameCount;
        int Flags;
    };
    const Case cases[] = {
        {"negative sharpness", {8, 8, -1, 192, 0, 0}, 1, LMBitmapHasAlpha},
        {"negative sharpness, colour-keyed", {8, 8, -1, 192, 0, 0}, 1, LMBitmapColorKeyed},
        {"offset x +1,000,000", {1000000, 0, 8, 192, 0, 0}, 1, LMBitmapHasAlpha},
        {"offset y -1,000,000", {0, -1000000, 8, 192, 0, 0}, 1, LMBitmapHasAlpha},
        {"both offsets extreme", {INT32_MIN, INT32_MAX, 8, 192, 0, 0}, 1, LMBitmapHasAlpha},
        {"more frames than columns", {2, 2, 0, 192, 0, 0}, 4, LMBitmapHasAlpha},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bitmap =
            MakeBitmap(3, 2, c.Flags, {kLMColorKey, 0x80402010, 0xFF000000, 0x11223344, 0, kWhite});
        bitmap->FrameCount = c.FrameCount;
        Snapshot before = Snap(*bitmap);
        int marginX = 77;
        int marginY = 77;
        EXPECT_EQ(0, Shadow(*bitmap, c.Call, &marginX, &marginY));
        ExpectSame(before, Snap(*bitmap));
        EXPECT_EQ(77, marginX);
        EXPECT_EQ(77, marginY);
    }
}

TEST(MakeShadow, ABitmapWithoutPixelsGetsNoShadow)
{
    LMBitmap empty(0, 0, LMBitmapHasAlpha);
    ASSERT_FALSE(empty.Handle);
    EXPECT_EQ(0, Shadow(empty, {8, 8, 8, 192, 0, 0}));
    EXPECT_EQ(0, empty.Width);
}

TEST(MakeShadow, MagentaOfAColourKeyedBitmapBecomesTransparentAndCastsNoShadow)
{
    auto bitmap = Filled(4, 4, kLMColorKey, LMBitmapColorKeyed);
    ASSERT_EQ(1, Shadow(*bitmap, {8, 8, 8, 192, 0, 0}));
    EXPECT_EQ(16, bitmap->Width);
    EXPECT_EQ(0, bitmap->ColorKeyed);
    EXPECT_EQ(1, bitmap->Premultiplied);
    for (int y = 0; y < bitmap->Height; ++y) {
        for (int x = 0; x < bitmap->Width; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ASSERT_EQ(0u, *bitmap->PixelAt(x, y));
        }
    }
}

TEST(MakeShadow, AColourKeyedBitmapCastsTheShadowOfItsOtherPixels)
{
    auto bitmap = MakeBitmap(2, 1, LMBitmapColorKeyed, {kLMColorKey, 0x00102030});
    ASSERT_EQ(1, Shadow(*bitmap, {0, 1, 0, 255, 0, 0}));
    EXPECT_EQ(0u, *bitmap->PixelAt(0, 0));
    EXPECT_EQ(0xFF102030u, *bitmap->PixelAt(1, 0));
    EXPECT_EQ(0u, *bitmap->PixelAt(0, 1));
    EXPECT_EQ(Bgra(0, 0, 0, 255), *bitmap->PixelAt(1, 1));
}

TEST(MakeShadow, FramesOfAStripNeverBlurIntoEachOther)
{
    auto strip = MakeBitmap(8, 4, LMBitmapHasAlpha);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            *strip->PixelAt(x, y) = kWhite;
    }
    strip->FrameCount = 2;
    ASSERT_EQ(1, Shadow(*strip, {8, 8, 8, 192, 0, 0}));
    EXPECT_EQ(2 * 16, strip->Width);
    EXPECT_EQ(16, strip->Height);
    EXPECT_EQ(2, strip->FrameCount);
    EXPECT_EQ(100u, AlphaAt(*strip, 9, 9));
    for (int y = 0; y < 16; ++y) {
        for (int x = 16; x < 32; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ASSERT_EQ(0u, *strip->PixelAt(x, y));
        }
    }
}

TEST(MakeShadow, AStripWidthNotAMultipleOfTheFramesUsesTheWholeFramesOnly)
{
    auto strip = MakeBitmap(5, 1, LMBitmapHasAlpha,
                            {Bgra(1, 1, 1, 255), Bgra(2, 2, 2, 255), Bgra(3, 3, 3, 255),
                             Bgra(4, 4, 4, 255), Bgra(5, 5, 5, 255)});
    strip->FrameCount = 2;
    ASSERT_EQ(1, Shadow(*strip, {1, 0, 0, 255, 0, 0}));
    EXPECT_EQ(6, strip->Width);
    const uint32_t expected[6] = {Bgra(1, 1, 1, 255), Bgra(2, 2, 2, 255), Bgra(0, 0, 0, 255),
                                  Bgra(3, 3, 3, 255), Bgra(4, 4, 4, 255), Bgra(0, 0, 0, 255)};
    for (int x = 0; x < 6; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(expected[x], *strip->PixelAt(x, 0));
    }
}

TEST(MakeShadow, MarginPointersMayBeNull)
{
    auto bitmap = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    EXPECT_EQ(1, bitmap->MakeShadow(-2, -2, 0, 255, 0, nullptr, nullptr, 0));
    EXPECT_EQ(4, bitmap->Width);
}

TEST(MakeShadow, TheGrownBitmapStillDrawsFromItsOwnDC)
{
    auto bitmap = Filled(2, 2, kWhite, LMBitmapHasAlpha);
    ASSERT_EQ(1, Shadow(*bitmap, {3, 3, 0, 255, 0, 0}));
    HDC dc = bitmap->GetDC();
    ASSERT_NE(nullptr, dc);
    HBITMAP selected = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    EXPECT_EQ(bitmap->Handle.Get(), selected);
}
