// Building the library lists from test folders: theme rows and their texts,
// the preview cache, looping effect and trail previews with the
// "CurrentTrail" setting, and bad files and places of every kind.

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
    const int larch = ThemeRow(L"Larch");
    EXPECT_EQ((std::vector<int>{3, larch, larch}),
              (std::vector<int>{static_cast<int>(Library.Themes.size()), Library.AppliedThemeRow,
                                Library.ThemeList.Selected}));

    const LibraryEntry& c = Library.Themes[ThemeRow(L"Cedar") - 1];
    auto* row = static_cast<CQVObj*>(c.NameText->Parent);
    EXPECT_EQ((std::vector<int>{62 * ThemeRow(L"Cedar"), 300 + ThemeRow(L"Cedar"), LMHitNever}),
              (std::vector<int>{row->VisibleY, row->ControlId, row->CurrentState->HitMode}));
    EXPECT_EQ(TextPixels(L"by Ann", PanelSizes.SmallSize, 0, 0x323232),
              LabelPixels(ChildAt(row, 80, 26)));
    const LibraryEntry& b = Library.Themes[ThemeRow(L"Birch") - 1];
    LMObj* version = ChildAt(b.NameText->Parent, 80 + b.NameText->VisibleWidth + 20, 11);
    ASSERT_NE(nullptr, version);
    EXPECT_EQ(TextPixels(L"v.2.1", PanelSizes.SmallSize, 0, 0x323232), LabelPixels(version));
    EXPECT_EQ(version->VisibleX + version->VisibleWidth + 16, b.TextEnd);

    PanelCurrentTheme = NamedTheme(L"Fir");
    BuildThemeList();
    EXPECT_EQ(larch, Library.AppliedThemeRow) << "no match keeps the applied row";
    Library.AppliedThemeRow = -1;
    BuildThemeList();
    EXPECT_EQ((std::vector<int>{-1, 0}),
              (std::vector<int>{Library.AppliedThemeRow, Library.ThemeList.Selected}));
}

// The cache is made from a file that loads, and made again when the file
// is replaced under its name.
TEST_F(LibraryTest, ThePreviewCacheIsMadeFromAFileThatLoadsAndFollowsItsChanges)
{
    auto cedar = NamedTheme(L"Cedar");
    const std::wstring path = AddTheme(L"Cedar.Trivane", *cedar);
    ASSERT_TRUE(SaveCutShort(themes_.File(L"Broken.Trivane"), *NamedTheme(L"Whole")));
    Relist();
    BuildThemeList();
    std::string first, second;
    ASSERT_TRUE(ReadBytesFromFile(themes_.File(L"Preview\\Cedar.Trivane"), &first));
    EXPECT_EQ(0, first.at(offsetof(ThemeFileHeader, CompressedSize))) << "a stored body";
    ASSERT_GT(ThemeRow(L"Broken"), 0) << "the list title stands for a file that does not load";
    EXPECT_EQ(nullptr, Library.Themes[ThemeRow(L"Broken") - 1].Preview);
    EXPECT_FALSE(PathFileExistsW(themes_.File(L"Preview\\Broken.Trivane").c_str()));

    BuildThemeList();
    ASSERT_TRUE(ReadBytesFromFile(themes_.File(L"Preview\\Cedar.Trivane"), &second));
    EXPECT_EQ(first, second) << "a rebuild reads the cache";
    cedar->Name = DuplicateText(L"Spruce");
    ASSERT_TRUE(SaveTestTheme(path, *cedar));
    BuildThemeList();
    ASSERT_TRUE(ReadBytesFromFile(themes_.File(L"Preview\\Cedar.Trivane"), &second));
    EXPECT_NE(first, second) << "made again from the new file";
    EXPECT_EQ((std::vector<bool>{false, true}),
              (std::vector<bool>{ThemeRow(L"Cedar") > 0, ThemeRow(L"Spruce") > 0}));
}

TEST_F(LibraryTest, SpritePreviewsLoopAndTheCurrentTrailSettingSelectsItsRow)
{
    AddTheme(L"Spark.Trivane", *SpriteTheme(L"Spark", {3}, {}));
    AddTheme(L"Comet.Trivane", *SpriteTheme(L"Comet", {}, {1}));
    // Its effect comes first in the file, where a preview load stops.
    AddTheme(L"Both.Trivane", *SpriteTheme(L"Both", {0}, {2}));
    BuildEffectList();
    BuildTrailList();
    ASSERT_EQ((std::vector<size_t>{2, 2}),
              (std::vector<size_t>{Library.Effects.size(), Library.Trails.size()}));
    for (const LibraryEntry* entry :
         {&Library.Effects[0], &Library.Effects[1], &Library.Trails[0], &Library.Trails[1]}) {
        ASSERT_NE(nullptr, entry->Preview) << entry->ContentFlags;
        EXPECT_EQ(LMFrameLoop, entry->Preview->CurrentState->FrameFlags & LMFrameLoop);
    }

    std::wstring listed = Library.Trails[1].Path;
    std::transform(listed.begin(), listed.end(), listed.begin(), towupper);
    const std::pair<std::wstring, int> settings[] = {
        {listed, 3}, {L"", 0}, {themes_.File(L"Gone.Trivane"), 0}, {L"Ghost", 1}};
    for (const auto& [setting, expected] : settings) {
        SCOPED_TRACE(testing::Message() << expected);
        RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), L"CurrentTrail", REG_SZ, setting.c_str(),
                        static_cast<DWORD>((setting.size() + 1) * 2));
        BuildTrailList();
        EXPECT_EQ(expected, Library.TrailList.Selected);
    }
    LMObj* caption = Library.TrailCaption;
    BuildTrailList();
    EXPECT_EQ(caption, Library.TrailCaption) << "the found row was already selected";
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
    auto comet = NamedTheme(L"Comet", {});
    AddTestTrail(*comet, 0);
    auto cut = NamedTheme(L"Cut", {});
    AddTestEffect(*cut, 0);
    AddTestTrail(*cut, 0);
    ASSERT_TRUE(
        SaveWithoutPixels(themes_.File(L"Spark.Trivane"), *spark, offsetof(EffectRecord, Image)));
    ASSERT_TRUE(
        SaveWithoutPixels(themes_.File(L"Comet.Trivane"), *comet, offsetof(TrailRecord, Image)));
    ASSERT_TRUE(SaveCutShort(themes_.File(L"Cut.Trivane"), *cut));
    ASSERT_TRUE(WriteBytesToFile(themes_.File(L"Junk.PvltTheme"), "PK\3\4junk", 8));
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
    for (const auto* entries : {&Library.Effects, &Library.Trails}) {
        ASSERT_EQ(2u, entries->size());
        for (const LibraryEntry& empty : *entries)
            EXPECT_EQ(nullptr, empty.Preview);
    }
    ShowThemeCursors(themes_.File(L"Bare.Trivane").c_str());
    EXPECT_EQ(0u, Library.CursorGridObjects.size());
    EXPECT_EQ(36, Library.CursorGrid->VisibleHeight);

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
    EXPECT_EQ(
        (std::vector<int>{1000, 1001 * 62, 1}),
        (std::vector<int>{static_cast<int>(Library.Themes.size()),
                          Library.ThemeList.Container->VisibleHeight, Library.ThemeList.RowStep}));
}
