#include "BitmapFixtures.h"
#include "LMBitmap.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Reports its own deletion.
class WatchedBitmap : public LMBitmap {
public:
    WatchedBitmap(bool* deleted) : LMBitmap(2, 2, 0), deleted_(deleted) {}
    ~WatchedBitmap() override { *deleted_ = true; }

private:
    bool* deleted_;
};

uint32_t MemoryPixel(const LMBitmap& bitmap, int memoryRow, int x)
{
    auto* bits = static_cast<const uint8_t*>(bitmap.Dib.bmBits);
    uint32_t pixel;
    std::memcpy(&pixel, bits + memoryRow * bitmap.Dib.bmWidthBytes + x * 4, 4);
    return pixel;
}

}  // namespace

TEST(LMBitmapConstruction, BlankBitmapIsA32BitZeroedDibWithItsFlags)
{
    LMBitmap bitmap(5, 3, LMBitmapHasAlpha | LMBitmapColorKeyed);
    ASSERT_TRUE(bitmap.Handle);
    EXPECT_EQ(5, bitmap.Width);
    EXPECT_EQ(3, bitmap.Height);
    EXPECT_EQ(32, bitmap.Dib.bmBitsPixel);
    EXPECT_EQ(20, bitmap.Dib.bmWidthBytes);
    EXPECT_EQ(1, bitmap.FrameCount);
    EXPECT_EQ(0, bitmap.RefCount);
    EXPECT_EQ(1, bitmap.HasAlpha);
    EXPECT_EQ(1, bitmap.ColorKeyed);
    EXPECT_EQ(0, bitmap.Premultiplied);
    EXPECT_EQ(0, bitmap.SharedDC);
    EXPECT_NE(nullptr, bitmap.GetDC());
    EXPECT_EQ(0u, *bitmap.PixelAt(4, 2));
}

TEST(LMBitmapConstruction, CopyHasTheSamePixelsAndFlagsButNoReferences)
{
    auto source = MakeBitmap(2, 2, LMBitmapHasAlpha | LMBitmapSharedDC,
                             {0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00});
    source->FrameCount = 2;
    source->AddRef();
    LMBitmap copy(*source);
    EXPECT_EQ(0, copy.RefCount);
    EXPECT_EQ(2, copy.FrameCount);
    EXPECT_EQ(1, copy.HasAlpha);
    EXPECT_EQ(1, copy.SharedDC);
    EXPECT_NE(source->Handle.Get(), copy.Handle.Get());
    EXPECT_EQ(0x11223344u, *copy.PixelAt(0, 0));
    EXPECT_EQ(0xDDEEFF00u, *copy.PixelAt(1, 1));
}

TEST(LMBitmapConstruction, A24BitHandleBecomesA32BitDibKeyedOnFirstDraw)
{
    HBITMAP handle = LMBitmap::CreateDibSection(2, 1, 24);
    ASSERT_NE(nullptr, handle);
    DIBSECTION section{};
    GetObjectW(handle, sizeof(section), &section);
    auto* bits = static_cast<uint8_t*>(section.dsBm.bmBits);
    const uint8_t pixels[6] = {0xFF, 0x00, 0xFF, 0x10, 0x20, 0x30};  // magenta, then a colour
    std::memcpy(bits, pixels, sizeof(pixels));

    LMBitmap bitmap(handle, 0);
    EXPECT_EQ(32, bitmap.Dib.bmBitsPixel);
    EXPECT_EQ(2, bitmap.Width);
    EXPECT_EQ(1, bitmap.Height);
    EXPECT_EQ(1, bitmap.Premultiply());
    EXPECT_EQ(0u, *bitmap.PixelAt(0, 0));
    EXPECT_EQ(0xFF302010u, *bitmap.PixelAt(1, 0));
}

TEST(LMBitmapConstruction, AScreenBitmapWithoutPixelMemoryIsConverted)
{
    HDC screen = GetDC(nullptr);
    HBITMAP device = CreateCompatibleBitmap(screen, 4, 3);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(nullptr, device);
    LMBitmap bitmap(device, 0);
    ASSERT_TRUE(bitmap.HasPixels());
    EXPECT_EQ(4, bitmap.Width);
    EXPECT_EQ(3, bitmap.Height);
    EXPECT_EQ(1, bitmap.Clear());
    EXPECT_EQ(1, bitmap.HitTestPixel(3, 2));
}

TEST(LMBitmapConstruction, ConvertTo32BppLeavesA32BitDibAlone)
{
    HBITMAP dib = LMBitmap::CreateDib32(3, 3);
    HBITMAP before = dib;
    EXPECT_EQ(0, LMBitmap::ConvertTo32Bpp(&dib));
    EXPECT_EQ(before, dib);
    DeleteObject(dib);
}

TEST(LMBitmapBadInput, ZeroNegativeAndHugeSizesGiveNoDib)
{
    const int sizes[][2] = {{0, 5}, {5, 0}, {-3, 4}, {4, -3}, {65536, 65536}, {0x7FFFFFFF, 2}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1]);
        EXPECT_EQ(nullptr, LMBitmap::CreateDib32(size[0], size[1]));
        LMBitmap bitmap(size[0], size[1], LMBitmapHasAlpha);
        EXPECT_FALSE(bitmap.Handle);
        EXPECT_EQ(0, bitmap.Width);
        EXPECT_EQ(0, bitmap.Height);
    }
}

TEST(LMBitmapBadInput, AHandleLessBitmapRefusesEveryOperation)
{
    for (int flags : {0, LMBitmapHasAlpha, LMBitmapSharedDC | LMBitmapHasAlpha}) {
        SCOPED_TRACE(flags);
        LMBitmap empty(0, 0, flags);
        LMBitmap other(2, 2, LMBitmapHasAlpha);
        HDC target = other.GetDC();
        EXPECT_EQ(0, empty.Clear());
        EXPECT_EQ(0, empty.ClearRect(0, 0, 1, 1));
        EXPECT_EQ(0, empty.ColorKeyToAlpha());
        EXPECT_EQ(0, empty.Premultiply());
        EXPECT_EQ(0, empty.HitTestPixel(0, 0));
        EXPECT_EQ(nullptr, empty.CreateRegion(0, 0, 1, 1));
        EXPECT_EQ(0, empty.Draw(target, 0, 0, 1, 1, 0, 0, 255, 0));
        EXPECT_EQ(0, empty.Draw(target, 0, 0, 1, 1, 0, 0, -1, 0));
        EXPECT_EQ(0, empty.TrimToFrames(1));
        EXPECT_EQ(1, other.MultiplyAlpha(empty, 0)) << "a mask that is no 32-bit DIB is ignored";
        EXPECT_EQ(0, empty.MultiplyAlpha(other, 0));
        LMBitmap copy(empty);
        EXPECT_FALSE(copy.Handle);
        if (flags & LMBitmapSharedDC) {
            EXPECT_EQ(nullptr, empty.GetDC());
        }
    }
}

TEST(LMBitmapBadInput, AnInvalidHandleMakesAnEmptyBitmap)
{
    LMBitmap bitmap(reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(0x1234)), 0);
    EXPECT_FALSE(bitmap.HasPixels());
    EXPECT_EQ(0, bitmap.Clear());
    EXPECT_EQ(0, bitmap.HitTestPixel(0, 0));
    bitmap.Handle.Release();  // not ours to delete
}

TEST(LMBitmapReferences, ReleaseDeletesAtZeroUnlessKept)
{
    bool deleted = false;
    auto* bitmap = new WatchedBitmap(&deleted);
    bitmap->AddRef();
    bitmap->AddRef();
    EXPECT_EQ(1, bitmap->Release());
    EXPECT_FALSE(deleted) << "a bitmap shared by two holders survives the first release";
    EXPECT_EQ(0, bitmap->Release());
    EXPECT_TRUE(deleted);

    bool keptDeleted = false;
    auto* kept = new WatchedBitmap(&keptDeleted);
    kept->Keep = 1;
    kept->AddRef();
    EXPECT_EQ(0, kept->Release());
    EXPECT_FALSE(keptDeleted);
    delete kept;
    EXPECT_TRUE(keptDeleted);
}

TEST(LMBitmapPixels, PremultiplyScalesColoursByAlphaOnce)
{
    auto bitmap = MakeBitmap(3, 1, LMBitmapHasAlpha,
                             {Bgra(100, 150, 200, 128), Bgra(255, 0, 255, 255), Bgra(1, 2, 3, 0)});
    EXPECT_EQ(1, bitmap->Premultiply());
    EXPECT_EQ(Bgra(50, 75, 100, 128), *bitmap->PixelAt(0, 0));
    EXPECT_EQ(0u, *bitmap->PixelAt(1, 0)) << "an opaque magenta pixel becomes transparent";
    EXPECT_EQ(0u, *bitmap->PixelAt(2, 0));
    EXPECT_EQ(1, bitmap->Premultiplied);
    EXPECT_EQ(0, bitmap->Premultiply());
    EXPECT_EQ(Bgra(50, 75, 100, 128), *bitmap->PixelAt(0, 0));
}

TEST(LMBitmapPixels, PremultiplyWithoutAlphaColourKeys)
{
    auto bitmap = MakeBitmap(2, 1, 0, {0x00123456, 0x00FF00FF});
    EXPECT_EQ(1, bitmap->Premultiply());
    EXPECT_EQ(0xFF123456u, *bitmap->PixelAt(0, 0));
    EXPECT_EQ(0u, *bitmap->PixelAt(1, 0));
    EXPECT_EQ(1, bitmap->HasAlpha);
    EXPECT_EQ(1, bitmap->Premultiplied);
}

TEST(LMBitmapPixels, NoBlendBitmapsAreNotPremultiplied)
{
    auto bitmap = MakeBitmap(1, 1, LMBitmapHasAlpha, {Bgra(100, 100, 100, 10)});
    bitmap->NoBlend = 1;
    EXPECT_EQ(0, bitmap->Premultiply());
    EXPECT_EQ(Bgra(100, 100, 100, 10), *bitmap->PixelAt(0, 0));
}

TEST(LMBitmapPixels, HitTestFollowsTheBlendingKind)
{
    auto alpha = MakeBitmap(3, 1, LMBitmapHasAlpha, {Bgra(0, 0, 0, 15), Bgra(0, 0, 0, 16),
                                                     Bgra(0, 0, 0, 10)});
    EXPECT_EQ(0, alpha->HitTestPixel(0, 0));
    EXPECT_EQ(1, alpha->HitTestPixel(1, 0));
    EXPECT_EQ(0, alpha->HitTestPixel(2, 0));
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 1}})
        EXPECT_EQ(0, alpha->HitTestPixel(x, y)) << x << "," << y;

    auto premultiplied = MakeBitmap(2, 1, LMBitmapPremultiplied, {Bgra(0, 0, 0, 1), 0});
    EXPECT_EQ(1, premultiplied->HitTestPixel(0, 0));
    EXPECT_EQ(0, premultiplied->HitTestPixel(1, 0));

    auto keyed = MakeBitmap(2, 1, 0, {0x00FF00FF, 0x00000000});
    EXPECT_EQ(0, keyed->HitTestPixel(0, 0));
    EXPECT_EQ(1, keyed->HitTestPixel(1, 0));
}

TEST(LMBitmapPixels, RowsAreBottomUpInMemory)
{
    LMBitmap bitmap(2, 2, LMBitmapHasAlpha);
    auto* bits = static_cast<uint32_t*>(bitmap.Dib.bmBits);
    bits[0] = Bgra(0, 0, 0, 255);  // first memory row: the bottom line
    bits[1] = Bgra(0, 0, 0, 255);
    EXPECT_EQ(0, bitmap.HitTestPixel(0, 0));
    EXPECT_EQ(0, bitmap.HitTestPixel(1, 0));
    EXPECT_EQ(1, bitmap.HitTestPixel(0, 1));
    EXPECT_EQ(1, bitmap.HitTestPixel(1, 1));
}

TEST(LMBitmapPixels, ClearUsesTheColourKeyOnlyForKeyedBitmapsWithoutAlpha)
{
    auto keyed = MakeBitmap(2, 1, LMBitmapColorKeyed, {1, 2});
    EXPECT_EQ(1, keyed->Clear());
    EXPECT_EQ(kLMColorKey, *keyed->PixelAt(1, 0));
    auto alpha = MakeBitmap(2, 1, LMBitmapColorKeyed | LMBitmapHasAlpha, {1, 2});
    EXPECT_EQ(1, alpha->Clear());
    EXPECT_EQ(0u, *alpha->PixelAt(1, 0));
}

TEST(LMBitmapPixels, ClearRectTouchesExactlyTheClippedRectangle)
{
    LMBitmap bitmap(4, 3, LMBitmapHasAlpha);
    auto fill = [&] {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                *bitmap.PixelAt(x, y) = 0xFFFFFFFF;
    };
    fill();
    EXPECT_EQ(1, bitmap.ClearRect(1, 0, 2, 1));  // image row 0 = memory row 2
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ((x == 1 || x == 2) ? 0u : 0xFFFFFFFFu, MemoryPixel(bitmap, 2, x)) << x;
        EXPECT_EQ(0xFFFFFFFFu, MemoryPixel(bitmap, 1, x)) << x;
        EXPECT_EQ(0xFFFFFFFFu, MemoryPixel(bitmap, 0, x)) << x;
    }
    fill();
    EXPECT_EQ(1, bitmap.ClearRect(-5, 2, 100, 100));
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(0u, MemoryPixel(bitmap, 0, x));
        EXPECT_EQ(0xFFFFFFFFu, MemoryPixel(bitmap, 1, x));
    }
    fill();
    EXPECT_EQ(1, bitmap.ClearRect(10, 10, 5, 5));
    EXPECT_EQ(1, bitmap.ClearRect(0, 0, -2, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(0xFFFFFFFFu, *bitmap.PixelAt(x, y));
}

TEST(LMBitmapPixels, MultiplyAlphaMasksByTheSourceColumnsAtTheOffset)
{
    auto target = MakeBitmap(2, 1, LMBitmapHasAlpha | LMBitmapPremultiplied,
                             {Bgra(200, 100, 50, 255), Bgra(200, 100, 50, 200)});
    auto mask = MakeBitmap(3, 1, LMBitmapHasAlpha, {Bgra(0, 0, 0, 0), Bgra(0, 0, 0, 128),
                                                    Bgra(0, 0, 0, 255)});
    EXPECT_EQ(1, target->MultiplyAlpha(*mask, 1));
    // alpha' = 128 * 255 / 255 = 128; channels * 128 / 255.
    EXPECT_EQ(Bgra(100, 50, 25, 128), *target->PixelAt(0, 0));
    // alpha' = 255 * 200 / 255 = 200.
    EXPECT_EQ(Bgra(156, 78, 39, 200), *target->PixelAt(1, 0));
}

TEST(LMBitmapPixels, MultiplyAlphaLeavesPixelsTheMaskDoesNotCover)
{
    auto target = MakeBitmap(3, 2, LMBitmapHasAlpha, {Bgra(9, 9, 9, 9), Bgra(9, 9, 9, 9),
                                                      Bgra(9, 9, 9, 9), Bgra(9, 9, 9, 9),
                                                      Bgra(9, 9, 9, 9), Bgra(9, 9, 9, 9)});
    auto mask = MakeBitmap(2, 1, LMBitmapHasAlpha, {0, 0});
    EXPECT_EQ(1, target->MultiplyAlpha(*mask, 1));
    EXPECT_EQ(0u, *target->PixelAt(0, 0));
    EXPECT_EQ(Bgra(9, 9, 9, 9), *target->PixelAt(1, 0));
    EXPECT_EQ(Bgra(9, 9, 9, 9), *target->PixelAt(0, 1));
    EXPECT_EQ(1, target->MultiplyAlpha(*mask, -5));
    EXPECT_EQ(1, target->MultiplyAlpha(*mask, 1 << 30));
}

TEST(LMBitmapFrames, TrimToFramesKeepsWholeFramesFromTheLeft)
{
    LMBitmap bitmap(100, 2, LMBitmapHasAlpha);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 100; ++x)
            *bitmap.PixelAt(x, y) = static_cast<uint32_t>(y * 1000 + x);
    HDC dc = bitmap.GetDC();
    EXPECT_EQ(1, bitmap.TrimToFrames(3));
    EXPECT_EQ(99, bitmap.Width);
    EXPECT_EQ(2, bitmap.Height);
    EXPECT_EQ(99, bitmap.Dib.bmWidth);
    EXPECT_EQ(dc, bitmap.GetDC());
    EXPECT_EQ(bitmap.Handle.Get(), GetCurrentObject(dc, OBJ_BITMAP));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 99; ++x)
            ASSERT_EQ(static_cast<uint32_t>(y * 1000 + x), *bitmap.PixelAt(x, y)) << x << "," << y;
}

TEST(LMBitmapFrames, TrimToFramesRefusesWholeStripsAndBadCounts)
{
    LMBitmap bitmap(99, 1, LMBitmapHasAlpha);
    HBITMAP before = bitmap.Handle.Get();
    for (int frames : {3, 0, -1, 100, 1}) {
        SCOPED_TRACE(frames);
        EXPECT_EQ(0, bitmap.TrimToFrames(frames));
        EXPECT_EQ(99, bitmap.Width);
        EXPECT_EQ(before, bitmap.Handle.Get());
    }
}
