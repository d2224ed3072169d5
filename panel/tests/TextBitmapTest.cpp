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
    COLORREF Color = kInk;
    int Outlined = 0;
    int Width = 0;
    int Height = 0;
};

std::unique_ptr<LMBitmapState> MakeText(const TextRequest& r)
{
    return std::make_unique<LMBitmapState>(L"Default", r.Text.c_str(), L"Segoe UI", r.Size, 0, 0, 0,
                                           0, 0, r.Color, r.Outlined, kRing, 1, r.Width, r.Height,
                                           LMTextSupersample);
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
        COLORREF Color;  // of every pixel's colour bytes; kMixed: not one colour
    };
    const COLORREF kMixed = 0xFF000000;
    const Case cases[] = {
        {"a given box", {L"Level 1", 12, kInk, 0, 50, 20}, 50, 20, 0, kInk},
        {"outlined", {L"Level 1", 12, kInk, 1, 60, 20}, 62, 22, 1, kMixed},
        {"hollow", {L"Level 1", 12, kHollow, 1, 60, 20}, 62, 22, 1, kRing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto state = MakeText(c.Request);
        const LMBitmap& bitmap = *state->Bitmap;
        EXPECT_EQ(
            (std::vector<int>{c.Width, c.Height, c.Width, c.Height}),
            (std::vector<int>{bitmap.Width, bitmap.Height, state->FrameWidth, state->FrameHeight}));
        EXPECT_EQ((std::vector<int>{c.Inset, c.Inset, c.Inset, c.Inset}),
                  (std::vector<int>{state->InsetLeft, state->InsetTop, state->InsetRight,
                                    state->InsetBottom}));
        // One reference, held by the state; alpha, not premultiplied, shared DC.
        EXPECT_EQ((std::vector<int>{1, 1, 0, 1, 1}),
                  (std::vector<int>{bitmap.RefCount, bitmap.HasAlpha, bitmap.Premultiplied,
                                    bitmap.SharedDC, state->FrameCount}));
        EXPECT_GT(MaxAlpha(bitmap), 100u) << "the text is drawn";
        EXPECT_TRUE(c.Color == kMixed || AllColour(bitmap, c.Color));
    }
}

TEST(TextBitmap, EmptyHugeOrOddRequestsGiveABitmapWithinTheLargestBox)
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
        {"empty", {L"", 12, kInk, 0, 0, 0}, 0},
        {"100,000 characters", {longText, 12, kInk, 0, 0, 0}, largest},
        {"100,000 characters outlined", {longText, 12, kInk, 1, 0, 0}, largest + 2},
        {"100,000 characters in two lines", {longText, 12, kInk, 0, -300, 0}, 300},
        {"width -1", {L"two words", 12, kInk, 0, -1, 0}, 1},
        {"width 30,000", {L"Level 1", 12, kInk, 0, 30000, 0}, largest},
        {"size 0", {L"Level 1", 0, kInk, 0, 0, 0}, 0},
        {"size 500", {L"Ab", 500, kInk, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto state = MakeText(c.Request);
        const LMBitmap& bitmap = *state->Bitmap;
        ASSERT_TRUE(bitmap.HasPixels());
        EXPECT_TRUE(c.ExactWidth == 0 || c.ExactWidth == bitmap.Width) << bitmap.Width;
        EXPECT_TRUE(bitmap.Width >= 1 && bitmap.Width <= largest + 2) << bitmap.Width;
        EXPECT_TRUE(bitmap.Height >= 1 && bitmap.Height <= largest + 2) << bitmap.Height;
        if (c.Request.Text.empty()) {
            EXPECT_EQ(0u, MaxAlpha(bitmap)) << "an empty text is a clear space";
        }
    }
}

TEST(TextBitmap, ATextWithoutFontIsOneClearPixel)
{
    ScopedSupersample factor(3);
    LMBitmap plain(L"Level 1", nullptr, kInk, 1, 50, 20, 1, -1);
    LMBitmap outlined(LMOutlinedText, L"Level 1", nullptr, kInk, kRing, 1, 50, 20, 1);
    for (const LMBitmap* bitmap : {&plain, &outlined}) {
        EXPECT_EQ((std::vector<int>{1, 1, 1}),
                  (std::vector<int>{bitmap->Width, bitmap->Height, bitmap->HasAlpha}));
        EXPECT_EQ((std::vector<uint32_t>{0}), PixelsTopDown(*bitmap));
    }
}
