// Building the library lists from test folders: theme rows and their texts,
// the preview cache, looping effect and trail previews, the "CurrentTrail"
// setting, the sound files, and bad files of every kind.

#include "LibraryLists.h"
#include "CQVObj.h"
#include "LibraryTestSupport.h"
#include "LibraryViews.h"
#include "ListSelection.h"
#include "MessageBoxRecorder.h"
#include "ThemeContainerFormat.h"
#include "ThemeLists.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

namespace {

LMObj* ChildAt(const LMObj* parent, int x, int y)
{
    for (LMObj* child : parent->Children) {
        if (child->VisibleX == x && child->VisibleY == y)
            return child;
    }
    return nullptr;
}

std::wstring Upper(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), towupper);
    return text;
}

}  // namespace

TEST_F(LibraryTest, ThemeRowsShowTheirTextsAndTheCurrentThemesRowIsApplied)
{
    auto cedar = NamedTheme(L"Cedar");
    cedar->Author = DuplicateText(L"Ann");
    auto birch = NamedTheme(L"Birch");
    birch->Version = DuplicateText(L"2.1");
    AddTheme(L"Cedar.Trivane", *cedar);
    AddTheme(L"Birch.Trivane", *birch);
    AddTheme(L"Larch.Trivane", *NamedTheme(L"Larch"));
    PanelCurrentTheme = NamedTheme(L"LARCH");
    BuildThemeList();
    ASSERT_EQ(3u, Library.Themes.size());
    const int larch = ThemeRow(L"Larch");
    EXPECT_EQ(larch, Library.AppliedThemeRow);
    EXPECT_EQ(larch, Library.ThemeList.Selected);

    const LibraryEntry& c = Library.Themes[ThemeRow(L"Cedar") - 1];
    auto* row = static_cast<CQVObj*>(c.NameText->Parent);
    EXPECT_EQ((std::vector<int>{62 * ThemeRow(L"Cedar"), 300 + ThemeRow(L"Cedar"), CQVHoverListRow,
                                LMHitNever}),
              (std::vector<int>{row->VisibleY, row->ControlId, row->HoverMode,
                                row->CurrentState->HitMode}));
    EXPECT_NE(nullptr, c.Preview);
    EXPECT_EQ(TextPixels(L"by Ann", PanelSizes.SmallSize, 0, 0x323232),
              LabelPixels(ChildAt(row, 80, 26)));
    EXPECT_EQ(80 + c.NameText->VisibleWidth + 16, c.TextEnd);

    const LibraryEntry& b = Library.Themes[ThemeRow(L"Birch") - 1];
    const int nameRight = 80 + b.NameText->VisibleWidth;
    LMObj* version = ChildAt(b.NameText->Parent, nameRight + 20, 11);
    ASSERT_NE(nullptr, version);
    EXPECT_EQ(TextPixels(L"v.2.1", PanelSizes.SmallSize, 0, 0x323232), LabelPixels(version));
    EXPECT_EQ(version->VisibleX + version->VisibleWidth + 16, b.TextEnd);

    PanelCurrentTheme = NamedTheme(L"Fir");
    BuildThemeList();
    EXPECT_EQ(larch, Library.AppliedThemeRow) << "no match keeps the applied row";
    Library.AppliedThemeRow = -1;
    BuildThemeList();
    EXPECT_EQ(-1, Library.AppliedThemeRow);
    EXPECT_EQ(0, Library.ThemeList.Selected);
}

TEST_F(LibraryTest, ThePreviewCacheIsMadeOnceOnlyFromAFileThatLoads)
{
    auto cedar = NamedTheme(L"Cedar");
    const std::wstring path = AddTheme(L"Cedar.Trivane", *cedar);
    ASSERT_TRUE(SaveCutShort(themes_.File(L"Broken.Trivane"), *NamedTheme(L"Whole")));
    Relist();
    BuildThemeList();

    std::string first;
    ASSERT_TRUE(ReadBytesFromFile(themes_.File(L"Preview\\Cedar.Trivane"), &first));
    ASSERT_GT(first.size(), sizeof(ThemeFileHeader));
    EXPECT_EQ(0, first[offsetof(ThemeFileHeader, CompressedSize)]) << "a stored body";
    const int brokenRow = ThemeRow(L"Broken");
    ASSERT_GT(brokenRow, 0) << "the list title stands for a file that does not load";
    EXPECT_EQ(nullptr, Library.Themes[brokenRow - 1].Preview);
    EXPECT_FALSE(PathFileExistsW(themes_.File(L"Preview\\Broken.Trivane").c_str()));

    cedar->Name = DuplicateText(L"Spruce");
    ASSERT_TRUE(SaveTestTheme(path, *cedar));
    BuildThemeList();
    std::string second;
    ASSERT_TRUE(ReadBytesFromFile(themes_.File(L"Preview\\Cedar.Trivane"), &second));
    EXPECT_EQ(first, second);
    EXPECT_GT(ThemeRow(L"Cedar"), 0);
    EXPECT_EQ(-1, ThemeRow(L"Spruce"));
}

TEST_F(LibraryTest, EffectAndTrailPreviewsLoopAndEveryTrailFileShowsItsTrail)
{
    auto spark = NamedTheme(L"Spark", {});
    AddTestEffect(*spark, 3);
    auto comet = NamedTheme(L"Comet", {});
    AddTestTrail(*comet, 1);
    auto both = NamedTheme(L"Both", {});
    AddTestEffect(*both, 0);
    AddTestTrail(*both, 2);
    AddTheme(L"Spark.Trivane", *spark);
    AddTheme(L"Comet.Trivane", *comet);
    AddTheme(L"Both.Trivane", *both);
    BuildEffectList();
    BuildTrailList();
    ASSERT_EQ(2u, Library.Effects.size());
    ASSERT_EQ(2u, Library.Trails.size());
    for (const auto* entries : {&Library.Effects, &Library.Trails}) {
        for (const LibraryEntry& entry : *entries) {
            SCOPED_TRACE(testing::Message() << std::string(entry.Path, entry.Path + 260).c_str());
            ASSERT_NE(nullptr, entry.Preview);
            EXPECT_EQ(LMFrameLoop, entry.Preview->CurrentState->FrameFlags & LMFrameLoop);
            EXPECT_NE(nullptr, entry.NameText);
        }
    }
    auto* lastTrail = static_cast<CQVObj*>(Library.TrailList.Rows.back());
    EXPECT_EQ(
        (std::vector<int>{160 + 80, 403, 568}),
        (std::vector<int>{lastTrail->VisibleY, lastTrail->ControlId, lastTrail->VisibleWidth}));
}

TEST_F(LibraryTest, TheCurrentTrailSettingSelectsItsRow)
{
    for (const wchar_t* name : {L"Comet", L"Meteor"}) {
        auto trail = NamedTheme(name, {});
        AddTestTrail(*trail, 0);
        AddTheme(std::wstring(name) + L".Trivane", *trail);
    }
    BuildTrailList();
    ASSERT_EQ(2u, Library.Trails.size());
    struct Row {
        std::wstring Setting;
        int Before;
        int Expected;
    };
    const Row rows[] = {{Upper(Library.Trails[1].Path), 0, 3},
                        {L"", 3, 0},
                        {L"Ghost", 0, 1},
                        {themes_.File(L"Gone.Trivane"), 2, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Expected);
        SelectTrailRow(row.Before);
        SetCurrentTrail(row.Setting);
        BuildTrailList();
        EXPECT_EQ(row.Expected, Library.TrailList.Selected);
    }
    SetCurrentTrail(Library.Trails[0].Path);
    BuildTrailList();
    LMObj* caption = Library.TrailCaption;
    BuildTrailList();
    EXPECT_EQ(caption, Library.TrailCaption) << "the found row was already selected";
}

TEST_F(LibraryTest, TheSoundListHoldsTheWavFilesOfTheSoundsFolder)
{
    for (const wchar_t* name :
         {L"Ding.WAV", L"x.Wav", L"Gong.wav", L".wav", L"a.wa", L"chime.wave", L"notes.txt"})
        ASSERT_TRUE(WriteBytesToFile(soundFiles_.File(name), "RIFF", 4));
    BuildSoundList();
    std::vector<std::wstring> texts;
    for (size_t i = 0; i < Library.SoundFiles.Rows.size(); ++i) {
        auto* row = static_cast<CQVObj*>(Library.SoundFiles.Rows[i]);
        EXPECT_EQ((std::vector<int>{30 * static_cast<int>(i + 1), 106}),
                  (std::vector<int>{row->VisibleY, row->ControlId}));
        texts.push_back(row->LinkName.get());
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ((std::vector<std::wstring>{L"Ding.WAV", L"Gong.wav", L"x.Wav"}), texts);
    EXPECT_EQ(39, Library.SoundFiles.RowStep);
}

TEST_F(LibraryTest, BadFilesAndPlacesGetRowsWithinTheirFieldsOrNone)
{
    MessageBoxRecorder boxes;
    auto wordy = NamedTheme(std::wstring(2000, L'N').c_str());
    wordy->Author = DuplicateText(std::wstring(5000, L'A').c_str());
    wordy->Version = DuplicateText(std::wstring(100, L'V').c_str());
    AddTheme(L"Wordy.Trivane", *wordy);
    ASSERT_TRUE(SaveWithoutPixels(themes_.File(L"Bare.Trivane"), *NamedTheme(L"Bare"),
                                  offsetof(CursorRecord, Image)));
    auto spark = NamedTheme(L"Spark", {});
    AddTestEffect(*spark, 0);
    ASSERT_TRUE(
        SaveWithoutPixels(themes_.File(L"Spark.Trivane"), *spark, offsetof(EffectRecord, Image)));
    auto comet = NamedTheme(L"Comet", {});
    AddTestTrail(*comet, 0);
    ASSERT_TRUE(
        SaveWithoutPixels(themes_.File(L"Comet.Trivane"), *comet, offsetof(TrailRecord, Image)));
    ASSERT_TRUE(WriteBytesToFile(themes_.File(L"Junk.PvltTheme"), "PK\3\4junk", 8));
    auto cut = NamedTheme(L"Cut", {});
    AddTestEffect(*cut, 0);
    AddTestTrail(*cut, 0);
    ASSERT_TRUE(SaveCutShort(themes_.File(L"Cut.Trivane"), *cut));
    Relist();
    ThemeListEntry tooLong{};
    std::fill(tooLong.Path, tooLong.Path + 300, L'p');
    GetCursorThemeList().push_back(tooLong);
    for (auto* build : {BuildThemeList, BuildEffectList, BuildTrailList, BuildSoundList})
        build();

    ASSERT_EQ(3u, Library.Themes.size()) << "the path that does not fit has no row";
    const LibraryEntry& w = Library.Themes[ThemeRow(std::wstring(259, L'N')) - 1];
    EXPECT_EQ((std::vector<size_t>{199, 19}),
              (std::vector<size_t>{wcslen(w.Author), wcslen(w.Version)}));
    EXPECT_EQ(nullptr, Library.Themes[ThemeRow(L"Bare") - 1].Preview);
    EXPECT_GT(ThemeRow(L"Junk"), 0);
    ASSERT_EQ((std::vector<size_t>{2, 2}),
              (std::vector<size_t>{Library.Effects.size(), Library.Trails.size()}));
    for (const auto* entries : {&Library.Effects, &Library.Trails}) {
        for (const LibraryEntry& empty : *entries)
            EXPECT_EQ((std::vector<LMObj*>{nullptr, nullptr}),
                      (std::vector<LMObj*>{empty.Preview, empty.NameText}));
    }
    EXPECT_EQ(0u, Library.SoundFiles.Rows.size());
    ShowThemeCursors(themes_.File(L"Bare.Trivane").c_str());
    EXPECT_EQ(0u, Library.CursorGridObjects.size());
    EXPECT_EQ(36, Library.CursorGrid->VisibleHeight);
    EXPECT_NE(nullptr, Library.CursorGridCaption);

    const std::wstring missing = themes_.File(std::wstring(250, L'm'));
    CopyTextBounded(PanelThemesFolder, MAX_PATH, missing.c_str());
    CopyTextBounded(PanelSoundsFolder, MAX_PATH, missing.c_str());
    BuildThemeList();
    BuildSoundList();
    EXPECT_EQ(3u, Library.Themes.size());
    EXPECT_EQ(0u, Library.SoundFiles.Rows.size());
}

TEST_F(LibraryTest, AThousandThemesGetAThousandRows)
{
    // Written byte for byte and read without a cache (its name cannot fit),
    // so the test times no file writer.
    std::string bytes;
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"0.Trivane"), *NamedTheme(L"Many")));
    ASSERT_TRUE(ReadBytesFromFile(themes_.File(L"0.Trivane"), &bytes));
    for (int i = 1; i < 1000; ++i) {
        const std::wstring name = themes_.File(std::to_wstring(i) + L".Trivane");
        ASSERT_TRUE(WriteBytesToFile(name, bytes.data(), bytes.size()));
    }
    Relist();
    CopyTextBounded(PanelThemesFolder, MAX_PATH, std::wstring(250, L'x').c_str());
    BuildThemeList();
    EXPECT_EQ(1000u, Library.Themes.size());
    EXPECT_EQ(1001 * 62, Library.ThemeList.Container->VisibleHeight);
    EXPECT_EQ(1, Library.ThemeList.RowStep);
}
