#include "LMRectangularState.h"
#include "DibCanvas.h"
#include "LMProcs.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

constexpr COLORREF kRed = RGB(255, 0, 0);

bool Near(uint32_t expected, uint32_t actual)
{
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((expected >> shift) & 0xFF)
                - static_cast<int>((actual >> shift) & 0xFF))
            > 1)
            return false;
    }
    return true;
}

} // namespace

TEST(LMRectangularState, KeepsItsValuesAndMakesSwatchesOnlyForVisibleParts)
{
    LMRectangularState outline(L"Frame", kRed, 255, RGB(0, 0, 255), 0);
    EXPECT_EQ(LMStateKindRectangle, outline.Kind);
    EXPECT_EQ(1, outline.Visual);
    EXPECT_EQ(1, outline.PassThrough);
    EXPECT_EQ(kRed, outline.BorderColor);
    EXPECT_EQ(255, outline.BorderAlpha);
    ASSERT_TRUE(outline.BorderBitmap);
    EXPECT_FALSE(outline.FillBitmap);
    EXPECT_EQ(64, outline.BorderBitmap->Width);
    EXPECT_EQ(1, outline.BorderBitmap->SharedDC);
    EXPECT_EQ(0xFFFF0000u, *outline.BorderBitmap->PixelAt(10, 10));

    LMRectangularState fill(L"Fill", kRed, 0, RGB(0, 0, 255), 80);
    EXPECT_FALSE(fill.BorderBitmap);
    ASSERT_TRUE(fill.FillBitmap);
    EXPECT_EQ(0xFF0000FFu, *fill.FillBitmap->PixelAt(63, 63));
}

TEST(LMRectangularState, HitsOnlyWithoutPassThrough)
{
    LMRectangularState state(L"Frame", kRed, 255, kRed, 255);
    state.SetSize(10, 10);
    EXPECT_EQ(0, state.HitTest(5, 5));
    state.PassThrough = 0;
    EXPECT_NE(0, state.HitTest(5, 5));
}

// Drawn in two halves, the border runs round the whole frame and not between
// the halves.
TEST(LMRectangularState, BorderOnlyOnTheFrameEdgesThePartTouches)
{
    if (!LMProcs::AlphaBlend)
        GTEST_SKIP() << "AlphaBlend is not bound";
    LMRectangularState state(L"Frame", kRed, 255, 0, 0);
    state.SetSize(12, 6);
    DibCanvas canvas(12, 6);
    EXPECT_EQ(1, state.Draw(canvas.Dc(), 0, 0, 0, 0, 12, 3));
    EXPECT_EQ(1, state.Draw(canvas.Dc(), 0, 3, 0, 3, 12, 3));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 12; ++x) {
            bool border = x == 0 || x == 11 || ((y == 0 || y == 5) && x >= 1 && x <= 10);
            uint32_t expected = border ? 0xFFFF0000u : 0u;
            EXPECT_TRUE(Near(expected, canvas.Pixel(x, y)))
                << "at " << x << "," << y << std::hex << " got " << canvas.Pixel(x, y);
        }
    }

    DibCanvas inner(4, 2);
    EXPECT_EQ(1, state.Draw(inner.Dc(), 0, 0, 3, 2, 4, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(0u, inner.Pixel(x, y)) << "at " << x << "," << y;
    }
}

TEST(LMRectangularState, FillBlendsWithItsAlpha)
{
    if (!LMProcs::AlphaBlend)
        GTEST_SKIP() << "AlphaBlend is not bound";
    LMRectangularState state(L"Fill", 0, 0, RGB(0, 0, 200), 128);
    state.SetSize(4, 4);
    DibCanvas canvas(4, 4);
    EXPECT_EQ(1, state.Draw(canvas.Dc(), 0, 0, 0, 0, 4, 4));
    // 200 * 128 / 255 = 100 blue, alpha 128.
    EXPECT_TRUE(Near(0x80000064u, canvas.Pixel(2, 2))) << std::hex << canvas.Pixel(2, 2);

    LMRectangularState magenta(L"Key", 0, 0, RGB(255, 0, 255), 255);
    magenta.SetSize(4, 4);
    DibCanvas keyed(4, 4);
    EXPECT_EQ(1, magenta.Draw(keyed.Dc(), 0, 0, 0, 0, 4, 4));
    EXPECT_EQ(0u, keyed.Pixel(1, 1));
}

TEST(LMRectangularState, WithoutAlphaBlendThePartIsFilledBlue)
{
    auto saved = LMProcs::AlphaBlend;
    LMProcs::AlphaBlend = nullptr;
    LMRectangularState state(L"Frame", kRed, 255, 0, 0);
    state.SetSize(12, 6);
    DibCanvas canvas(6, 4);
    EXPECT_EQ(1, state.Draw(canvas.Dc(), 1, 1, 3, 2, 4, 2));
    LMProcs::AlphaBlend = saved;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            bool inside = x >= 1 && x < 5 && y >= 1 && y < 3;
            EXPECT_EQ(inside ? 0xC0u : 0u, canvas.Pixel(x, y) & 0xFFFFFF) << "at " << x << "," << y;
        }
    }
}
