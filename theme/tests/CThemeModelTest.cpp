#include "CTheme.h"
#include "ScopedWin.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <cwchar>

TEST(CThemeModel, NewThemeAndEntriesHaveTheirDefaults)
{
    CTheme theme;
    EXPECT_EQ(200, theme.SchemeVersion);
    EXPECT_EQ(0, theme.ContentFlags);
    EXPECT_EQ(0, theme.UnsupportedWarned);
    EXPECT_EQ(0, theme.CursorCount());
    EXPECT_EQ(nullptr, theme.Name.get());
    EXPECT_EQ(nullptr, theme.FirstEffect());
    EXPECT_EQ(nullptr, theme.FirstTrail());
    EXPECT_EQ(nullptr, theme.GetSound(0));

    CThemeCursor cursor;
    EXPECT_EQ(1, cursor.Frames);
    EXPECT_EQ(200, cursor.Interval);
    EXPECT_EQ(0, cursor.Alternate + cursor.Reverse + cursor.Loop);
    EXPECT_EQ(nullptr, cursor.Script.get());
    EXPECT_EQ(nullptr, cursor.Animation.get());
    EXPECT_EQ(0, cursor.Role);
    EXPECT_EQ(0, cursor.State);
    EXPECT_EQ(0, cursor.Group);
    EXPECT_EQ(1, cursor.StdCursor);

    CThemeTrail trail;
    EXPECT_EQ(20, trail.TrailsPerSecond);
    EXPECT_EQ(0, trail.Slot);
    CThemeSound sound;
    EXPECT_EQ(nullptr, sound.Data.get());
    EXPECT_EQ(0, sound.Size);
}

TEST(CThemeModel, FindCursorTakesTheFirstMatchAndSkipsOtherGroups)
{
    CTheme theme;
    theme.AddCursor(MakeCursor(5, 1, 0));
    theme.AddCursor(MakeCursor(5, 1, 1));
    theme.AddCursor(MakeCursor(5, 1, 1));
    EXPECT_EQ(theme.GetCursorAt(1), theme.FindCursor(5, 1, 1));
    EXPECT_EQ(theme.GetCursorAt(0), theme.FindCursor(5, 1, 0));
    EXPECT_EQ(nullptr, theme.FindCursor(5, 2, 1));

    // A cursor made by the constructor alone is group 0 and never found with group 1.
    CTheme plain;
    plain.AddCursor(std::make_unique<CThemeCursor>());
    EXPECT_EQ(nullptr, plain.FindCursor(0, 0, 1));
}

TEST(CThemeModel, LookupsOutOfRangeGiveNone)
{
    CTheme theme;
    for (int i = 0; i < 9; ++i) {
        theme.SetEffect(i, std::make_unique<CThemeEffect>());
        theme.Sounds[i] = std::make_unique<CThemeSound>();
    }
    for (int i = 0; i < 3; ++i)
        theme.SetTrail(i, std::make_unique<CThemeTrail>());
    theme.AddCursor(MakeCursor(0, 1, 1));

    struct Case {
        const char* Name;
        const void* Found;
    } cases[] = {
        { "GetEffect(9)", theme.GetEffect(9) },
        { "GetEffect(-1)", theme.GetEffect(-1) },
        { "GetSound(9)", theme.GetSound(9) },
        { "GetSound(-1)", theme.GetSound(-1) },
        { "GetTrail(3)", theme.GetTrail(3) },
        { "GetTrail(-1)", theme.GetTrail(-1) },
        { "GetCursorAt(-1)", theme.GetCursorAt(-1) },
        { "GetCursorAt(1)", theme.GetCursorAt(1) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(nullptr, c.Found);
    }
    EXPECT_NE(nullptr, theme.GetEffect(8));
    EXPECT_NE(nullptr, theme.GetTrail(2));
    EXPECT_NE(nullptr, theme.GetCursorAt(0));
}

TEST(CThemeModel, SlotsOutOfRangeChangeNothing)
{
    CTheme theme;
    EXPECT_EQ(4, theme.SetEffect(4, std::make_unique<CThemeEffect>()));
    EXPECT_EQ(-1, theme.SetEffect(9, std::make_unique<CThemeEffect>()));
    EXPECT_EQ(-1, theme.SetEffect(-1, std::make_unique<CThemeEffect>()));
    EXPECT_EQ(-1, theme.SetTrail(3, std::make_unique<CThemeTrail>()));
    EXPECT_EQ(0, theme.LoadSound(9, L"C:\\nothing.wav"));
    theme.ClearSound(-1);
    EXPECT_EQ(theme.GetEffect(4), theme.FirstEffect());
    EXPECT_EQ(nullptr, theme.FirstTrail());
}

TEST(CThemeModel, SetEffectReplacesAndFirstFindsTheLowestSlot)
{
    CTheme theme;
    theme.SetTrail(2, std::make_unique<CThemeTrail>());
    theme.SetEffect(6, std::make_unique<CThemeEffect>());
    auto replacement = std::make_unique<CThemeEffect>();
    CThemeEffect* expected = replacement.get();
    EXPECT_EQ(6, theme.SetEffect(6, std::move(replacement)));
    EXPECT_EQ(expected, theme.GetEffect(6));
    EXPECT_EQ(expected, theme.FirstEffect());
    EXPECT_EQ(theme.GetTrail(2), theme.FirstTrail());
    EXPECT_EQ(6, theme.SetEffect(6, nullptr));
    EXPECT_EQ(nullptr, theme.FirstEffect());
}

TEST(CThemeModel, RemoveCursorDeletesOnlyListedEntries)
{
    CTheme theme;
    theme.AddCursor(MakeCursor(1, 1, 1));
    theme.AddCursor(MakeCursor(2, 1, 1));
    CThemeCursor stranger;
    theme.RemoveCursor(&stranger);
    EXPECT_EQ(2, theme.CursorCount());
    theme.RemoveCursor(theme.GetCursorAt(0));
    ASSERT_EQ(1, theme.CursorCount());
    EXPECT_EQ(2, theme.GetCursorAt(0)->Role);
}

TEST(CThemeModel, TakeCursorsMovesTheListAndTheFlag)
{
    CTheme a;
    CTheme b;
    a.AddCursor(MakeCursor(1, 1, 1));
    a.ContentFlags = ThemeHasCursors | ThemeHasSounds;
    b.AddCursor(MakeCursor(7, 1, 1));
    b.AddCursor(MakeCursor(7, 2, 1));
    b.ContentFlags = ThemeHasCursors | ThemeHasEffects;
    CThemeCursor* first = b.GetCursorAt(0);
    CThemeCursor* second = b.GetCursorAt(1);

    a.TakeCursors(b);
    ASSERT_EQ(2, a.CursorCount());
    EXPECT_EQ(first, a.GetCursorAt(0));
    EXPECT_EQ(second, a.GetCursorAt(1));
    EXPECT_EQ(nullptr, a.FindCursor(1, 1, 1));
    EXPECT_EQ(ThemeHasCursors | ThemeHasSounds, a.ContentFlags);
    EXPECT_EQ(ThemeHasEffects, b.ContentFlags);

    // The giver keeps a usable empty list.
    EXPECT_EQ(0, b.CursorCount());
    EXPECT_EQ(nullptr, b.FindCursor(7, 1, 1));
    b.AddCursor(MakeCursor(3, 1, 1));
    EXPECT_NE(nullptr, b.FindCursor(3, 1, 1));
}

TEST(CThemeModel, TakeCursorsWithoutTheGiversFlagClearsIt)
{
    CTheme a;
    CTheme b;
    a.ContentFlags = ThemeHasCursors;
    b.AddCursor(MakeCursor(7, 1, 1));
    a.TakeCursors(b);
    EXPECT_EQ(1, a.CursorCount());
    EXPECT_EQ(0, a.ContentFlags);
}

TEST(CThemeModel, TakeEffectsTrailsAndSoundsMoveLikeCursors)
{
    struct Case {
        const char* Name;
        int32_t Bit;
        void (CTheme::*Take)(CTheme&);
        std::function<void(CTheme&)> Fill;
        std::function<const void*(const CTheme&)> Probe;
    } cases[] = {
        { "effects", ThemeHasEffects, &CTheme::TakeEffects,
            [](CTheme& t) { t.SetEffect(3, std::make_unique<CThemeEffect>()); },
            [](const CTheme& t) -> const void* { return t.GetEffect(3); } },
        { "trails", ThemeHasTrails, &CTheme::TakeTrails,
            [](CTheme& t) { t.SetTrail(1, std::make_unique<CThemeTrail>()); },
            [](const CTheme& t) -> const void* { return t.GetTrail(1); } },
        { "sounds", ThemeHasSounds, &CTheme::TakeSounds,
            [](CTheme& t) { t.Sounds[8] = std::make_unique<CThemeSound>(); },
            [](const CTheme& t) -> const void* { return t.GetSound(8); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CTheme a;
        CTheme b;
        c.Fill(b);
        b.ContentFlags = c.Bit | ThemeHasCursors;
        const void* given = c.Probe(b);
        (a.*c.Take)(b);
        EXPECT_EQ(given, c.Probe(a));
        EXPECT_EQ(nullptr, c.Probe(b));
        EXPECT_EQ(c.Bit, a.ContentFlags);
        EXPECT_EQ(ThemeHasCursors, b.ContentFlags);

        CTheme withoutBit;
        c.Fill(withoutBit);
        a.ContentFlags = c.Bit;
        (a.*c.Take)(withoutBit);
        EXPECT_NE(nullptr, c.Probe(a));
        EXPECT_EQ(0, a.ContentFlags);
    }
}

TEST(CThemeModel, AddingEntriesLeavesTheFlagsAlone)
{
    TempFolder folder;
    std::wstring wave = WriteTestFile(folder, L"click.wav", "RIFF");
    CTheme theme;
    theme.ContentFlags = ThemeHasTrails;
    theme.AddCursor(MakeCursor(0, 1, 1));
    theme.SetEffect(0, std::make_unique<CThemeEffect>());
    theme.SetTrail(0, nullptr);
    EXPECT_EQ(1, theme.LoadSound(0, wave.c_str()));
    EXPECT_EQ(ThemeHasTrails, theme.ContentFlags);
}

TEST(CThemeModel, LoadSoundKeepsTheExactBytesAndReplacesTheOldSound)
{
    TempFolder folder;
    std::string first("RIFF\0\x01\x02\xFFwave", 12);
    std::string second(70000, '\x5A');
    std::wstring firstPath = WriteTestFile(folder, L"a.wav", first);
    std::wstring secondPath = WriteTestFile(folder, L"b.wav", second);
    CTheme theme;
    ASSERT_EQ(1, theme.LoadSound(2, firstPath.c_str()));
    ASSERT_NE(nullptr, theme.GetSound(2));
    EXPECT_EQ(first,
        std::string(
            reinterpret_cast<char*>(theme.GetSound(2)->Data.get()), theme.GetSound(2)->Size));
    ASSERT_EQ(1, theme.LoadSound(2, secondPath.c_str()));
    EXPECT_EQ(70000, theme.GetSound(2)->Size);
    EXPECT_EQ(second,
        std::string(
            reinterpret_cast<char*>(theme.GetSound(2)->Data.get()), theme.GetSound(2)->Size));
}

TEST(CThemeModel, LoadSoundOfAMissingFileLeavesTheSlotEmpty)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"a.wav", "RIFF");
    CTheme theme;
    ASSERT_EQ(1, theme.LoadSound(4, path.c_str()));
    EXPECT_EQ(0, theme.LoadSound(4, folder.File(L"missing.wav").c_str()));
    EXPECT_EQ(nullptr, theme.GetSound(4));
}

TEST(CThemeModel, LoadSoundOfTwoGigabytesOrMoreLeavesTheSlotEmpty)
{
    TempFolder folder;
    std::wstring path = folder.File(L"huge.wav");
    {
        // Sparse: only the size matters.
        ScopedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
            FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER size;
        size.QuadPart = 0x80000000LL;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    CTheme theme;
    theme.Sounds[1] = std::make_unique<CThemeSound>();
    EXPECT_EQ(0, theme.LoadSound(1, path.c_str()));
    EXPECT_EQ(nullptr, theme.GetSound(1));
}

TEST(CThemeModel, CopyFromCopiesTheAnimationDeeply)
{
    auto source = MakeAnimatedEntry<CThemeCursor>(
        MakeTestBitmap(4, 1, LMBitmapHasAlpha, { 0x80102030, 0xFF000000, 0x01020304, 0 }), L"3-1",
        2);
    source->Interval = 75;
    source->Alternate = 1;
    source->Reverse = 1;
    source->Loop = 1;
    source->Script = DuplicateText(L"1-2,50");
    source->HotSpotX = 6;
    source->HotSpotY = 9;
    source->Role = 3;

    CThemeCursor target;
    target.Role = 11;
    target.SectionName = L"Hand";
    target.CopyFrom(*source);
    EXPECT_EQ(2, target.Frames);
    EXPECT_EQ(75, target.Interval);
    EXPECT_EQ(1, target.Alternate);
    EXPECT_EQ(1, target.Reverse);
    EXPECT_EQ(1, target.Loop);
    ASSERT_NE(nullptr, target.Script.get());
    EXPECT_NE(source->Script.get(), target.Script.get());
    EXPECT_STREQ(L"1-2,50", target.Script.get());
    EXPECT_EQ(6, target.HotSpotX);
    EXPECT_EQ(9, target.HotSpotY);
    EXPECT_EQ(11, target.Role);
    EXPECT_EQ(L"Hand", target.SectionName);
    ASSERT_NE(nullptr, target.Animation.get());
    EXPECT_EQ(L"3-1", target.Animation->Name);
    ASSERT_NE(source->Animation->Bitmap, target.Animation->Bitmap);

    *source->Animation->Bitmap->PixelAt(0, 0) = 0x11111111;
    EXPECT_EQ(0x80102030u, PixelOf(*target.Animation->Bitmap, 0, 0));
}

TEST(CThemeModel, CopyFromAnEntryWithoutAnimationLeavesNone)
{
    CThemeEffect source;
    CThemeEffect target;
    target.Slot = 5;
    target.Script = DuplicateText(L"2");
    target.Animation = std::make_unique<LMBitmapState>(
        L"Default", MakeTestBitmap(1, 1, LMBitmapHasAlpha, { 0 }).release());
    target.CopyFrom(source);
    EXPECT_EQ(nullptr, target.Animation.get());
    EXPECT_EQ(nullptr, target.Script.get());
    EXPECT_EQ(5, target.Slot);
}

TEST(CThemeModel, CopyFromItselfChangesNothing)
{
    auto entry = MakeAnimatedEntry<CThemeTrail>(
        MakeTestBitmap(2, 1, LMBitmapHasAlpha, { 1, 2 }), L"Default", 2);
    entry->Script = DuplicateText(L"1;2");
    LMBitmapState* animation = entry->Animation.get();
    entry->CopyFrom(*entry);
    EXPECT_EQ(animation, entry->Animation.get());
    ASSERT_NE(nullptr, entry->Script.get());
    EXPECT_STREQ(L"1;2", entry->Script.get());
    EXPECT_EQ(2u, PixelOf(*entry->Animation->Bitmap, 1, 0));
}

TEST(CThemeModel, DisplayNameFallsBackToTheFileTitleAndFitsTheBuffer)
{
    CTheme theme;
    theme.FilePath = L"C:\\Any\\Folder\\Blue Glass.Trivane";
    wchar_t name[64];
    theme.GetDisplayName(name, 64);
    EXPECT_STREQ(L"Blue Glass", name);
    theme.Name = DuplicateText(L"");
    theme.GetDisplayName(name, 64);
    EXPECT_STREQ(L"Blue Glass", name);
    theme.Name = DuplicateText(L"Ice Crystal");
    theme.GetDisplayName(name, 64);
    EXPECT_STREQ(L"Ice Crystal", name);

    wchar_t small[5] = { L'x', L'x', L'x', L'x', L'x' };
    theme.GetDisplayName(small, 4);
    EXPECT_STREQ(L"Ice", small);
    EXPECT_EQ(L'x', small[4]);
}

TEST(CThemeModel, ClearEmptiesEverythingButThePathVersionAndWarning)
{
    CTheme theme;
    theme.FilePath = L"C:\\x.trivane";
    theme.SchemeVersion = 150;
    theme.UnsupportedWarned = 1;
    theme.Name = DuplicateText(L"n");
    theme.Description = DuplicateText(L"d");
    theme.AddCursor(MakeCursor(0, 1, 1));
    theme.SetEffect(1, std::make_unique<CThemeEffect>());
    theme.SetTrail(1, std::make_unique<CThemeTrail>());
    theme.Sounds[1] = std::make_unique<CThemeSound>();
    theme.ContentFlags = 15;
    theme.Clear();
    EXPECT_EQ(0, theme.CursorCount());
    EXPECT_EQ(nullptr, theme.FirstEffect());
    EXPECT_EQ(nullptr, theme.FirstTrail());
    EXPECT_EQ(nullptr, theme.GetSound(1));
    EXPECT_EQ(nullptr, theme.Name.get());
    EXPECT_EQ(nullptr, theme.Description.get());
    EXPECT_EQ(0, theme.ContentFlags);
    EXPECT_EQ(L"C:\\x.trivane", theme.FilePath);
    EXPECT_EQ(150, theme.SchemeVersion);
    EXPECT_EQ(1, theme.UnsupportedWarned);
    theme.AddCursor(MakeCursor(0, 1, 1));
    EXPECT_EQ(1, theme.CursorCount());
}

TEST(CThemeModel, ReplaceStringDupCopiesAndClears)
{
    HeapText slot = DuplicateText(L"old");
    const wchar_t source[] = L"new";
    ReplaceStringDup(&slot, source);
    ASSERT_NE(nullptr, slot.get());
    EXPECT_NE(source, slot.get());
    EXPECT_STREQ(L"new", slot.get());
    ReplaceStringDup(&slot, nullptr);
    EXPECT_EQ(nullptr, slot.get());
}
