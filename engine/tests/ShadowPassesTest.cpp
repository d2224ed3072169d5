#include "ShadowPasses.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MakeShadowKernel, TapsRadiusAndSumFollowTheSharpness)
{
    struct Case {
        int Sharpness;
        std::vector<uint32_t> Half;  // k(0) .. k(n); empty: only n and S are checked
        int Radius;
        uint32_t Sum;
    };
    const Case cases[] = {
        {8, {20, 17, 11, 5, 2}, 4, 90},
        {9, {20, 17, 12, 7, 3, 1}, 5, 100},
        {20, {}, 11, 222},
        {100, {}, 57, 1100},
        {0, {20}, 0, 20},
        {1, {20}, 0, 20},
        {-3, {20}, 0, 20},
        {200, {}, 57, 1100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Sharpness);
        ShadowKernel kernel = MakeShadowKernel(c.Sharpness);
        EXPECT_EQ(c.Radius, kernel.Radius);
        EXPECT_EQ(c.Sum, kernel.Sum);
        ASSERT_EQ(static_cast<size_t>(2 * c.Radius + 1), kernel.Taps.size());
        for (size_t i = 0; i < c.Half.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(c.Half[i], kernel.Taps[c.Radius + i]);
            EXPECT_EQ(c.Half[i], kernel.Taps[c.Radius - i]);
        }
    }
}

TEST(ComputeShadowGeometry, TheFrameGrowsToHoldFrameAndShadow)
{
    struct Case {
        const char* Name;
        int StripWidth, Height, Frames, OffsetX, OffsetY, Radius;
        int NewWidth, NewHeight, MarginX, MarginY;
    };
    const Case cases[] = {
        {"down right, blurred", 32, 32, 1, 8, 8, 4, 44, 44, 0, 0},
        {"up left, hard", 32, 32, 1, -5, -5, 0, 37, 37, 5, 5},
        {"no offset, blurred", 1, 1, 1, 0, 0, 4, 9, 9, 4, 4},
        {"mixed", 10, 20, 1, -3, 6, 2, 15, 28, 5, 0},
        {"per frame of a strip", 64, 16, 4, 2, 2, 0, 18, 18, 0, 0},
        {"leftover column dropped", 5, 2, 2, 1, 0, 0, 3, 2, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ShadowGeometry geometry;
        ASSERT_TRUE(ComputeShadowGeometry(c.StripWidth, c.Height, c.Frames, c.OffsetX, c.OffsetY,
                                          c.Radius, 1u << 30, &geometry));
        EXPECT_EQ(c.NewWidth, geometry.NewFrameWidth);
        EXPECT_EQ(c.NewHeight, geometry.NewFrameHeight);
        EXPECT_EQ(c.MarginX, geometry.MarginX);
        EXPECT_EQ(c.MarginY, geometry.MarginY);
        EXPECT_EQ(c.StripWidth / c.Frames, geometry.FrameWidth);
    }
}

TEST(ComputeShadowGeometry, RefusesStripsItCannotGrow)
{
    struct Case {
        const char* Name;
        int StripWidth, Height, Frames, OffsetX, OffsetY, Radius;
        uint64_t MaxBytes;
    };
    const Case cases[] = {
        {"no width", 0, 4, 1, 1, 1, 0, 1u << 30},
        {"no height", 4, 0, 1, 1, 1, 0, 1u << 30},
        {"more frames than columns", 2, 4, 3, 1, 1, 0, 1u << 30},
        {"huge offset right", 4, 4, 1, 1000000, 0, 0, 1u << 30},
        {"huge offset left", 4, 4, 1, -1000000, 0, 0, 1u << 30},
        {"huge offset down", 4, 4, 1, 0, 1000000, 0, 1u << 30},
        {"extreme offsets", 4, 4, 1, INT32_MIN, INT32_MAX, 64, 1u << 30},
        {"side beyond 4096", 4090, 4, 1, 7, 0, 0, 1u << 30},
        {"strip beyond the byte limit", 100, 100, 1, 1, 1, 0, 100 * 100 * 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ShadowGeometry geometry;
        EXPECT_FALSE(ComputeShadowGeometry(c.StripWidth, c.Height, c.Frames, c.OffsetX, c.OffsetY,
                                           c.Radius, c.MaxBytes, &geometry));
    }
}
