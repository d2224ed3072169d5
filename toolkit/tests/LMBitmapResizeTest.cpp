#include "BitmapFixtures.h"
#include "DibCanvas.h"
#include "LMBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace
{

uint32_t Gray(uint32_t value)
{
    return value * 0x01010101u;
}

uint32_t ChannelOf(uint32_t pixel, int channel)
{
    return (pixel >> (8 * channel)) & 0xFF;
}

// Opaque, with `level` only in frame k's own channel (blue, green, red).
uint32_t FrameColor(int frame, uint32_t level)
{
    return (level << (8 * frame)) | 0xFF000000u;
}

// A strip of frames; pixel(frame, column, image row) gives every pixel.
template <typename PixelFn>
std::unique_ptr<LMBitmap> MakeStrip(int frames, int frameWidth, int height, PixelFn pixel)
{
    auto strip = std::make_unique<LMBitmap>(frames * frameWidth, height, LMBitmapHasAlpha);
    strip->FrameCount = frames;
    for (int y = 0; y < height; ++y) {
        for (int k = 0; k < frames; ++k) {
            for (int x = 0; x < frameWidth; ++x)
                *strip->PixelAt(k * frameWidth + x, y) = pixel(k, x, y);
        }
    }
    return strip;
}

// Everything a refused call must leave as it was.
struct Snapshot {
    int Width = 0;
    int Height = 0;
    HBITMAP Handle = nullptr;
    int Flags[3] = {};
    std::vector<uint32_t> Pixels;

    explicit Snapshot(const LMBitmap& bitmap)
        : Width(bitmap.Width)
        , Height(bitmap.Height)
        , Handle(bitmap.Handle.Get())
        , Flags { bitmap.HasAlpha, bitmap.ColorKeyed, bitmap.Premultiplied }
    {
        for (int y = 0; bitmap.HasPixels() && y < bitmap.Height; ++y)
            Pixels.insert(Pixels.end(), bitmap.Row(y), bitmap.Row(y) + bitmap.Width);
    }
    bool operator==(const Snapshot& other) const
    {
        return Width == other.Width && Height == other.Height && Handle == other.Handle
            && std::equal(Flags, Flags + 3, other.Flags) && Pixels == other.Pixels;
    }
};

std::vector<uint32_t> ImageRow(const LMBitmap& bitmap, int y)
{
    return std::vector<uint32_t>(bitmap.Row(y), bitmap.Row(y) + bitmap.Width);
}

// No pixel of frame k carries a colour channel other than k.
::testing::AssertionResult OnlyOwnFrameChannel(const LMBitmap& strip, int frames, int frameWidth)
{
    for (int y = 0; y < strip.Height; ++y) {
        for (int x = 0; x < frames * frameWidth; ++x) {
            int frame = x / frameWidth;
            for (int c = 0; c < 3; ++c) {
                if (c != frame && ChannelOf(*strip.PixelAt(x, y), c) != 0)
                    return ::testing::AssertionFailure()
                        << "column " << x << " row " << y << " of frame " << frame
                        << " has channel " << c << " = " << ChannelOf(*strip.PixelAt(x, y), c);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Three frames of 20 x 8: columns 0-3, 4-16 and 17-19 in colours of the frame's own.
std::unique_ptr<LMBitmap> ThreeBandStrip(bool distinctMiddle)
{
    return MakeStrip(3, 20, 8, [distinctMiddle](int k, int x, int) {
        if (x < 4)
            return FrameColor(k, 60);
        if (x > 16)
            return FrameColor(k, 180);
        return FrameColor(k, distinctMiddle ? 100 + 10 * (x - 4) : 120);
    });
}

} // namespace

TEST(LMBitmapResize, ColourKeyBlendsIntoTransparency)
{
    const uint32_t blue = Bgra(200, 0, 0, 0);
    auto bitmap = MakeBitmap(4, 1, LMBitmapColorKeyed, { blue, kLMColorKey, blue, blue });
    ASSERT_EQ(1, bitmap->Resize(3, 0, 0));
    ASSERT_EQ(3, bitmap->Width);
    ASSERT_EQ(1, bitmap->Height);
    EXPECT_EQ(Bgra(150, 0, 0, 191), *bitmap->PixelAt(0, 0));
    EXPECT_EQ(Bgra(100, 0, 0, 127), *bitmap->PixelAt(1, 0));
    EXPECT_EQ(Bgra(200, 0, 0, 255), *bitmap->PixelAt(2, 0));
    EXPECT_EQ(1, bitmap->HasAlpha);
    EXPECT_EQ(1, bitmap->Premultiplied);
    EXPECT_EQ(0, bitmap->ColorKeyed);
}

TEST(LMBitmapResize, ZeroSizeOnlyConvertsTheColourKey)
{
    auto keyed = MakeBitmap(2, 1, LMBitmapColorKeyed, { kLMColorKey, Bgra(1, 2, 3, 0) });
    ASSERT_EQ(1, keyed->Resize(0, 0, 0));
    EXPECT_EQ(2, keyed->Width);
    EXPECT_EQ(1, keyed->Height);
    EXPECT_EQ(0u, *keyed->PixelAt(0, 0));
    EXPECT_EQ(Bgra(1, 2, 3, 255), *keyed->PixelAt(1, 0));
    EXPECT_EQ(1, keyed->HasAlpha);
    EXPECT_EQ(0, keyed->ColorKeyed);

    auto alpha = MakeBitmap(2, 1, LMBitmapHasAlpha, { kLMColorKey, Bgra(1, 2, 3, 4) });
    Snapshot before(*alpha);
    ASSERT_EQ(1, alpha->Resize(0, 0, 0));
    EXPECT_TRUE(before == Snapshot(*alpha));
}

TEST(LMBitmapResize, ToTheCurrentSizeKeepsTheDib)
{
    auto bitmap = MakeBitmap(3, 2, LMBitmapHasAlpha, { 1, 2, 3, 4, 5, 6 });
    Snapshot before(*bitmap);
    ASSERT_EQ(1, bitmap->Resize(3, 2, 0));
    EXPECT_TRUE(before == Snapshot(*bitmap));
}

TEST(LMBitmapResize, DiscardGivesABlankBitmapOfTheNewSize)
{
    auto bitmap = MakeBitmap(2, 2, LMBitmapColorKeyed, { Gray(9), Gray(9), Gray(9), Gray(9) });
    ASSERT_EQ(1, bitmap->Resize(3, 0, 1));
    EXPECT_EQ(3, bitmap->Width);
    EXPECT_EQ(2, bitmap->Height);
    for (int y = 0; y < 2; ++y)
        EXPECT_EQ(std::vector<uint32_t>(3, 0u), ImageRow(*bitmap, y)) << "row " << y;
    // Discarded pixels need no colour-key conversion.
    EXPECT_EQ(1, bitmap->ColorKeyed);
    EXPECT_EQ(0, bitmap->HasAlpha);
}

TEST(LMBitmapResize, ShrinksInMemoryRowOrder)
{
    LMBitmap bitmap(4, 2, LMBitmapHasAlpha);
    auto* bits = static_cast<uint32_t*>(bitmap.Dib.bmBits);
    const uint32_t memoryRows[8] = { 10, 20, 30, 40, 50, 60, 70, 80 };
    for (int i = 0; i < 8; ++i)
        bits[i] = Gray(memoryRows[i]);
    ASSERT_EQ(1, bitmap.Resize(3, 1, 0));
    EXPECT_EQ((std::vector<uint32_t> { Gray(32), Gray(45), Gray(57) }), ImageRow(bitmap, 0));
}

TEST(LMBitmapResize, FullWhiteDoesNotOverflow)
{
    auto bitmap = MakeBitmap(4, 4, LMBitmapHasAlpha);
    for (int y = 0; y < 4; ++y)
        std::fill(bitmap->Row(y), bitmap->Row(y) + 4, 0xFFFFFFFFu);
    ASSERT_EQ(1, bitmap->Resize(3, 3, 0));
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(std::vector<uint32_t>(3, 0xFFFFFFFFu), ImageRow(*bitmap, y)) << "row " << y;
}

TEST(LMBitmapResize, EnlargesLinearlyAcross)
{
    auto bitmap = MakeBitmap(3, 1, LMBitmapHasAlpha, { Gray(0), Gray(100), Gray(200) });
    ASSERT_EQ(1, bitmap->Resize(4, 0, 0));
    EXPECT_EQ(
        (std::vector<uint32_t> { Gray(0), Gray(75), Gray(150), Gray(200) }), ImageRow(*bitmap, 0));
}

TEST(LMBitmapResize, EnlargesLinearlyDownFromTheTopRow)
{
    auto bitmap = MakeBitmap(1, 2, LMBitmapHasAlpha, { Gray(10), Gray(250) });
    ASSERT_EQ(1, bitmap->Resize(0, 4, 0));
    ASSERT_EQ(4, bitmap->Height);
    const uint32_t expected[4] = { 10, 130, 250, 250 };
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(Gray(expected[y]), *bitmap->PixelAt(0, y)) << "row " << y;
}

TEST(LMBitmapResize, ShrinksOneWayAndEnlargesTheOther)
{
    auto bitmap = MakeBitmap(4, 1, LMBitmapHasAlpha, { Gray(40), Gray(40), Gray(200), Gray(200) });
    ASSERT_EQ(1, bitmap->Resize(2, 3, 0));
    ASSERT_EQ(2, bitmap->Width);
    ASSERT_EQ(3, bitmap->Height);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ((std::vector<uint32_t> { Gray(40), Gray(200) }), ImageRow(*bitmap, y))
            << "row " << y;
}

TEST(LMBitmapResize, WideShrinkKeepsTheLevelToTheLastColumn)
{
    for (uint32_t level : { 100u, 255u }) {
        SCOPED_TRACE(level);
        auto bitmap = MakeBitmap(5000, 1, LMBitmapHasAlpha);
        std::fill(bitmap->Row(0), bitmap->Row(0) + 5000, Gray(level));
        ASSERT_EQ(1, bitmap->Resize(3001, 0, 0));
        ASSERT_EQ(3001, bitmap->Width);
        for (int x = 0; x < 3001; ++x) {
            uint32_t blue = ChannelOf(*bitmap->PixelAt(x, 0), 0);
            ASSERT_TRUE(blue == level || blue == level - 1) << "column " << x << " is " << blue;
        }
    }
}

TEST(LMBitmapResize, NewPixelsReachTheBitmapsDc)
{
    for (int flags : { LMBitmapHasAlpha, LMBitmapHasAlpha | LMBitmapSharedDC }) {
        SCOPED_TRACE(flags);
        auto bitmap = MakeBitmap(1, 1, flags, { Bgra(10, 20, 30, 255) });
        bitmap->GetDC();
        ASSERT_EQ(1, bitmap->Resize(3, 2, 0));
        DibCanvas canvas(3, 2);
        ASSERT_TRUE(BitBlt(canvas.Dc(), 0, 0, 3, 2, bitmap->GetDC(), 0, 0, SRCCOPY));
        EXPECT_EQ(Bgra(10, 20, 30, 255), canvas.Pixel(2, 1));
    }
}

TEST(LMBitmapResize, RefusedSizesChangeNothing)
{
    struct Case {
        int width, height, discard;
    } cases[] = {
        { -1, 0, 0 },
        { 0, -1, 0 },
        { -5, -5, 1 },
        { INT_MIN, 2, 0 },
        { 70000, 70000, 0 },
        { 70000, 70000, 1 },
        { INT_MAX, INT_MAX, 0 },
        { INT_MAX, 1, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        auto bitmap = MakeBitmap(2, 1, LMBitmapColorKeyed, { kLMColorKey, Gray(3) });
        Snapshot before(*bitmap);
        EXPECT_EQ(0, bitmap->Resize(c.width, c.height, c.discard));
        EXPECT_TRUE(before == Snapshot(*bitmap));
    }
}

TEST(LMBitmapResize, BitmapWithoutAHandleIsRefused)
{
    LMBitmap empty(0, 0, 0);
    ASSERT_FALSE(empty.Handle);
    EXPECT_EQ(0, empty.Resize(4, 4, 0));
    EXPECT_EQ(0, empty.Resize(4, 4, 1));
    EXPECT_EQ(0, empty.ResizeFrames(4, 4, 1, 1, 1, 1, 1, 1));
    EXPECT_FALSE(empty.Handle);
    EXPECT_EQ(0, empty.Width);
}

TEST(LMBitmapResizeFrames, SmoothStripKeepsBordersAndNeverMixesFrames)
{
    auto strip = ThreeBandStrip(false);
    auto old = std::make_unique<LMBitmap>(*strip);
    ASSERT_EQ(1, strip->ResizeFrames(30, 0, 4, 3, 0, 0, 1, 0));
    ASSERT_EQ(90, strip->Width);
    ASSERT_EQ(8, strip->Height);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE("frame " + std::to_string(k));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(*old->PixelAt(20 * k + x, y), *strip->PixelAt(30 * k + x, y));
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(*old->PixelAt(20 * k + 17 + x, y), *strip->PixelAt(30 * k + 27 + x, y));
            for (int x = 4; x <= 26; ++x) {
                uint32_t pixel = *strip->PixelAt(30 * k + x, y);
                EXPECT_NEAR(120, static_cast<int>(ChannelOf(pixel, k)), 1) << "column " << x;
                EXPECT_NEAR(255, static_cast<int>(ChannelOf(pixel, 3)), 1) << "column " << x;
            }
        }
    }
    EXPECT_TRUE(OnlyOwnFrameChannel(*strip, 3, 30));
}

TEST(LMBitmapResizeFrames, TilesTheMiddleCutOffByTheRightBorder)
{
    auto strip = ThreeBandStrip(true);
    auto old = std::make_unique<LMBitmap>(*strip);
    ASSERT_EQ(1, strip->ResizeFrames(30, 0, 4, 3, 0, 0, 0, 0));
    ASSERT_EQ(90, strip->Width);
    for (int k = 0; k < 3; ++k) {
        for (int j = 0; j < 23; ++j) {
            EXPECT_EQ(*old->PixelAt(20 * k + 4 + j % 13, 5), *strip->PixelAt(30 * k + 4 + j, 5))
                << "frame " << k << " middle column " << j;
        }
        EXPECT_EQ(*old->PixelAt(20 * k + 19, 0), *strip->PixelAt(30 * k + 29, 0));
    }
}

TEST(LMBitmapResizeFrames, VerticalBandsKeepTopAndBottomRows)
{
    // Border rows carry red; the middle rows carry green by row and blue by column.
    auto pixel = [](int k, int x, int y) {
        uint32_t column = static_cast<uint32_t>(k * 8 + x);
        if (y < 3 || y > 9)
            return Bgra(0, static_cast<uint8_t>(column), static_cast<uint8_t>(200 + y), 255);
        return Bgra(static_cast<uint8_t>(column), static_cast<uint8_t>(100 + 10 * (y - 3)), 0, 255);
    };
    for (int smooth : { 1, 0 }) {
        SCOPED_TRACE(smooth ? "smooth" : "tiled");
        auto strip = MakeStrip(2, 8, 12, pixel);
        auto old = std::make_unique<LMBitmap>(*strip);
        ASSERT_EQ(1, strip->ResizeFrames(0, 20, 0, 0, 3, 2, 0, smooth));
        ASSERT_EQ(16, strip->Width);
        ASSERT_EQ(20, strip->Height);
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(ImageRow(*old, y), ImageRow(*strip, y)) << "row " << y;
        EXPECT_EQ(ImageRow(*old, 10), ImageRow(*strip, 18));
        EXPECT_EQ(ImageRow(*old, 11), ImageRow(*strip, 19));
        for (int y = 3; y <= 17; ++y) {
            if (!smooth) {
                EXPECT_EQ(ImageRow(*old, 3 + (y - 3) % 7), ImageRow(*strip, y)) << "row " << y;
                continue;
            }
            for (int x = 0; x < 16; ++x) {
                uint32_t p = *strip->PixelAt(x, y);
                EXPECT_EQ(0u, ChannelOf(p, 2)) << "row " << y << " column " << x;
                EXPECT_NEAR(x, static_cast<int>(ChannelOf(p, 0)), 1) << "row " << y;
                EXPECT_GE(ChannelOf(p, 1), 99u) << "row " << y;
                EXPECT_LE(ChannelOf(p, 1), 160u) << "row " << y;
            }
        }
    }
}

TEST(LMBitmapResizeFrames, OneFrameWithoutSideBordersGoesThroughResize)
{
    auto bitmap = MakeBitmap(2, 1, LMBitmapHasAlpha, { Gray(40), Gray(160) });
    ASSERT_EQ(1, bitmap->ResizeFrames(4, 0, 0, 0, 0, 0, 1, 0));
    EXPECT_EQ((std::vector<uint32_t> { Gray(40), Gray(100), Gray(160), Gray(160) }),
        ImageRow(*bitmap, 0));
}

TEST(LMBitmapResizeFrames, OneFrameWithoutTopAndBottomGoesThroughResize)
{
    auto bitmap = MakeBitmap(1, 2, LMBitmapHasAlpha, { Gray(10), Gray(250) });
    ASSERT_EQ(1, bitmap->ResizeFrames(0, 4, 0, 0, 0, 0, 0, 1));
    const uint32_t expected[4] = { 10, 130, 250, 250 };
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(Gray(expected[y]), *bitmap->PixelAt(0, y)) << "row " << y;
}

TEST(LMBitmapResizeFrames, UnchangedSizesReturnOneAndKeepTheDib)
{
    auto strip = ThreeBandStrip(false);
    Snapshot before(*strip);
    EXPECT_EQ(1, strip->ResizeFrames(0, 0, 4, 3, 0, 0, 1, 1));
    EXPECT_EQ(1, strip->ResizeFrames(20, 8, 4, 3, 1, 1, 0, 0));
    EXPECT_TRUE(before == Snapshot(*strip));
}

TEST(LMBitmapResizeFrames, FrameCountBelowOneCountsAsOne)
{
    for (int frames : { 0, -3 }) {
        SCOPED_TRACE(frames);
        auto strip = MakeBitmap(4, 1, LMBitmapHasAlpha, { Gray(10), Gray(20), Gray(30), Gray(40) });
        strip->FrameCount = frames;
        ASSERT_EQ(1, strip->ResizeFrames(6, 0, 1, 1, 0, 0, 0, 0));
        EXPECT_EQ(
            (std::vector<uint32_t> { Gray(10), Gray(20), Gray(30), Gray(20), Gray(30), Gray(40) }),
            ImageRow(*strip, 0));
    }
}

TEST(LMBitmapResizeFrames, BordersWiderThanTheFrameStayInTheirFrame)
{
    struct Case {
        int frameWidth, left, right, smooth;
    } cases[] = {
        { 6, 5, 5, 1 },
        { 6, 9, 0, 0 },
        { 3, 0, 9, 1 },
        { 2, 3, 3, 0 },
        { 8, 2, 7, 1 },
        { 8, 7, 2, 0 },
        { 1, 4, 4, 1 },
        { 9, 4, 4, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("frame " + std::to_string(c.frameWidth) + " left " + std::to_string(c.left)
            + " right " + std::to_string(c.right));
        auto strip
            = MakeStrip(2, 4, 2, [](int k, int x, int) { return FrameColor(k, 50 + 40 * x); });
        ASSERT_EQ(1, strip->ResizeFrames(c.frameWidth, 0, c.left, c.right, 0, 0, c.smooth, 0));
        ASSERT_EQ(2 * c.frameWidth, strip->Width);
        EXPECT_TRUE(OnlyOwnFrameChannel(*strip, 2, c.frameWidth));
        for (int k = 0; k < 2; ++k) {
            // The right border is drawn last; it may cover the whole new frame.
            bool rightCoversAll = std::min(c.right, 4) >= c.frameWidth;
            uint32_t first = *strip->PixelAt(k * c.frameWidth, 1);
            uint32_t last = *strip->PixelAt(k * c.frameWidth + c.frameWidth - 1, 1);
            if (c.right > 0) {
                EXPECT_EQ(FrameColor(k, 170), last) << "frame " << k;
            }
            if (c.left > 0 && !rightCoversAll) {
                EXPECT_EQ(FrameColor(k, 50), first) << "frame " << k;
            }
        }
    }
}

TEST(LMBitmapResizeFrames, TopAndBottomTallerThanTheFrameAreClipped)
{
    // The bottom band is drawn last and wins where the two overlap.
    struct Case {
        int height;
        std::vector<int> oldRows;
    } cases[] = {
        { 3, { 5, 6, 7 } },
        { 12, { 0, 1, 2, 3, 0, 1, 2, 3, 4, 5, 6, 7 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        auto strip = MakeStrip(2, 3, 8, [](int k, int x, int y) {
            return FrameColor(k, static_cast<uint32_t>(10 + 20 * y + x));
        });
        auto old = std::make_unique<LMBitmap>(*strip);
        ASSERT_EQ(1, strip->ResizeFrames(0, c.height, 0, 0, 10, 10, 1, 1));
        ASSERT_EQ(c.height, strip->Height);
        for (int y = 0; y < c.height; ++y)
            EXPECT_EQ(ImageRow(*old, c.oldRows[y]), ImageRow(*strip, y)) << "row " << y;
    }
}

TEST(LMBitmapResizeFrames, LastTileStopsAtTheFrameEnd)
{
    auto strip = MakeStrip(2, 5, 1, [](int k, int x, int) { return FrameColor(k, 10 + 20 * x); });
    ASSERT_EQ(1, strip->ResizeFrames(8, 0, 1, 0, 0, 0, 0, 0));
    ASSERT_EQ(16, strip->Width);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(FrameColor(k, 10), *strip->PixelAt(8 * k, 0));
        for (int j = 0; j < 7; ++j)
            EXPECT_EQ(FrameColor(k, 10 + 20 * (1 + j % 4)), *strip->PixelAt(8 * k + 1 + j, 0))
                << "frame " << k << " middle column " << j;
    }
}

TEST(LMBitmapResizeFrames, LeftOverColumnsOfAnUnevenStripAreDropped)
{
    // Ten columns, three frames of three; column 9 belongs to no frame.
    auto strip = MakeBitmap(10, 1, LMBitmapHasAlpha);
    for (int x = 0; x < 9; ++x)
        *strip->PixelAt(x, 0) = FrameColor(x / 3, 10 + 20 * (x % 3));
    *strip->PixelAt(9, 0) = 0xFFFFFFFFu;
    strip->FrameCount = 3;
    ASSERT_EQ(1, strip->ResizeFrames(4, 0, 1, 1, 0, 0, 0, 0));
    ASSERT_EQ(12, strip->Width);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ((std::vector<uint32_t> {
                      FrameColor(k, 10), FrameColor(k, 30), FrameColor(k, 30), FrameColor(k, 50) }),
            std::vector<uint32_t>(strip->Row(0) + 4 * k, strip->Row(0) + 4 * k + 4))
            << "frame " << k;
    }
}

TEST(LMBitmapResizeFrames, NegativeBordersCountAsNone)
{
    auto strip = MakeStrip(2, 4, 2, [](int k, int x, int) { return FrameColor(k, 50 + 40 * x); });
    auto same = std::make_unique<LMBitmap>(*strip);
    ASSERT_EQ(1, strip->ResizeFrames(7, 5, -3, -1, -2, -9, 1, 1));
    ASSERT_EQ(1, same->ResizeFrames(7, 5, 0, 0, 0, 0, 1, 1));
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(ImageRow(*same, y), ImageRow(*strip, y)) << "row " << y;
}

TEST(LMBitmapResizeFrames, RefusedRequestsChangeNothing)
{
    struct Case {
        const char* name;
        int frames, frameWidth, height;
    } cases[] = {
        { "negative frame width", 3, -30, 0 },
        { "negative height", 3, 30, -1 },
        { "more frames than columns", 61, 2, 0 },
        { "strip above the size cap", 3, 30000, 30000 },
        { "frame width overflowing", 3, INT_MAX, 0 },
        { "height overflowing the cap", 3, 0, INT_MAX },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto strip = ThreeBandStrip(false);
        strip->FrameCount = c.frames;
        Snapshot before(*strip);
        EXPECT_EQ(0, strip->ResizeFrames(c.frameWidth, c.height, 4, 3, 1, 1, 1, 1));
        EXPECT_TRUE(before == Snapshot(*strip));
    }
}
