#include "LMAlphaMask.h"
#include "BitmapFixtures.h"
#include "DibCanvas.h"
#include "ImageFixtures.h"
#include "LMBitmap.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Colour rows carry their coordinates; mask rows a blue that names their row.
std::unique_ptr<LMBitmap> TenByTwentyOne(int flags)
{
    auto bitmap = MakeBitmap(10, 21, flags);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 10; ++x)
            *bitmap->PixelAt(x, y) = y < 10 ? Bgra(x, y, 0x40, 0) : Bgra(y * 10 + x, 0, 0, 0);
    }
    return bitmap;
}

}  // namespace

TEST(LMAlphaMask, TheLowerHalfBecomesTheAlphaOfTheUpperHalf)
{
    auto bitmap = TenByTwentyOne(LMBitmapPremultiplied);
    ASSERT_EQ(1, bitmap->ApplyAlphaMask());
    EXPECT_EQ(10, bitmap->Width);
    EXPECT_EQ(10, bitmap->Height);
    EXPECT_EQ(1, bitmap->HasAlpha);
    EXPECT_EQ(1, bitmap->Premultiplied);
    // Odd height: row 10 belongs to neither half, the mask is rows 11-20.
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            SCOPED_TRACE(testing::Message() << "(" << x << "," << y << ")");
            EXPECT_EQ(Bgra(x, y, 0x40, (y + 11) * 10 + x), *bitmap->PixelAt(x, y));
        }
    }
}

TEST(LMAlphaMask, AColourKeyedBitmapIsPremultipliedAndLosesItsKey)
{
    auto bitmap = MakeBitmap(2, 5, LMBitmapColorKeyed,
                             {Bgra(90, 180, 240, 0), Bgra(0xFF, 0, 0xFF, 0x77),  // colour
                              Bgra(1, 2, 3, 4), Bgra(5, 6, 7, 8),                // colour
                              Bgra(0xEE, 0, 0, 0), Bgra(0xEE, 0, 0, 0),          // neither half
                              Bgra(51, 0, 0, 0), Bgra(200, 0, 0, 0),             // mask
                              Bgra(255, 9, 9, 9), Bgra(0, 0, 0, 0)});            // mask
    ASSERT_EQ(1, bitmap->ApplyAlphaMask());
    EXPECT_EQ(2, bitmap->Width);
    EXPECT_EQ(2, bitmap->Height);
    EXPECT_EQ(1, bitmap->HasAlpha);
    EXPECT_EQ(1, bitmap->Premultiplied);
    EXPECT_EQ("12 24 30 33", PixelBytes(*bitmap, 0, 0));
    EXPECT_EQ("00 00 00 00", PixelBytes(*bitmap, 1, 0));
    EXPECT_EQ("01 02 03 FF", PixelBytes(*bitmap, 0, 1));
    EXPECT_EQ("00 00 00 00", PixelBytes(*bitmap, 1, 1));
}

TEST(LMAlphaMask, TheNewPixelsDrawFromTheBitmapsDC)
{
    for (int flags : {LMBitmapPremultiplied, LMBitmapPremultiplied | LMBitmapSharedDC}) {
        SCOPED_TRACE(testing::Message() << "flags " << flags);
        auto bitmap = TenByTwentyOne(flags);
        ASSERT_EQ(1, bitmap->ApplyAlphaMask());
        DibCanvas canvas(10, 10);
        ASSERT_NE(0, bitmap->Draw(canvas.Dc(), 0, 0, 10, 10, 0, 0, -1, 0));
        EXPECT_EQ(*bitmap->PixelAt(3, 4), canvas.Pixel(3, 4));
        EXPECT_EQ(*bitmap->PixelAt(9, 9), canvas.Pixel(9, 9));
    }
}

TEST(LMAlphaMask, NoHandleOrFewerThanTwoRowsChangesNothing)
{
    LMBitmap empty(0, 0, 0);
    EXPECT_EQ(0, empty.ApplyAlphaMask());
    EXPECT_FALSE(empty.Handle);
    EXPECT_EQ(0, empty.HasAlpha);

    auto oneRow = MakeBitmap(3, 1, 0, {Bgra(1, 2, 3, 4), Bgra(5, 6, 7, 8), Bgra(9, 10, 11, 12)});
    HBITMAP before = oneRow->Handle.Get();
    EXPECT_EQ(0, oneRow->ApplyAlphaMask());
    EXPECT_EQ(before, oneRow->Handle.Get());
    EXPECT_EQ(3, oneRow->Width);
    EXPECT_EQ(1, oneRow->Height);
    EXPECT_EQ(0, oneRow->HasAlpha);
    EXPECT_EQ(0, oneRow->Premultiplied);
    EXPECT_EQ(Bgra(5, 6, 7, 8), *oneRow->PixelAt(1, 0));
    DibCanvas canvas(3, 1);
    EXPECT_NE(0, oneRow->Draw(canvas.Dc(), 0, 0, 3, 1, 0, 0, -1, 0));
    EXPECT_EQ(Bgra(9, 10, 11, 12), canvas.Pixel(2, 0));
}

TEST(LMAlphaMask, CombineConvertsAnOlderBitmapFirst)
{
    HBITMAP handle = LMBitmap::CreateDibSection(1, 2, 24);
    ASSERT_NE(nullptr, handle);
    DIBSECTION section{};
    GetObjectW(handle, sizeof(section), &section);
    auto* bits = static_cast<uint8_t*>(section.dsBm.bmBits);
    const uint8_t bottomRow[3] = {0x80, 0, 0};     // the mask, blue 0x80
    const uint8_t topRow[3] = {0x10, 0x20, 0x30};  // the colour
    std::memcpy(bits, bottomRow, 3);
    std::memcpy(bits + section.dsBm.bmWidthBytes, topRow, 3);

    HBITMAP result = CombineAlphaMask(&handle, 0);
    ASSERT_NE(nullptr, result);
    EXPECT_EQ(result, handle);
    LMBitmap bitmap(handle, 0);
    EXPECT_EQ(1, bitmap.Height);
    EXPECT_EQ("10 20 30 80", PixelBytes(bitmap, 0, 0));
}

TEST(LMAlphaMask, CombineKeepsTheImageWhenItCannot)
{
    HBITMAP handle = LMBitmap::CreateDib32(4, 1);
    HBITMAP before = handle;
    EXPECT_EQ(nullptr, CombineAlphaMask(&handle, 1));
    EXPECT_EQ(before, handle);
    BITMAP description{};
    EXPECT_NE(0, GetObjectW(handle, sizeof(description), &description));
    DeleteObject(handle);
    HBITMAP none = nullptr;
    EXPECT_EQ(nullptr, CombineAlphaMask(&none, 1));
    EXPECT_EQ(nullptr, CombineAlphaMask(nullptr, 1));
}
