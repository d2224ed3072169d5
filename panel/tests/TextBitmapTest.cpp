// Texts drawn into bitmap states. Under Wine "Segoe UI" is a substitute
// font, so these check what the code decides (sizes, insets, colours) and
// relations between pixels, never measured widths.

#include "LMBitmapState.h"
#include "PanelTestSupport.h"
#include "TextLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr COLORREF kInk = RGB(200, 40, 10);
constexpr COLORREF kRing = RGB(250, 250, 250);
constexpr COLORREF kHollow = RGB(255, 0, 255);

struct TextRequest {
    std::wstring Text = L"Level 1";
    int Size = 12;
    int Italic = 0;
    COLORREF Color = kInk;
    int Outlined = 0;
    int Width = 0;
    int Height = 0;
};

std::unique_ptr<LMBitmapState> MakeText(const TextRequest& r)
{
    return std::make_unique<LMBitmapState>(L"Default", r.Text.c_str(), L"Segoe UI", r.Size, 0,
                                           r.Italic, 0, 0, 0, r.Color, r.Outlined, kRing, 1,
                                           r.Width, r.Height, LMTextSupersample);
}

uint32_t MaxAlpha(const LMBitmap& bitmap)
{
    uint32_t most = 0;
    for (uint32_t pixel : PixelsTopDown(bitmap))
        most = std::max(most, pixel >> 24);
    return most;
}

bool AllColour(const LMBitmap& bitmap, COLORREF color)
{
    const uint32_t bytes = GetBValue(color) | GetGValue(color) << 8 | GetRValue(color) << 16;
    for (uint32_t pixel : PixelsTopDown(bitmap)) {
        if ((pixel & 0xFFFFFF) != bytes)
            return false;
    }
    return true;
}

}  // namespace

TEST(TextBitmap, TheBoxDecidesTheSizeAndTheOutlineLiesInTheInsets)
{
    ScopedSupersample factor(3);
    struct Case {
        const char* Name;
        TextRequest Request;
        int Width, Height, Inset;
    };
    const Case cases[] = {
        {"a given box", {L"Level 1", 12, 0, kInk, 0, 50, 20}, 50, 20, 0},
        {"outlined", {L"Level 1", 12, 0, kInk, 1, 60, 20}, 62, 22, 1},
        {"hollow", {L"Level 1", 12, 0, kHollow, 1, 60, 20}, 62, 22, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto state = MakeText(c.Request);
        ASSERT_NE(nullptr, state->Bitmap);
        const LMBitmap& bitmap = *state->Bitmap;
        EXPECT_EQ(c.Width, bitmap.Width);
        EXPECT_EQ(c.Height, bitmap.Height);
        EXPECT_EQ(c.Width, state->FrameWidth);
        EXPECT_EQ(c.Height, state->FrameHeight);
        EXPECT_EQ((std::vector<int>{c.Inset, c.Inset, c.Inset, c.Inset}),
                  (std::vector<int>{state->InsetLeft, state->InsetTop, state->InsetRight,
                                    state->InsetBottom}));
        EXPECT_EQ(1, bitmap.RefCount) << "the state holds the one reference";
        EXPECT_EQ(1, bitmap.HasAlpha);
        EXPECT_EQ(0, bitmap.Premultiplied);
        EXPECT_EQ(1, bitmap.SharedDC);
        EXPECT_EQ(LMStateKindBitmap, state->Kind);
        EXPECT_EQ(1, state->FrameCount);
        EXPECT_GT(MaxAlpha(bitmap), 100u) << "the text is drawn";
    }
}

TEST(TextBitmap, PlainTextIsItsColourWithCoverageInAlpha)
{
    ScopedSupersample factor(3);
    auto state = MakeText({});
    EXPECT_TRUE(AllColour(*state->Bitmap, kInk));
    EXPECT_GT(MaxAlpha(*state->Bitmap), 200u);

    // A text measured at its own size, unscaled, is as tall as its font.
    ScopedSupersample none(1);
    auto unscaled = MakeText({});
    EXPECT_TRUE(AllColour(*unscaled->Bitmap, kInk));
    EXPECT_GE(unscaled->Bitmap->Height, 15);
}

TEST(TextBitmap, AHollowTextKeepsOnlyARingInTheOutlineColour)
{
    ScopedSupersample factor(3);
    TextRequest filledRequest;
    filledRequest.Text = L"HHH";
    filledRequest.Size = 30;
    filledRequest.Outlined = 1;
    TextRequest hollowRequest = filledRequest;
    hollowRequest.Color = kHollow;
    auto filled = MakeText(filledRequest);
    auto hollow = MakeText(hollowRequest);
    EXPECT_TRUE(AllColour(*hollow->Bitmap, kRing));
    ASSERT_EQ(filled->Bitmap->Width, hollow->Bitmap->Width);
    const auto solid = PixelsTopDown(*filled->Bitmap);
    const auto ring = PixelsTopDown(*hollow->Bitmap);
    int interiors = 0;
    for (size_t i = 0; i < solid.size(); ++i) {
        EXPECT_LE(ring[i] >> 24, solid[i] >> 24) << "pixel " << i;
        if (solid[i] >> 24 == 255 && ring[i] >> 24 == 0)
            ++interiors;
    }
    EXPECT_GT(interiors, 0) << "glyph interiors end clear";
    EXPECT_GT(MaxAlpha(*hollow->Bitmap), 0u);
}

TEST(TextBitmap, AnEmptyTextIsASpaceFullyClear)
{
    ScopedSupersample factor(3);
    for (const wchar_t* text : {L"", L" "}) {
        TextRequest request;
        request.Text = text;
        auto state = MakeText(request);
        EXPECT_GT(state->Bitmap->Width, 0);
        EXPECT_GT(state->Bitmap->Height, 0);
        EXPECT_EQ(0u, MaxAlpha(*state->Bitmap));
    }
}

TEST(TextBitmap, HugeOrOddRequestsGiveABitmapWithinTheLargestBox)
{
    ScopedSupersample factor(3);
    const int largest = kTextMaxBoxSide / 3;
    std::wstring longText;
    for (int i = 0; i < 25000; ++i)
        longText += L"abc ";
    struct Case {
        const char* Name;
        TextRequest Request;
        int ExactWidth;  // 0: anything from 1 to the largest box
    };
    const Case cases[] = {
        {"100,000 characters", {longText, 12, 0, kInk, 0, 0, 0}, largest},
        {"100,000 characters outlined", {longText, 12, 0, kInk, 1, 0, 0}, largest + 2},
        {"100,000 characters in two lines", {longText, 12, 0, kInk, 0, -300, 0}, 300},
        {"width -1", {L"two words", 12, 0, kInk, 0, -1, 0}, 1},
        {"width 30,000", {L"Level 1", 12, 0, kInk, 0, 30000, 0}, largest},
        {"height 30,000", {L"Level 1", 12, 0, kInk, 0, 50, 30000}, 50},
        {"size 0", {L"Level 1", 0, 0, kInk, 0, 0, 0}, 0},
        {"size 500", {L"Ab", 500, 0, kInk, 0, 0, 0}, 0},
        {"italic", {L"Wf", 40, 1, kInk, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto state = MakeText(c.Request);
        const LMBitmap& bitmap = *state->Bitmap;
        ASSERT_TRUE(bitmap.HasPixels());
        if (c.ExactWidth) {
            EXPECT_EQ(c.ExactWidth, bitmap.Width);
        }
        EXPECT_GE(bitmap.Width, 1);
        EXPECT_LE(bitmap.Width, largest + 2);
        EXPECT_GE(bitmap.Height, 1);
        EXPECT_LE(bitmap.Height, largest + 2);
    }
}

TEST(TextBitmap, ATextWithoutFontIsOneClearPixel)
{
    ScopedSupersample factor(3);
    LMBitmap plain(L"Level 1", nullptr, kInk, 1, 50, 20, 1, -1);
    LMBitmap outlined(LMOutlinedText, L"Level 1", nullptr, kInk, kRing, 1, 50, 20, 1);
    for (const LMBitmap* bitmap : {&plain, &outlined}) {
        EXPECT_EQ(1, bitmap->Width);
        EXPECT_EQ(1, bitmap->Height);
        EXPECT_EQ((std::vector<uint32_t>{0}), PixelsTopDown(*bitmap));
        EXPECT_EQ(1, bitmap->HasAlpha);
    }
}
