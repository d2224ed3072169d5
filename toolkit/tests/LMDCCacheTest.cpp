#include "BitmapFixtures.h"
#include "DibCanvas.h"
#include "LMDCCache.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

int SlotOf(const LMBitmap& bitmap)
{
    for (int i = 0; i < kLMSharedDCCount; ++i) {
        if (LMSharedDCs[i].Selected == bitmap.Handle.Get())
            return i;
    }
    return -1;
}

std::vector<std::unique_ptr<LMBitmap>> SharedBitmaps(int count)
{
    std::vector<std::unique_ptr<LMBitmap>> bitmaps;
    for (int i = 0; i < count; ++i)
        bitmaps.push_back(MakeBitmap(2, 2, LMBitmapHasAlpha | LMBitmapSharedDC));
    return bitmaps;
}

}  // namespace

TEST(LMDCCache, SharedBitmapsTakeTheSlotsInTurnAndEvictTheOldest)
{
    auto bitmaps = SharedBitmaps(7);
    DibCanvas canvas(4, 4);
    const int start = LMSharedDCLast;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(0, bitmaps[i]->Draw(canvas.Dc(), 0, 0, 2, 2, 0, 0, 255, 0));
        EXPECT_EQ((start + 1 + i) % kLMSharedDCCount, SlotOf(*bitmaps[i]));
    }
    EXPECT_EQ(-1, SlotOf(*bitmaps[0])) << "the seventh takes the slot of the first";
    EXPECT_EQ(SlotOf(*bitmaps[6]), (start + 1) % kLMSharedDCCount);
    for (int i = 1; i < 7; ++i)
        EXPECT_NE(-1, SlotOf(*bitmaps[i])) << i;
}

TEST(LMDCCache, AHitSelectsNothingAndMarksTheSlotUsedLast)
{
    auto bitmaps = SharedBitmaps(3);
    HDC first = bitmaps[0]->GetDC();
    bitmaps[1]->GetDC();
    bitmaps[2]->GetDC();
    int slot = SlotOf(*bitmaps[0]);
    HGDIOBJ savedDefault = LMSharedDCs[slot].SavedDefault;
    EXPECT_EQ(first, bitmaps[0]->GetDC());
    EXPECT_EQ(slot, LMSharedDCLast);
    EXPECT_EQ(savedDefault, LMSharedDCs[slot].SavedDefault) << "a hit must not reselect";
    EXPECT_EQ(bitmaps[0]->Handle.Get(), GetCurrentObject(first, OBJ_BITMAP));
}

TEST(LMDCCache, DestroyingASelectedBitmapEmptiesItsSlot)
{
    auto bitmap = MakeBitmap(2, 2, LMBitmapHasAlpha | LMBitmapSharedDC);
    HDC dc = bitmap->GetDC();
    int slot = SlotOf(*bitmap);
    ASSERT_NE(-1, slot);
    HBITMAP handle = bitmap->Handle.Release();  // keep it to prove it can be deleted
    bitmap->Handle.Reset(handle);
    bitmap.reset();
    EXPECT_EQ(nullptr, LMSharedDCs[slot].Selected);
    EXPECT_EQ(nullptr, LMSharedDCs[slot].SavedDefault);
    EXPECT_NE(static_cast<HGDIOBJ>(handle), GetCurrentObject(dc, OBJ_BITMAP));
    EXPECT_EQ(0, GetObjectType(handle)) << "the handle was deleted";
}

TEST(LMDCCache, OwnDCBitmapsNeverUseTheCache)
{
    auto bitmap = MakeBitmap(2, 2, LMBitmapHasAlpha);
    const int last = LMSharedDCLast;
    HDC dc = bitmap->GetDC();
    EXPECT_EQ(dc, bitmap->OwnDC.Get());
    EXPECT_EQ(last, LMSharedDCLast);
    EXPECT_EQ(-1, SlotOf(*bitmap));
}
