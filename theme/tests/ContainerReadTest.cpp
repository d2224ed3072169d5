#include "ContainerBytes.h"
#include "MessageBoxRecorder.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

ImageRecordPlan IceCursor()
{
    ImageRecordPlan cursor;
    cursor.Role = 12;
    cursor.State = 1;
    cursor.Custom = 0;
    cursor.Frames = 4;
    cursor.Width = 8;
    cursor.Height = 2;
    cursor.Interval = 60;
    cursor.Flags = 6;
    cursor.HotSpotX = 3;
    cursor.HotSpotY = 1;
    cursor.Pixels = PatternPixels(8, 2, 0x21);
    return cursor;
}

ContainerPlan IcePlan()
{
    ContainerPlan plan;
    plan.Texts[0] = L"Ice";
    plan.ContentFlags = 1;
    plan.Records.push_back(ImageRecord(IceCursor()));
    return plan;
}

void ExpectIceTheme(const CTheme& theme)
{
    EXPECT_EQ(1, theme.ContentFlags);
    ASSERT_NE(nullptr, theme.Name.get());
    EXPECT_STREQ(L"Ice", theme.Name.get());
    ASSERT_EQ(1, theme.CursorCount());
    const CThemeCursor* cursor = theme.FindCursor(12, 1, 1);
    ASSERT_NE(nullptr, cursor);
    EXPECT_EQ(1, cursor->Group);
    EXPECT_EQ(1, cursor->StdCursor);
    EXPECT_EQ(0, cursor->Alternate);
    EXPECT_EQ(1, cursor->Loop);
    EXPECT_EQ(1, cursor->Reverse);
    EXPECT_EQ(4, cursor->Frames);
    EXPECT_EQ(60, cursor->Interval);
    EXPECT_EQ(3, cursor->HotSpotX);
    EXPECT_EQ(1, cursor->HotSpotY);
    EXPECT_EQ(nullptr, cursor->Script.get());

    ASSERT_NE(nullptr, cursor->Animation.get());
    const LMBitmapState& state = *cursor->Animation;
    EXPECT_EQ(L"12-1", state.Name);
    EXPECT_EQ(25, state.FrameFlags);
    EXPECT_EQ(2, state.HitMode);
    EXPECT_EQ(-3, state.OffsetX);
    EXPECT_EQ(-1, state.OffsetY);
    EXPECT_EQ(2, state.FrameWidth);
    EXPECT_EQ(4, state.FrameCount);
    EXPECT_EQ(60, state.FrameInterval);

    ASSERT_NE(nullptr, state.Bitmap);
    const LMBitmap& bitmap = *state.Bitmap;
    EXPECT_EQ(8, bitmap.Width);
    EXPECT_EQ(2, bitmap.Height);
    EXPECT_EQ(1, bitmap.HasAlpha);
    EXPECT_EQ(0, bitmap.Premultiplied);
    // Memory rows are bottom-up, as the file stores them.
    std::string pixels(static_cast<const char*>(bitmap.Dib.bmBits), 64);
    EXPECT_EQ(PatternPixels(8, 2, 0x21), pixels);
}

} // namespace

TEST(ContainerRead, HandBuiltStoredFileLoads)
{
    ContainerLayout ice = BuildContainer(IcePlan());
    ASSERT_EQ(148u, GetU32(ice.File, 8));
    ASSERT_EQ(184u + 148u, ice.File.size());
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Ice.trivane", ice.File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    EXPECT_EQ(path, theme.FilePath);
    ExpectIceTheme(theme);
}

TEST(ContainerRead, CompressedFileLoadsTheSame)
{
    ContainerPlan plan = IcePlan();
    plan.Compressed = true;
    ContainerLayout ice = BuildContainer(plan);
    uint32_t compressedSize = GetU32(ice.File, 120);
    ASSERT_NE(0u, compressedSize);
    ASSERT_EQ(184u + compressedSize, ice.File.size());
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Ice.trivane", ice.File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    ExpectIceTheme(theme);
}

TEST(ContainerRead, OlderFilesLoopEveryCursor)
{
    struct Case {
        uint32_t Version;
        uint32_t Flags;
        int32_t Loop;
        int32_t FrameFlags;
    } cases[] = {
        { 2001, 4, 1, 16 | 8 | 1 },
        { 2000, 0, 1, 16 | 8 },
        { 2002, 4, 0, 16 | 1 },
        { 2002, 2, 1, 16 | 8 },
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Version);
        SCOPED_TRACE(c.Flags);
        ImageRecordPlan cursor = IceCursor();
        cursor.Flags = c.Flags;
        ContainerPlan plan;
        plan.Version = c.Version;
        plan.Records.push_back(ImageRecord(cursor));
        std::wstring path = WriteTestFile(folder, L"v.trivane", BuildContainer(plan).File);
        CTheme theme;
        ASSERT_EQ(1, theme.Load(path.c_str(), 0));
        ASSERT_EQ(1, theme.CursorCount());
        EXPECT_EQ(c.Loop, theme.GetCursorAt(0)->Loop);
        EXPECT_EQ(c.FrameFlags, theme.GetCursorAt(0)->Animation->FrameFlags);
    }
}

TEST(ContainerRead, Version2000LoadsButIsNotPeeked)
{
    ContainerPlan plan = IcePlan();
    plan.Version = 2000;
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Old.trivane", BuildContainer(plan).File);
    CTheme loaded;
    EXPECT_EQ(1, loaded.Load(path.c_str(), 0));
    EXPECT_EQ(1, loaded.CursorCount());
    CTheme peeked;
    peeked.ContentFlags = 6;
    EXPECT_EQ(0, peeked.PeekKind(path.c_str()));
    EXPECT_EQ(6, peeked.ContentFlags);
}

TEST(ContainerRead, UnknownFileVersionsAreRefused)
{
    TempFolder folder;
    for (uint32_t version : { 1999u, 2003u, 0u }) {
        SCOPED_TRACE(version);
        ContainerPlan plan = IcePlan();
        plan.Version = version;
        std::wstring path = WriteTestFile(folder, L"Future.trivane", BuildContainer(plan).File);
        CTheme theme;
        EXPECT_EQ(0, theme.Load(path.c_str(), 0));
        EXPECT_EQ(path, theme.FilePath);
        EXPECT_EQ(0, theme.CursorCount());
        EXPECT_EQ(nullptr, theme.Name.get());
        EXPECT_EQ(0, theme.PeekKind(path.c_str()));
    }
}

TEST(ContainerRead, PeekKindReadsTheHeaderFlags)
{
    ContainerPlan plan;
    plan.ContentFlags = ThemeHasEffects | ThemeHasTrails;
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Fx.trivane", BuildContainer(plan).File);
    CTheme theme;
    EXPECT_EQ(1, theme.PeekKind(path.c_str()));
    EXPECT_EQ(ThemeHasEffects | ThemeHasTrails, theme.ContentFlags);
    EXPECT_EQ(0, theme.PeekKind(folder.File(L"missing.trivane").c_str()));
}

TEST(ContainerRead, EffectsGetTheDefaultStateWithPingPong)
{
    ImageRecordPlan effect;
    effect.Kind = 4;
    effect.Slot = 3;
    effect.Frames = 2;
    effect.Width = 4;
    effect.Height = 1;
    effect.Flags = 1;
    effect.HotSpotX = 2;
    effect.Pixels = PatternPixels(4, 1, 3);
    ContainerPlan plan;
    plan.Records.push_back(ImageRecord(effect));
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Fx.trivane", BuildContainer(plan).File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    EXPECT_EQ(ThemeHasEffects, theme.ContentFlags);
    const CThemeEffect* loaded = theme.GetEffect(3);
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(3, loaded->Slot);
    EXPECT_EQ(1, loaded->Alternate);
    EXPECT_EQ(0, loaded->Loop);
    ASSERT_NE(nullptr, loaded->Animation.get());
    EXPECT_EQ(L"Default", loaded->Animation->Name);
    EXPECT_EQ(18, loaded->Animation->FrameFlags);
    EXPECT_EQ(-2, loaded->Animation->OffsetX);
    EXPECT_EQ(2, loaded->Animation->HitMode);
}

TEST(ContainerRead, TextsLandInTheirFieldsAndAMissingNameIsTheFileTitle)
{
    ContainerPlan plan;
    plan.Texts = { std::nullopt, L"Author", L"1.0", L"example.org", L"a@b.c", L"Line 1\r\nLine 2" };
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Deep Sea.trivane", BuildContainer(plan).File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    ASSERT_NE(nullptr, theme.Name.get());
    EXPECT_STREQ(L"Deep Sea", theme.Name.get());
    EXPECT_STREQ(L"Author", theme.Author.get());
    EXPECT_STREQ(L"1.0", theme.Version.get());
    EXPECT_STREQ(L"example.org", theme.Website.get());
    EXPECT_STREQ(L"a@b.c", theme.Email.get());
    EXPECT_STREQ(L"Line 1\r\nLine 2", theme.Description.get());
    EXPECT_EQ(0, theme.ContentFlags);
}

TEST(ContainerRead, ScriptsAreParsedIntoTheState)
{
    ImageRecordPlan cursor = IceCursor();
    cursor.Script = L"1-4,30\r\n2";
    ContainerPlan plan;
    plan.Records.push_back(ImageRecord(cursor));
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"S.trivane", BuildContainer(plan).File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    const CThemeCursor* loaded = theme.GetCursorAt(0);
    ASSERT_NE(nullptr, loaded);
    ASSERT_NE(nullptr, loaded->Script.get());
    EXPECT_STREQ(L"1-4,30\r\n2", loaded->Script.get());
    EXPECT_EQ(2, loaded->Animation->ScriptStepCount());
    EXPECT_EQ(8, loaded->Animation->Bitmap->Width);
}

TEST(ContainerRead, CustomCursorsAreNotStandard)
{
    ImageRecordPlan cursor = IceCursor();
    cursor.Custom = 1;
    ContainerPlan plan;
    plan.Records.push_back(ImageRecord(cursor));
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"C.trivane", BuildContainer(plan).File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    EXPECT_EQ(0, theme.GetCursorAt(0)->StdCursor);
}

TEST(ContainerRead, PremultipliedFilesMarkEveryBitmap)
{
    ContainerPlan plan = IcePlan();
    plan.Premultiplied = 1;
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"P.trivane", BuildContainer(plan).File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    EXPECT_EQ(1, theme.GetCursorAt(0)->Animation->Bitmap->Premultiplied);
}

TEST(ContainerRead, LargeCompressedBodiesAreReadInPieces)
{
    // Random pixels barely compress, so the stream spans several read pieces.
    ImageRecordPlan cursor;
    cursor.Width = 512;
    cursor.Height = 512;
    cursor.Pixels.resize(512 * 512 * 4);
    uint32_t state = 12345;
    for (char& byte : cursor.Pixels) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    ContainerPlan plan;
    plan.Compressed = true;
    plan.Records.push_back(ImageRecord(cursor));
    ContainerLayout layout = BuildContainer(plan);
    ASSERT_GT(GetU32(layout.File, 120), 3u * 256 * 1024);
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"Big.trivane", layout.File);
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    ASSERT_NE(nullptr, theme.GetCursorAt(0));
    ASSERT_NE(nullptr, theme.GetCursorAt(0)->Animation.get());
    const LMBitmap& bitmap = *theme.GetCursorAt(0)->Animation->Bitmap;
    EXPECT_EQ(cursor.Pixels,
        std::string(static_cast<const char*>(bitmap.Dib.bmBits), cursor.Pixels.size()));
}
