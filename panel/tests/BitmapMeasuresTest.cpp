// Shrinking bitmaps by the supersampling factor and measuring what they show.

#include "BitmapFixtures.h"
#include "PanelTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A bitmap whose pixels are the blue values given, rows from the top.
std::unique_ptr<LMBitmap> BlueBitmap(int width, int height, std::vector<uint32_t> blues)
{
    auto bitmap = MakeBitmap(width, height, LMBitmapHasAlpha);
    for (int i = 0; i < width * height; ++i)
        *bitmap->PixelAt(i % width, i / width) = blues[i];
    return bitmap;
}

}  // namespace

TEST(Downsample, DropsTheIncompleteBlocksAndAveragesEachByte)
{
    ScopedSupersample factor(3);
    std::vector<uint32_t> blues(28, 0);
    for (int x = 0; x < 7; ++x)
        blues[21 + x] = 255;  // only the bottom row, which is dropped
    auto bitmap = BlueBitmap(7, 4, blues);
    bitmap->Premultiplied = 1;
    bitmap->ColorKeyed = 1;
    EXPECT_EQ(1, bitmap->Downsample());
    EXPECT_EQ(2, bitmap->Width);
    EXPECT_EQ(1, bitmap->Height);
    EXPECT_EQ((std::vector<uint32_t>{0, 0}), PixelsTopDown(*bitmap));
    EXPECT_EQ(1, bitmap->HasAlpha);
    EXPECT_EQ(0, bitmap->Premultiplied);
    EXPECT_EQ(0, bitmap->ColorKeyed);

    // The colour form: the blue average in alpha, the colour in B, G, R.
    auto counted = BlueBitmap(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 0xFF000009});
    EXPECT_EQ(1, counted->Downsample(RGB(10, 20, 30)));
    EXPECT_EQ((std::vector<uint32_t>{Bgra(30, 20, 10, 5)}), PixelsTopDown(*counted));

    ScopedSupersample two(2);
    auto channels = MakeBitmap(2, 2, LMBitmapHasAlpha,
                               {Bgra(0, 0, 255, 0), Bgra(255, 0, 255, 255), Bgra(255, 8, 255, 255),
                                Bgra(255, 0, 255, 255)});
    EXPECT_EQ(1, channels->Downsample());
    EXPECT_EQ((std::vector<uint32_t>{Bgra(191, 2, 255, 191)}), PixelsTopDown(*channels));
}

TEST(Downsample, RefusesOtherFactorsAndBitmapsTooSmallOrWithoutPixels)
{
    struct Case {
        const char* Name;
        int Factor, Width, Height;
    };
    const Case cases[] = {
        {"factor 1", 1, 6, 6},
        {"factor 5", 5, 10, 10},
        {"1 px at 3", 3, 1, 1},
        {"lower than 4", 4, 8, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ScopedSupersample factor(c.Factor);
        std::vector<uint32_t> pixels(c.Width * c.Height);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<uint32_t>(i * 7919);
        auto bitmap = BlueBitmap(c.Width, c.Height, pixels);
        EXPECT_EQ(0, bitmap->Downsample());
        EXPECT_EQ(0, bitmap->Downsample(RGB(1, 2, 3)));
        EXPECT_EQ(c.Width, bitmap->Width);
        EXPECT_EQ(c.Height, bitmap->Height);
        EXPECT_EQ(pixels, PixelsTopDown(*bitmap));
    }
    ScopedSupersample factor(2);
    LMBitmap empty(static_cast<HBITMAP>(nullptr), LMBitmapHasAlpha);
    EXPECT_EQ(0, empty.Downsample());
    EXPECT_EQ(0, empty.Downsample(RGB(1, 2, 3)));
}

TEST(OpaqueBounds, ReportsTheVisiblePixelsOfTheFirstFrame)
{
    struct Case {
        const char* Name;
        int Width, Height, Frames;
        std::vector<std::pair<int, int>> Pixels;  // (x, y) from the top
        uint32_t Alpha;
        std::vector<int> Bounds;
    };
    const Case cases[] = {
        {"two pixels", 10, 8, 1, {{6, 1}, {2, 5}}, 16, {2, 1, 6, 5}},
        {"one pixel", 10, 8, 1, {{3, 4}}, 255, {3, 4, 3, 4}},
        {"alpha 15 is not visible", 10, 8, 1, {{6, 1}, {2, 5}}, 15, {0, 0, 9, 7}},
        {"only the second frame", 16, 6, 2, {{9, 2}, {15, 5}}, 255, {0, 0, 7, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto bitmap = MakeBitmap(c.Width, c.Height, LMBitmapHasAlpha);
        bitmap->FrameCount = c.Frames;
        for (const auto& [x, y] : c.Pixels)
            *bitmap->PixelAt(x, y) = c.Alpha << 24;
        std::vector<int> bounds(4, -1);
        EXPECT_EQ(1, bitmap->OpaqueBounds(&bounds[0], &bounds[1], &bounds[2], &bounds[3]));
        EXPECT_EQ(c.Bounds, bounds);
    }
    LMBitmap empty(static_cast<HBITMAP>(nullptr), LMBitmapHasAlpha);
    EXPECT_EQ(0, empty.OpaqueBounds(nullptr, nullptr, nullptr, nullptr));
}
