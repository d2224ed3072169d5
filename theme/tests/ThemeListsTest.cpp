#include "ThemeLists.h"
#include "ContainerBytes.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

std::string HeaderOnly(uint32_t version, uint32_t flags)
{
    ContainerPlan plan;
    plan.Version = version;
    plan.ContentFlags = flags;
    return BuildContainer(plan).File;
}

std::vector<std::wstring> Titles(const ThemeList& list)
{
    std::vector<std::wstring> titles;
    for (const ThemeListEntry& entry : list)
        titles.push_back(entry.Title);
    std::sort(titles.begin(), titles.end());
    return titles;
}

using Names = std::vector<std::wstring>;

} // namespace

TEST(ThemeLists, FilesAreFiledByTheirContent)
{
    TempFolder folder;
    WriteTestFile(folder, L"Cursors.trivane", HeaderOnly(2002, 1));
    WriteTestFile(folder, L"Everything.trivane", HeaderOnly(2002, 15));
    WriteTestFile(folder, L"Effects.trivane", HeaderOnly(2002, 2));
    WriteTestFile(folder, L"Trails.trivane", HeaderOnly(2001, 4));
    WriteTestFile(folder, L"Both.trivane", HeaderOnly(2002, 6));
    WriteTestFile(folder, L"Sounds.trivane", HeaderOnly(2002, 8));
    WriteTestFile(folder, L"Old.trivane", HeaderOnly(2000, 1));
    WriteTestFile(folder, L"Archive.PvltTheme", "not even a zip");
    WriteTestFile(folder, L"THEME.TRIVANE", HeaderOnly(2002, 1));
    WriteTestFile(folder, L".trivane", HeaderOnly(2002, 1));
    WriteTestFile(folder, L"x.trivane", HeaderOnly(2002, 1));
    WriteTestFile(folder, L"Short.trivane", "too short");
    WriteTestFile(folder, L"notes.txt", HeaderOnly(2002, 1));
    CreateDirectoryW(folder.File(L"Folder.trivane").c_str(), nullptr);

    RefreshThemeListsFrom(folder.Path().c_str());
    EXPECT_EQ(Names({ L"Archive", L"Cursors", L"Everything", L"THEME", L"x" }),
        Titles(GetCursorThemeList()));
    EXPECT_EQ(Names({ L"Both", L"Effects" }), Titles(GetEffectThemeList()));
    EXPECT_EQ(Names({ L"Both", L"Trails" }), Titles(GetTrailThemeList()));
    for (const ThemeListEntry& entry : GetCursorThemeList()) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(entry.Title)));
        std::wstring path = entry.Path;
        EXPECT_EQ(0u, path.find(folder.Path() + L"\\"));
        EXPECT_EQ(nullptr, entry.Thumbnail);
        EXPECT_EQ(nullptr, entry.Caption);
        EXPECT_EQ(0, entry.Reserved);
    }
}

TEST(ThemeLists, TheFirstEntryOfTheFolderIsExaminedToo)
{
    // With a pattern that "." does not match, the first entry is a theme.
    TempFolder folder;
    WriteTestFile(folder, L"a.trivane", HeaderOnly(2002, 1));
    RefreshThemeListsMatching(folder.Path().c_str(), L"a*");
    EXPECT_EQ(Names({ L"a" }), Titles(GetCursorThemeList()));
    EXPECT_TRUE(GetEffectThemeList().empty());
}

TEST(ThemeLists, TitlesLoseTheirLastTwoExtensions)
{
    struct Case {
        const wchar_t* File;
        const wchar_t* Title;
    } cases[] = {
        { L"Ocean.trivane", L"Ocean" },
        { L"Ocean.v2.trivane", L"Ocean" },
        { L"Ocean.v2.beta.trivane", L"Ocean.v2" },
        { L"x.PvltTheme", L"x" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.File)));
        ThemeListEntry entry;
        ASSERT_TRUE(MakeThemeListEntry(L"C:\\Themes", c.File, &entry));
        EXPECT_STREQ(c.Title, entry.Title);
        EXPECT_EQ(L"C:\\Themes\\" + std::wstring(c.File), std::wstring(entry.Path));
    }
}

TEST(ThemeLists, PathsThatDoNotFitAreSkipped)
{
    // 440 + 1 + 18 characters and the NUL fill the 460 exactly.
    std::wstring folder(440, L'f');
    ThemeListEntry entry;
    EXPECT_TRUE(MakeThemeListEntry(folder.c_str(), L"nnnnnnnnnn.trivane", &entry));
    EXPECT_EQ(459u, wcslen(entry.Path));
    EXPECT_FALSE(MakeThemeListEntry(folder.c_str(), L"nnnnnnnnnnn.trivane", &entry));
}

TEST(ThemeLists, ARefreshDetachesTheOldRecordsObjects)
{
    TempFolder folder;
    WriteTestFile(folder, L"a.trivane", HeaderOnly(2002, 1));
    WriteTestFile(folder, L"b.trivane", HeaderOnly(2002, 2));
    RefreshThemeListsFrom(folder.Path().c_str());
    auto* fake = reinterpret_cast<LMObj*>(static_cast<uintptr_t>(0x1000));
    ASSERT_EQ(1u, GetCursorThemeList().size());
    ASSERT_EQ(1u, GetEffectThemeList().size());
    GetCursorThemeList()[0].Thumbnail = fake;
    GetEffectThemeList()[0].Caption = fake;
    DetachThemeListObjects();
    EXPECT_EQ(nullptr, GetCursorThemeList()[0].Thumbnail);
    EXPECT_EQ(nullptr, GetEffectThemeList()[0].Caption);

    GetCursorThemeList()[0].Thumbnail = fake;
    RefreshThemeListsFrom(folder.Path().c_str());
    ASSERT_EQ(1u, GetCursorThemeList().size());
    EXPECT_EQ(nullptr, GetCursorThemeList()[0].Thumbnail);
}

TEST(ThemeLists, TheThemesFolderListIsBuiltFromTheRealFolder)
{
    RefreshThemeLists();
    for (const ThemeList* list :
        { &GetCursorThemeList(), &GetEffectThemeList(), &GetTrailThemeList() }) {
        for (const ThemeListEntry& entry : *list)
            EXPECT_NE(nullptr, wcsstr(entry.Path, L"\\Kelmora\\Trivane\\Themes\\"));
    }
}
