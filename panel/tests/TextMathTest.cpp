// The arithmetic of bitmap texts: font heights, the two-line break and the
// outline's alpha.

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

TEST(TextMath, TwoLineTextsBreakAtTheSpaceNearestTheMiddleLaterFirst)
{
    EXPECT_EQ(5, FindTwoLineBreak(L"abc d efg"));
    EXPECT_EQ(3, FindTwoLineBreak(L"abc defgh"));
    EXPECT_EQ(-1, FindTwoLineBreak(L"abcdefgh"));
    EXPECT_EQ(-1, FindTwoLineBreak(L""));
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
