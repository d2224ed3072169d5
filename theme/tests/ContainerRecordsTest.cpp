#include "ContainerBytes.h"
#include "MessageBoxRecorder.h"
#include "PreviewEquivalence.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

namespace
{

ImageRecordPlan Image(uint32_t kind, uint32_t slot, uint32_t interval = 100)
{
    ImageRecordPlan plan;
    plan.Kind = kind;
    plan.Version = kind == 8 ? 3 : 2;
    plan.Role = slot;
    plan.Slot = slot;
    plan.Frames = 2;
    plan.Width = 2;
    plan.Height = 1;
    plan.Interval = interval;
    plan.Pixels = PatternPixels(2, 1, static_cast<uint8_t>(slot));
    return plan;
}

std::string Cursor(uint32_t role)
{
    return ImageRecord(Image(2, role));
}

std::string Effect(uint32_t slot, uint32_t interval = 100)
{
    return ImageRecord(Image(4, slot, interval));
}

std::string Trail(uint32_t slot)
{
    return ImageRecord(Image(8, slot));
}

std::string Sound(uint32_t slot)
{
    return SoundRecordBytes(slot, std::string(10, static_cast<char>('a' + slot)));
}

class ContainerRecords : public ::testing::Test
{
protected:
    // Loads a file of these records; 1 or 0 from Load.
    int LoadRecords(
        CTheme* theme, std::vector<std::string> records, uint32_t flags = 0, int preview = 0)
    {
        ContainerPlan plan;
        plan.ContentFlags = flags;
        plan.Records = std::move(records);
        std::string file = BuildContainer(plan).File;
        std::wstring path = WriteTestFile(folder_, L"r.trivane", file);
        int result = theme->Load(path.c_str(), preview);
        if (preview)
            ExpectPreviewLikeWholeParse(file, L"r", *theme, result);
        return result;
    }

    TempFolder folder_;
};

} // namespace

TEST_F(ContainerRecords, TrailsPerSecondDefaultsTo20)
{
    ImageRecordPlan zero = Image(8, 0);
    zero.TrailsPerSecond = 0;
    ImageRecordPlan old = Image(8, 1);
    old.Version = 2;
    old.TrailsPerSecond = 55; // a version-2 head has no room for it
    ImageRecordPlan thirty = Image(8, 2);
    thirty.TrailsPerSecond = 30;
    CTheme theme;
    ASSERT_EQ(1, LoadRecords(&theme, { ImageRecord(zero), ImageRecord(old), ImageRecord(thirty) }));
    EXPECT_EQ(ThemeHasTrails, theme.ContentFlags);
    int expected[] = { 20, 20, 30 };
    for (int slot = 0; slot < 3; ++slot) {
        SCOPED_TRACE(slot);
        ASSERT_NE(nullptr, theme.GetTrail(slot));
        EXPECT_EQ(expected[slot], theme.GetTrail(slot)->TrailsPerSecond);
        ASSERT_NE(nullptr, theme.GetTrail(slot)->Animation.get());
        EXPECT_EQ(L"Default", theme.GetTrail(slot)->Animation->Name);
        EXPECT_EQ(16, theme.GetTrail(slot)->Animation->FrameFlags);
    }
    // The version-2 trail's pixels follow its 68-byte head.
    EXPECT_EQ(
        PixelOf(*theme.GetTrail(1)->Animation->Bitmap, 0, 0), GetU32(PatternPixels(2, 1, 1), 0));
}

TEST_F(ContainerRecords, UnknownTrailVersionsWarnOncePerTheme)
{
    ImageRecordPlan future = Image(8, 0);
    future.Version = 4;
    ImageRecordPlan another = Image(8, 1);
    another.Version = 9;
    MessageBoxRecorder boxes;
    CTheme theme;
    ASSERT_EQ(1, LoadRecords(&theme, { ImageRecord(future), ImageRecord(another), Cursor(0) }));
    ASSERT_EQ(1u, boxes.Boxes().size());
    const RecordedMessageBox& box = boxes.Boxes()[0];
    EXPECT_EQ(nullptr, box.Owner);
    EXPECT_EQ(L"Trivane", box.Caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), box.Type & MB_ICONMASK);
    EXPECT_EQ(0u,
        box.Text.find(L"This theme features are not supported by the installed "
                      L"Trivane version."));
    EXPECT_GT(box.Text.size(), 75u);
    EXPECT_EQ(1, theme.UnsupportedWarned);
    EXPECT_EQ(nullptr, theme.FirstTrail());
    EXPECT_EQ(ThemeHasTrails | ThemeHasCursors, theme.ContentFlags);
    EXPECT_EQ(1, theme.CursorCount());

    CTheme again;
    ASSERT_EQ(1, LoadRecords(&again, { ImageRecord(future) }));
    EXPECT_EQ(2u, boxes.Boxes().size());
}

TEST_F(ContainerRecords, OtherUnknownVersionsAreSteppedOverAndCounted)
{
    ImageRecordPlan cursor = Image(2, 0);
    cursor.Version = 3;
    ImageRecordPlan effect = Image(4, 0);
    effect.Version = 1;
    MessageBoxRecorder boxes;
    CTheme theme;
    ASSERT_EQ(1,
        LoadRecords(&theme,
            { ImageRecord(cursor), ImageRecord(effect), SoundRecordBytes(0, "x", 2), Trail(1) }));
    EXPECT_EQ(15, theme.ContentFlags);
    EXPECT_EQ(0, theme.CursorCount());
    EXPECT_EQ(nullptr, theme.FirstEffect());
    EXPECT_EQ(nullptr, theme.GetSound(0));
    EXPECT_NE(nullptr, theme.GetTrail(1));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ContainerRecords, OutOfRangeSlotsAreDroppedButCounted)
{
    CTheme theme;
    ASSERT_EQ(1, LoadRecords(&theme, { Effect(9), Sound(9), Trail(3), Effect(0xFFFFFFFF) }));
    EXPECT_EQ(ThemeHasEffects | ThemeHasSounds | ThemeHasTrails, theme.ContentFlags);
    EXPECT_EQ(nullptr, theme.FirstEffect());
    EXPECT_EQ(nullptr, theme.FirstTrail());
    for (int slot = 0; slot < 9; ++slot)
        EXPECT_EQ(nullptr, theme.GetSound(slot));
}

TEST_F(ContainerRecords, ALaterRecordOfASlotReplacesTheEarlier)
{
    CTheme theme;
    ASSERT_EQ(1, LoadRecords(&theme, { Effect(2, 40), Effect(2, 90) }));
    ASSERT_NE(nullptr, theme.GetEffect(2));
    EXPECT_EQ(90, theme.GetEffect(2)->Interval);
}

TEST_F(ContainerRecords, SoundsKeepTheirBytesAndEmptyOnesMakeNoSound)
{
    CTheme theme;
    ASSERT_EQ(1, LoadRecords(&theme, { Sound(4), SoundRecordBytes(5, "") }));
    ASSERT_NE(nullptr, theme.GetSound(4));
    EXPECT_EQ(10, theme.GetSound(4)->Size);
    EXPECT_EQ(std::string(10, 'e'),
        std::string(reinterpret_cast<char*>(theme.GetSound(4)->Data.get()), 10));
    EXPECT_EQ(nullptr, theme.GetSound(5));
    EXPECT_EQ(ThemeHasSounds, theme.ContentFlags);
}

TEST_F(ContainerRecords, OtherKindsAreSkippedUncounted)
{
    CTheme theme;
    ASSERT_EQ(
        1, LoadRecords(&theme, { OpaqueRecord(32, 1, 12), OpaqueRecord(3, 1, 0), Cursor(5) }));
    EXPECT_EQ(ThemeHasCursors, theme.ContentFlags);
    EXPECT_NE(nullptr, theme.FindCursor(5, 1, 1));
}

TEST_F(ContainerRecords, CursorsWithoutPixelsAreStillEntries)
{
    ImageRecordPlan cursor = Image(2, 7);
    cursor.Pixels.clear();
    CTheme theme;
    ASSERT_EQ(1, LoadRecords(&theme, { ImageRecord(cursor) }));
    ASSERT_NE(nullptr, theme.FindCursor(7, 1, 1));
    EXPECT_EQ(nullptr, theme.FindCursor(7, 1, 1)->Animation.get());
}

TEST_F(ContainerRecords, PreviewOfAWrittenFileMakesOnlyTheFirstCursor)
{
    CTheme theme;
    ASSERT_EQ(
        1, LoadRecords(&theme, { Cursor(0), Cursor(1), Effect(0), Sound(0), Trail(0) }, 15, 1));
    EXPECT_EQ(1, theme.CursorCount());
    EXPECT_NE(nullptr, theme.FindCursor(0, 1, 1));
    EXPECT_EQ(nullptr, theme.FirstEffect());
    EXPECT_EQ(nullptr, theme.GetSound(0));
    EXPECT_EQ(nullptr, theme.FirstTrail());
    EXPECT_EQ(ThemeHasCursors, theme.ContentFlags);
}

TEST_F(ContainerRecords, PreviewReadsOnToTheCursorWhenTheHeaderPromisesOne)
{
    CTheme theme;
    ASSERT_EQ(1, LoadRecords(&theme, { Effect(1), Effect(2), Cursor(3), Cursor(4) }, 3, 1));
    EXPECT_NE(nullptr, theme.GetEffect(1));
    EXPECT_EQ(nullptr, theme.GetEffect(2));
    EXPECT_EQ(1, theme.CursorCount());
    EXPECT_NE(nullptr, theme.FindCursor(3, 1, 1));
    EXPECT_EQ(ThemeHasEffects | ThemeHasCursors, theme.ContentFlags);
}

TEST_F(ContainerRecords, PreviewWithoutCursorsStopsAfterTheFirstEffectOrTrail)
{
    CTheme effects;
    ASSERT_EQ(1, LoadRecords(&effects, { Effect(1), Effect(2), Trail(0) }, 6, 1));
    EXPECT_NE(nullptr, effects.GetEffect(1));
    EXPECT_EQ(nullptr, effects.GetEffect(2));
    EXPECT_EQ(nullptr, effects.FirstTrail());
    EXPECT_EQ(ThemeHasEffects, effects.ContentFlags);

    CTheme trails;
    ASSERT_EQ(1, LoadRecords(&trails, { Trail(2), Trail(1), Effect(0) }, 6, 1));
    EXPECT_NE(nullptr, trails.GetTrail(2));
    EXPECT_EQ(nullptr, trails.GetTrail(1));
    EXPECT_EQ(nullptr, trails.FirstEffect());
    EXPECT_EQ(ThemeHasTrails, trails.ContentFlags);
}

TEST_F(ContainerRecords, PreviewReadsPastSoundsOnlyWhenTheHeaderHasSounds)
{
    CTheme withSounds;
    ASSERT_EQ(1, LoadRecords(&withSounds, { Sound(1), Sound(2), Effect(0) }, 8 | 2, 1));
    EXPECT_NE(nullptr, withSounds.GetSound(1));
    EXPECT_EQ(nullptr, withSounds.GetSound(2));
    EXPECT_NE(nullptr, withSounds.GetEffect(0));
    EXPECT_EQ(ThemeHasSounds | ThemeHasEffects, withSounds.ContentFlags);

    CTheme withoutSounds;
    ASSERT_EQ(1, LoadRecords(&withoutSounds, { Sound(1), Effect(0) }, 2, 1));
    EXPECT_NE(nullptr, withoutSounds.GetSound(1));
    EXPECT_EQ(nullptr, withoutSounds.GetEffect(0));
    EXPECT_EQ(ThemeHasSounds, withoutSounds.ContentFlags);
}
