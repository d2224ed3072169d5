// The four-argument shadow: black, under the picture, in the state's insets.

#include "BitmapFixtures.h"
#include "LMBitmapState.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ShadowForm, TheStateGrowsByTheOffsetAndKeepsItsVisibleRectangle)
{
    auto* bitmap = MakeBitmap(10, 10, LMBitmapHasAlpha).release();
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x)
            *bitmap->PixelAt(x, y) = Bgra(0, 0, 255, 255);
    }
    LMBitmapState state(L"Default", bitmap);
    EXPECT_EQ(1, state.AddShadow(4, -2, 0, 200));
    EXPECT_EQ(14, state.FrameWidth);
    EXPECT_EQ(12, state.FrameHeight);
    EXPECT_EQ(
        (std::vector<int>{0, 2, 4, 0}),
        (std::vector<int>{state.InsetLeft, state.InsetTop, state.InsetRight, state.InsetBottom}));
    const uint32_t shadow = *state.Bitmap->PixelAt(12, 1);
    EXPECT_TRUE((shadow & 0xFFFFFF) == 0 && (shadow >> 24) > 0) << "black shadow: " << shadow;

    LMBitmapState empty(L"Default", nullptr);
    EXPECT_EQ(0, empty.AddShadow(4, -2, 0, 200)) << "no bitmap, no shadow";
}
