#include "BitmapFixtures.h"
#include "DibCanvas.h"
#include "SoftwareBlendScope.h"
#include "LMProcs.h"
#include "LMToolkit.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void ExpectNear(uint32_t expected, uint32_t actual, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        int e = (expected >> shift) & 0xFF;
        int a = (actual >> shift) & 0xFF;
        EXPECT_LE(std::abs(e - a), tolerance) << std::hex << "expected " << expected << " got "
                                              << actual;
    }
}

}  // namespace

TEST(LMBitmapBlit, SoftwareBlendIsExactAndKeepsDestinationAlpha)
{
    SoftwareBlendScope software;
    DibCanvas canvas(3, 1);
    canvas.Fill(0x11C8C8C8);
    auto source = MakeBitmap(1, 1, LMBitmapHasAlpha | LMBitmapPremultiplied, {0x80646464});
    EXPECT_EQ(1, source->Draw(canvas.Dc(), 1, 0, 1, 1, 0, 0, 255, 0));
    EXPECT_EQ(0x11C8C8C8u, canvas.Pixel(0, 0));
    EXPECT_EQ(0x11C7C7C7u, canvas.Pixel(1, 0));
    EXPECT_EQ(0x11C8C8C8u, canvas.Pixel(2, 0));
}

TEST(LMBitmapBlit, SoftwareBlendWithConstantAlpha)
{
    SoftwareBlendScope software;
    DibCanvas canvas(2, 1);
    canvas.SetPixel(0, 0, 0x00000000);
    canvas.SetPixel(1, 0, 0x00C8C8C8);
    auto source = MakeBitmap(2, 1, LMBitmapHasAlpha | LMBitmapPremultiplied,
                             {0x80646464, 0x80646464});
    EXPECT_EQ(1, source->Draw(canvas.Dc(), 0, 0, 2, 1, 0, 0, 128, 0));
    // a' = 128 * 128 / 255 = 64, k = 191; the source adds 100 * 128 / 255 = 50.
    EXPECT_EQ(0x00323232u, canvas.Pixel(0, 0));
    // 200 * 191 / 255 = 149, + 50.
    EXPECT_EQ(0x00C7C7C7u, canvas.Pixel(1, 0));
}

TEST(LMBitmapBlit, SoftwareBlendClipsToTheSourceBitmap)
{
    SoftwareBlendScope software;
    DibCanvas canvas(4, 1);
    canvas.Fill(0x00102030);
    auto source = MakeBitmap(2, 1, LMBitmapHasAlpha | LMBitmapPremultiplied,
                             {0xFF0000FF, 0xFF00FF00});
    EXPECT_EQ(1, source->AlphaBlit(canvas.Dc(), 0, 0, 4, 1, 1, 0, 255));
    EXPECT_EQ(0x0000FF00u, canvas.Pixel(0, 0));
    EXPECT_EQ(0x00102030u, canvas.Pixel(1, 0));
    EXPECT_EQ(0, source->AlphaBlit(canvas.Dc(), 0, 0, 4, 1, 5, 0, 255));
    EXPECT_EQ(0, source->AlphaBlit(canvas.Dc(), 0, 0, 4, 1, -8, 0, 255));
}

TEST(LMBitmapBlit, PlatformAlphaBlendAgreesWithinOne)
{
    ASSERT_NE(nullptr, LMProcs::AlphaBlend);
    DibCanvas canvas(1, 1);
    canvas.Fill(0x11C8C8C8);
    auto source = MakeBitmap(1, 1, LMBitmapHasAlpha | LMBitmapPremultiplied, {0x80646464});
    EXPECT_NE(0, source->Draw(canvas.Dc(), 0, 0, 1, 1, 0, 0, 255, 0));
    ExpectNear(0x00C7C7C7, canvas.Pixel(0, 0), 1);
}

TEST(LMBitmapBlit, FirstDrawPremultipliesAndKeysMagenta)
{
    DibCanvas canvas(2, 1);
    canvas.Fill(0x00336699);
    auto source = MakeBitmap(2, 1, LMBitmapHasAlpha, {Bgra(255, 0, 255, 255), Bgra(10, 20, 30, 255)});
    EXPECT_NE(0, source->Draw(canvas.Dc(), 0, 0, 2, 1, 0, 0, 255, 0));
    EXPECT_EQ(1, source->Premultiplied);
    EXPECT_EQ(0u, *source->PixelAt(0, 0));
    ExpectNear(0x00336699, canvas.Pixel(0, 0), 1);
    ExpectNear(Bgra(10, 20, 30, 0), canvas.Pixel(1, 0), 1);
}

TEST(LMBitmapBlit, PlainCopyLeavesThePixelsUnprepared)
{
    DibCanvas canvas(1, 1);
    auto source = MakeBitmap(1, 1, LMBitmapHasAlpha, {Bgra(100, 150, 200, 128)});
    EXPECT_NE(0, source->Draw(canvas.Dc(), 0, 0, 1, 1, 0, 0, -1, 0));
    EXPECT_EQ(0, source->Premultiplied);
    EXPECT_EQ(Bgra(100, 150, 200, 128), *source->PixelAt(0, 0));
    EXPECT_EQ(Bgra(100, 150, 200, 128), canvas.Pixel(0, 0));
    EXPECT_NE(0, source->Draw(canvas.Dc(), 0, 0, 1, 1, 0, 0, 255, LMDrawPlainCopy));
    EXPECT_EQ(0, source->Premultiplied);
}

TEST(LMBitmapBlit, EmptySizesDrawNothing)
{
    DibCanvas canvas(1, 1);
    auto source = MakeBitmap(1, 1, LMBitmapHasAlpha, {Bgra(1, 2, 3, 4)});
    EXPECT_EQ(0, source->Draw(canvas.Dc(), 0, 0, 0, 1, 0, 0, 255, 0));
    EXPECT_EQ(0, source->Draw(canvas.Dc(), 0, 0, 1, 0, 0, 0, 255, 0));
    EXPECT_EQ(0, source->Premultiplied);
}
