// The arithmetic of bitmap texts: font heights, the two-line break, the
// drawing scale and the outline's alpha.

#include "TextLayout.h"
#include "TextPixels.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TextMath, FontHeightsScaleBeforeTheDivision)
{
    struct Case {
        int Size, Scale, Height;
    };
    const Case cases[] = {
        {12, 3, 60}, {22, 4, 146}, {9, 1, 15}, {11, 1, 18}, {0, 3, 0}, {-12, 1, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "size " << c.Size << " scale " << c.Scale);
        EXPECT_EQ(c.Height, TextFontHeight(c.Size, c.Scale));
    }
    EXPECT_EQ(16384, TextFontHeight(2000000000, 4)) << "a huge size is held, not wrapped";
}

TEST(TextMath, OnlyFactorsTwoToFourSupersample)
{
    const int factors[] = {0, 1, 2, 3, 4, 5, 7, -3};
    const int scales[] = {1, 1, 2, 3, 4, 1, 1, 1};
    for (size_t i = 0; i < std::size(factors); ++i) {
        SCOPED_TRACE(testing::Message() << "factor " << factors[i]);
        EXPECT_EQ(scales[i], TextScale(1, factors[i]));
        EXPECT_EQ(1, TextScale(0, factors[i]));
    }
}

TEST(TextMath, TwoLineTextsBreakAtTheSpaceNearestTheMiddleLaterFirst)
{
    EXPECT_EQ(5, FindTwoLineBreak(L"abc d efg"));
    EXPECT_EQ(3, FindTwoLineBreak(L"abc defgh"));
    EXPECT_EQ(-1, FindTwoLineBreak(L"abcdefgh"));
    EXPECT_EQ(-1, FindTwoLineBreak(L"a"));
    EXPECT_EQ(-1, FindTwoLineBreak(L""));
}

TEST(TextMath, BoxArgumentsAreScaledAndHeldToTheLargestBox)
{
    EXPECT_EQ(150, ScaleBoxArgument(50, 3));
    EXPECT_EQ(-3, ScaleBoxArgument(-1, 3));
    EXPECT_EQ(4096, ScaleBoxArgument(30000, 3));
    EXPECT_EQ(-4096, ScaleBoxArgument(-2147483647 - 1, 4));
    EXPECT_EQ(1, TextBoxSide(0, 1));
    EXPECT_EQ(3, TextBoxSide(-5, 3));
    EXPECT_EQ(183, TextBoxSide(181, 3));
    EXPECT_EQ(180, TextBoxSide(180, 3));
    EXPECT_EQ(4096, TextBoxSide(1LL << 40, 4));
    EXPECT_EQ(4095, TextBoxSide(4096, 3)) << "the largest box rounds down";
}

TEST(TextMath, TheOutlineSpreadsOnePixelOfCoverageInWeights)
{
    // One pixel of coverage 128 in the blue byte, in the middle of 5 x 5.
    std::vector<uint32_t> coverage(25, 0);
    coverage[12] = 128;
    const PixelView coverageView{coverage.data(), 5, 5, 5};
    for (bool hollow : {false, true}) {
        SCOPED_TRACE(hollow ? "hollow" : "filled");
        std::vector<uint32_t> pixels(25, 0x00123456);
        ApplyOutlineAlpha({pixels.data(), 5, 5, 5}, coverageView, kCoverageInBlue, hollow);
        const std::vector<uint32_t> expected = {
            0,  0,  0,
            0,  0,  //
            0,  17, 68,
            17, 0,  //
            0,  68, hollow ? 42u : 170u,
            68, 0,  //
            0,  17, 68,
            17, 0,  //
            0,  0,  0,
            0,  0,
        };
        for (int i = 0; i < 25; ++i) {
            SCOPED_TRACE(testing::Message() << "pixel " << i % 5 << ", " << i / 5);
            EXPECT_EQ(expected[i], pixels[i] >> 24);
            EXPECT_EQ(0x123456u, pixels[i] & 0xFFFFFF) << "colours stay";
        }
    }
}

TEST(TextMath, AFullyCoveredAreaStaysOpaqueAndOneFullNeighbourGivesItsWeight)
{
    std::vector<uint32_t> full(9, 255u << 24);
    const PixelView fullView{full.data(), 3, 3, 3};
    EXPECT_EQ(255u, OutlineAlphaAt(fullView, kCoverageInAlpha, 1, 1));
    EXPECT_EQ(255u, OutlineAlphaAt(fullView, kCoverageInAlpha, 0, 0));

    std::vector<uint32_t> single(9, 0);
    single[4] = 255u << 24;
    const PixelView singleView{single.data(), 3, 3, 3};
    EXPECT_EQ(136u, OutlineAlphaAt(singleView, kCoverageInAlpha, 0, 1)) << "an edge neighbour";
    EXPECT_EQ(34u, OutlineAlphaAt(singleView, kCoverageInAlpha, 0, 0)) << "a corner neighbour";
}
