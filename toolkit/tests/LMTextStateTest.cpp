#include "LMTextState.h"
#include "GuardedMemory.h"
#include "LMFontCache.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

constexpr wchar_t kFace[] = L"Tahoma";
constexpr wchar_t kLongText[]
    = L"The quick brown fox jumps over the lazy dog and keeps running far beyond the edge";

std::unique_ptr<LMTextState> MakeText(
    const wchar_t* text, int alignment = 1, int width = 0, int height = 0, int italic = 0)
{
    return std::make_unique<LMTextState>(L"Text", text, kFace, 10, 0, italic, 0, DEFAULT_CHARSET,
        RGB(0, 0, 0), alignment, width, height);
}

int Alpha(const GuardedCanvas& canvas, int x, int y)
{
    return static_cast<int>(canvas.Pixel(x, y) >> 24);
}

} // namespace

TEST(LMTextState, StoresTheTextWithRoomAndAFontFromTheCache)
{
    auto state = MakeText(L"Hello");
    EXPECT_EQ(LMStateKindText, state->Kind);
    EXPECT_EQ(L"Hello", state->Text);
    EXPECT_GE(state->Text.capacity(), 5u + 256u);
    EXPECT_EQ(1, state->FrameCount);
    EXPECT_EQ(0, state->FrameFlags);
    ASSERT_NE(nullptr, state->Font);
    EXPECT_EQ(LMFontCache::Instance().GetFont(kFace, 10, 0, 0, 0, DEFAULT_CHARSET, 0), state->Font);
    EXPECT_GT(state->FrameWidth, 0);
    EXPECT_GT(state->FrameHeight, 0);

    EXPECT_EQ(L" ", MakeText(L"")->Text);
    EXPECT_EQ(L" ", MakeText(nullptr)->Text);
}

TEST(LMTextState, AlignmentBecomesADrawTextFormat)
{
    struct Case {
        int alignment;
        int32_t format;
    };
    const Case cases[] = { { 1, 0 }, { 2, 1 }, { 4, 2 }, { 0, 0 }, { 3, 0 }, { 8, 0 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        EXPECT_EQ(c.format, MakeText(L"A", c.alignment)->AlignmentFormat);
    }
}

TEST(LMTextState, GivenSizesReplaceTheMeasuredOnes)
{
    auto measured = MakeText(L"Hello");
    auto wide = MakeText(L"Hello", 1, 300, 0);
    EXPECT_EQ(300, wide->FrameWidth);
    EXPECT_EQ(measured->FrameHeight, wide->FrameHeight);
    auto both = MakeText(L"Hello", 1, 40, 17);
    EXPECT_EQ(40, both->FrameWidth);
    EXPECT_EQ(17, both->FrameHeight);
    auto heightOnly = MakeText(L"Hello", 1, 0, 17);
    EXPECT_EQ(0, heightOnly->FrameWidth);
    EXPECT_EQ(17, heightOnly->FrameHeight);
}

TEST(LMTextState, AWidthWrapsLongText)
{
    auto oneLine = MakeText(kLongText);
    auto wrapped = MakeText(kLongText, 1, 80, 0);
    EXPECT_GT(oneLine->FrameWidth, 80);
    EXPECT_GT(wrapped->FrameHeight, oneLine->FrameHeight);
}

TEST(LMTextState, HitsUnlessNeverHit)
{
    auto state = MakeText(L"Hi");
    const int modes[] = { 0, LMHitWholeFrame, LMHitNever, LMHitInnerRect };
    for (int mode : modes) {
        SCOPED_TRACE(mode);
        state->SetHitMode(mode);
        EXPECT_EQ(mode == LMHitNever ? 0 : 1, state->HitTest(0, 0) ? 1 : 0);
    }
}

// Alpha 255 goes exactly on the text rectangle within the part, and never
// outside the DIB, whichever way its rows run.
TEST(LMTextState, DrawMakesTheTextAreaOpaqueInsideTheDibOnly)
{
    auto state = MakeText(L"Hi", 1, 10, 6);
    struct Case {
        int canvasHeight; // negative: top-down rows
        int dstX, dstY, srcX, srcY, width, height;
        RECT opaque;
    };
    const Case cases[] = {
        { 8, 2, 1, 0, 0, 10, 6, { 2, 1, 12, 7 } }, // the whole frame
        { 8, 2, 1, 3, 2, 4, 3, { 2, 1, 6, 4 } }, // a part
        { 8, -4, -3, 0, 0, 10, 6, { 0, 0, 6, 3 } }, // past the top-left corner
        { -8, 9, 5, 0, 0, 10, 6, { 9, 5, 12, 8 } }, // past the bottom-right corner
        { -8, 1, 2, 2, 1, 6, 4, { 1, 2, 7, 6 } }, // a part, top-down rows
        { 8, 1, 1, 0, 0, 40, 40, { 1, 1, 11, 7 } }, // a part larger than the frame
        { 8, 20, 20, 0, 0, 10, 6, { 0, 0, 0, 0 } }, // wholly outside
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
            << "canvas height " << c.canvasHeight << ", part at " << c.dstX << "," << c.dstY);
        GuardedCanvas canvas(12, c.canvasHeight);
        EXPECT_EQ(1, state->Draw(canvas.Dc(), c.dstX, c.dstY, c.srcX, c.srcY, c.width, c.height));
        EXPECT_TRUE(canvas.Dib().GuardsIntact());
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 12; ++x) {
                POINT at { x, y };
                int expected = PtInRect(&c.opaque, at) ? 255 : 0;
                ASSERT_EQ(expected, Alpha(canvas, x, y)) << "at " << x << "," << y;
            }
        }
    }
}

TEST(LMTextState, DrawLeavesOtherBitmapsAlone)
{
    auto state = MakeText(L"Hi", 1, 10, 6);
    HDC screen = GetDC(nullptr);
    ScopedMemoryDC dc(CreateCompatibleDC(screen));
    ScopedBitmap ddb(CreateCompatibleBitmap(screen, 12, 8));
    ReleaseDC(nullptr, screen);
    ScopedSelectObject select(dc.Get(), ddb.Get());
    EXPECT_EQ(1, state->Draw(dc.Get(), 0, 0, 0, 0, 10, 6));
    EXPECT_EQ(1, state->Draw(nullptr, 0, 0, 0, 0, 10, 6));
}

// An italic last letter that leans past its advance widens the frame.
TEST(LMTextState, TrailingOverhangWidensTheFrame)
{
    LMTextState italic(L"Text", L"f", kFace, 20, 0, 1, 0, DEFAULT_CHARSET, 0, 1, 20, 10);
    LMTextState upright(L"Text", L"o", kFace, 20, 0, 0, 0, DEFAULT_CHARSET, 0, 1, 20, 10);
    EXPECT_GT(italic.FrameWidth, 20);
    EXPECT_EQ(20, upright.FrameWidth);
}
