#include "BitmapFixtures.h"

#include <gtest/gtest.h>

namespace {

// Checks every pixel of the area against the region, so a missing or extra
// rectangle anywhere fails.
void ExpectRegionMatches(HRGN region, const LMBitmap& bitmap, bool premultiplied)
{
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x) {
            uint32_t pixel = *bitmap.PixelAt(x, y);
            bool opaque = premultiplied ? (pixel >> 24) != 0 : (pixel & 0xFFFFFF) != kLMColorKey;
            ASSERT_EQ(opaque, PtInRegion(region, x, y) != 0) << x << "," << y;
        }
    }
}

}  // namespace

TEST(LMBitmapRegion, ContainsExactlyTheOpaquePixels)
{
    auto bitmap = MakeBitmap(4, 3, LMBitmapHasAlpha | LMBitmapPremultiplied,
                             {0, 0xFF000000, 0xFF000000, 0,
                              0x01000000, 0, 0, 0x80000000,
                              0, 0, 0, 0});
    ScopedRegion region(bitmap->CreateRegion(0, 0, 4, 3));
    ASSERT_TRUE(region);
    ExpectRegionMatches(region.Get(), *bitmap, true);
    RECT box;
    EXPECT_EQ(COMPLEXREGION, GetRgnBox(region.Get(), &box));
    EXPECT_EQ((RECT{0, 0, 4, 2}).bottom, box.bottom);
}

TEST(LMBitmapRegion, KeyedBitmapsUseTheColourKey)
{
    auto bitmap = MakeBitmap(3, 1, 0, {0x00FF00FF, 0x00000000, 0xFFFF00FF});
    ScopedRegion region(bitmap->CreateRegion(0, 0, 3, 1));
    ASSERT_TRUE(region);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), 1, 0));
    EXPECT_FALSE(PtInRegion(region.Get(), 2, 0));
}

TEST(LMBitmapRegion, IsRelativeToTheSourceCorner)
{
    auto bitmap = MakeBitmap(3, 2, LMBitmapHasAlpha | LMBitmapPremultiplied,
                             {0, 0, 0, 0, 0, 0xFF000000});
    ScopedRegion region(bitmap->CreateRegion(1, 1, 2, 1));
    RECT box;
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(region.Get(), &box));
    EXPECT_EQ(1, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(2, box.right);
    EXPECT_EQ(1, box.bottom);
}

TEST(LMBitmapRegion, AllTransparentGivesAnEmptyRegionNotNull)
{
    auto bitmap = MakeBitmap(5, 5, LMBitmapHasAlpha | LMBitmapPremultiplied);
    ScopedRegion region(bitmap->CreateRegion(0, 0, 5, 5));
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(NULLREGION, GetRgnBox(region.Get(), &box));
}

TEST(LMBitmapRegion, MoreThanTwoThousandRunsCombineIntoOneRegion)
{
    const int width = 4401;  // 2201 runs a row, 3 rows: several batches
    LMBitmap bitmap(width, 3, LMBitmapHasAlpha | LMBitmapPremultiplied);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < width; x += 2)
            *bitmap.PixelAt(x, y) = 0xFF000000;
    ScopedRegion region(bitmap.CreateRegion(0, 0, width, 3));
    ASSERT_TRUE(region);
    ExpectRegionMatches(region.Get(), bitmap, true);
}

TEST(LMBitmapRegion, AreaOutsideTheBitmapIsTransparent)
{
    auto bitmap = MakeBitmap(2, 2, 0, {1, 2, 3, 4});
    ScopedRegion region(bitmap->CreateRegion(-1, -1, 4, 4));
    RECT box;
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(region.Get(), &box));
    EXPECT_EQ(1, box.left);
    EXPECT_EQ(1, box.top);
    EXPECT_EQ(3, box.right);
    EXPECT_EQ(3, box.bottom);
    EXPECT_EQ(nullptr, bitmap->CreateRegion(0, 0, 0, 4));
}
