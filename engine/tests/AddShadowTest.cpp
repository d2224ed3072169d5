#include "BitmapFixtures.h"
#include "LMBitmapState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// The state's frame, insets and visible rectangle (the frame less its insets).
struct Layout {
    std::vector<int> Frame;    // width, height
    std::vector<int> Insets;   // left, top, right, bottom
    std::vector<int> Visible;  // left, top, width, height
};

Layout LayoutOf(const LMBitmapState& state)
{
    return {{state.FrameWidth, state.FrameHeight},
            {state.InsetLeft, state.InsetTop, state.InsetRight, state.InsetBottom},
            {state.InsetLeft, state.InsetTop, state.FrameWidth - state.InsetLeft - state.InsetRight,
             state.FrameHeight - state.InsetTop - state.InsetBottom}};
}

std::vector<uint32_t> PixelsOf(const LMBitmap& bitmap)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x)
            pixels.push_back(*bitmap.PixelAt(x, y));
    }
    return pixels;
}

LMBitmap* FilledBitmap(int width, int height, uint32_t pixel, int flags)
{
    auto bitmap = MakeBitmap(width, height, flags);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            *bitmap->PixelAt(x, y) = pixel;
    }
    return bitmap.release();  // the state holds the reference
}

}  // namespace

TEST(AddShadow, TheFrameGrowsAndTheVisibleRectangleStaysPut)
{
    struct Case {
        const char* Name;
        int OffsetX, OffsetY, Sharpness, Darkness;
        Layout Expected;
    };
    const Case cases[] = {
        {"down right, blurred", 8, 8, 8, 192, {{44, 44}, {0, 0, 12, 12}, {0, 0, 32, 32}}},
        {"up left, hard", -5, -5, 0, 192, {{37, 37}, {5, 5, 0, 0}, {5, 5, 32, 32}}},
        {"no offset, blurred", 0, 0, 8, 192, {{40, 40}, {4, 4, 4, 4}, {4, 4, 32, 32}}},
        {"darkness 0", 8, 8, 8, 0, {{44, 44}, {0, 0, 12, 12}, {0, 0, 32, 32}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LMBitmapState state(L"Default", FilledBitmap(32, 32, kWhite, LMBitmapHasAlpha));
        EXPECT_EQ(1, state.AddShadow(c.OffsetX, c.OffsetY, c.Sharpness, c.Darkness, 0, 0));
        Layout layout = LayoutOf(state);
        EXPECT_EQ(c.Expected.Frame, layout.Frame);
        EXPECT_EQ(c.Expected.Insets, layout.Insets);
        EXPECT_EQ(c.Expected.Visible, layout.Visible);
        EXPECT_EQ(c.Expected.Frame[0], state.Bitmap->Width);
    }
}

TEST(AddShadow, InsetsTheStateAlreadyHadGrowToo)
{
    LMBitmapState state(L"Default", FilledBitmap(32, 32, kWhite, LMBitmapHasAlpha));
    state.InsetLeft = 1;
    state.InsetTop = 2;
    state.InsetRight = 3;
    state.InsetBottom = 4;
    ASSERT_EQ(1, state.AddShadow(-5, 8, 0, 192, 0, 0));
    EXPECT_EQ(std::vector<int>({6, 2, 3, 12}), LayoutOf(state).Insets);
    EXPECT_EQ(std::vector<int>({37, 40}), LayoutOf(state).Frame);
}

TEST(AddShadow, DarknessZeroGivesAnInvisibleShadow)
{
    LMBitmapState state(L"Default", FilledBitmap(32, 32, kWhite, LMBitmapHasAlpha));
    ASSERT_EQ(1, state.AddShadow(8, 8, 8, 0, 0, 0));
    for (int y = 0; y < 44; ++y) {
        for (int x = 0; x < 44; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ASSERT_EQ(x < 32 && y < 32 ? kWhite : 0u, *state.Bitmap->PixelAt(x, y));
        }
    }
}

TEST(AddShadow, Sharpness200EqualsSharpness100)
{
    LMBitmapState high(L"Default", FilledBitmap(8, 8, kWhite, LMBitmapHasAlpha));
    LMBitmapState reference(L"Default", FilledBitmap(8, 8, kWhite, LMBitmapHasAlpha));
    ASSERT_EQ(1, high.AddShadow(8, 8, 200, 192, 0, 0));
    ASSERT_EQ(1, reference.AddShadow(8, 8, 100, 192, 0, 0));
    EXPECT_EQ(LayoutOf(reference).Frame, LayoutOf(high).Frame);
    EXPECT_EQ(LayoutOf(reference).Insets, LayoutOf(high).Insets);
    EXPECT_EQ(PixelsOf(*reference.Bitmap), PixelsOf(*high.Bitmap));
}

TEST(AddShadow, ARefusedShadowChangesNeitherPixelsNorInsets)
{
    struct Case {
        const char* Name;
        int OffsetX, OffsetY, Sharpness, Darkness;
    };
    const Case cases[] = {
        {"sharpness -1", 8, 8, -1, 192},
        {"offset 1,000,000", 1000000, 8, 8, 192},
        {"offset -1,000,000", 8, -1000000, 8, 192},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LMBitmapState state(L"Default", FilledBitmap(32, 32, 0x80402010, LMBitmapHasAlpha));
        state.InsetLeft = 1;
        state.InsetBottom = 2;
        const Layout before = LayoutOf(state);
        const std::vector<uint32_t> pixels = PixelsOf(*state.Bitmap);
        EXPECT_EQ(0, state.AddShadow(c.OffsetX, c.OffsetY, c.Sharpness, c.Darkness, 0, 0));
        EXPECT_EQ(before.Frame, LayoutOf(state).Frame);
        EXPECT_EQ(before.Insets, LayoutOf(state).Insets);
        EXPECT_EQ(pixels, PixelsOf(*state.Bitmap));
        EXPECT_EQ(0, state.Bitmap->Premultiplied);
    }
}

TEST(AddShadow, AnAllMagentaColourKeyedBitmapGetsNoShadow)
{
    LMBitmapState state(L"Default", FilledBitmap(32, 32, kLMColorKey, LMBitmapColorKeyed));
    ASSERT_EQ(1, state.AddShadow(8, 8, 8, 192, 0, 0));
    EXPECT_EQ(44, state.FrameWidth);
    EXPECT_EQ(std::vector<uint32_t>(44 * 44, 0u), PixelsOf(*state.Bitmap));
}

TEST(AddShadow, AnEmptyFrameOfAStripGetsNoShadowFromItsNeighbour)
{
    LMBitmap* strip = FilledBitmap(64, 32, 0, LMBitmapHasAlpha);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            *strip->PixelAt(x, y) = kWhite;
    }
    LMBitmapState state(L"Default", strip);
    state.SetFrames(2, 50, 0);
    ASSERT_EQ(32, state.FrameWidth);
    ASSERT_EQ(1, state.AddShadow(8, 8, 8, 192, 0, 0));
    EXPECT_EQ(44, state.FrameWidth);
    EXPECT_EQ(88, state.Bitmap->Width);
    EXPECT_EQ(std::vector<int>({0, 0, 12, 12}), LayoutOf(state).Insets);
    EXPECT_EQ(28u, *state.Bitmap->PixelAt(40, 40) >> 24);  // frame 0 has its shadow
    for (int y = 0; y < 44; ++y) {
        for (int x = 44; x < 88; ++x) {
            SCOPED_TRACE(testing::Message() << x << "," << y);
            ASSERT_EQ(0u, *state.Bitmap->PixelAt(x, y));
        }
    }
}

TEST(AddShadow, ASeparateFramesStateShadowsTheWholeBitmap)
{
    LMBitmapState state(L"Default", FilledBitmap(32, 16, kWhite, LMBitmapHasAlpha));
    state.SetFrames(2, 50, LMFrameSeparate);
    ASSERT_EQ(1, state.AddShadow(2, 2, 0, 192, 0, 0));
    EXPECT_EQ(34, state.Bitmap->Width);
    EXPECT_EQ(34, state.FrameWidth);
    EXPECT_EQ(std::vector<int>({0, 0, 2, 2}), LayoutOf(state).Insets);
}

TEST(AddShadow, AStateWithoutBitmapGetsNoShadow)
{
    LMBitmapState state(L"Default", nullptr);
    state.SetSize(4, 4);
    EXPECT_EQ(0, state.AddShadow(8, 8, 8, 192, 0, 0));
    EXPECT_EQ(4, state.FrameWidth);
    EXPECT_EQ(0, state.InsetRight);
}
