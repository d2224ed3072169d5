#include "ContainerBytes.h"
#include "MessageBoxRecorder.h"
#include "ScopedWin.h"
#include "ThemeFileNames.h"
#include "ThemeTestSupport.h"

#include <gtest/gtest.h>

namespace
{

std::string SmallThemeFile()
{
    ImageRecordPlan cursor;
    cursor.Width = 2;
    cursor.Frames = 2;
    cursor.Pixels = PatternPixels(2, 1, 9);
    ContainerPlan plan;
    plan.ContentFlags = 1;
    plan.Records.push_back(ImageRecord(cursor));
    return BuildContainer(plan).File;
}

ScopedFile HoldWithoutSharing(const std::wstring& path)
{
    return ScopedFile(CreateFileW(
        path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

TEST(ThemeFileDispatch, ExtensionsMatchLongerPathsInAnyCase)
{
    struct Case {
        const wchar_t* Path;
        bool Container;
        bool Archive;
    } cases[] = {
        { L".trivane", false, false },
        { L"x.TRIVANE", true, false },
        { L"C:\\a\\b.Trivane", true, false },
        { L".pvlttheme", false, false },
        { L"a.PvltTheme", false, true },
        { L"a.trivane.txt", false, false },
        { L"trivane", false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.Path)));
        EXPECT_EQ(c.Container, PathHasExtension(c.Path, kContainerExtension));
        EXPECT_EQ(c.Archive, PathHasExtension(c.Path, kArchiveExtension));
    }
}

TEST(ThemeFileDispatch, LoadChoosesTheReaderByExtension)
{
    TempFolder folder;
    std::string bytes = SmallThemeFile();
    struct Case {
        const wchar_t* Name;
        int Result;
    } cases[] = {
        { L"x.TRIVANE", 1 }, { L"x.bin", 0 }, { L"x.pvlttheme", 0 }, // no zip, so no "scheme.ini"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.Name)));
        std::wstring path = WriteTestFile(folder, c.Name, bytes);
        CTheme theme;
        EXPECT_EQ(c.Result, theme.Load(path.c_str(), 0));
        EXPECT_EQ(c.Result, theme.CursorCount());
    }
}

TEST(ThemeFileDispatch, SavingAsArchiveIsRefusedWithABox)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"old.PvltTheme", "PK old bytes");
    CTheme theme;
    MessageBoxRecorder boxes;
    EXPECT_EQ(0, theme.Save(path.c_str(), 1));
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(nullptr, boxes.Boxes()[0].Owner);
    EXPECT_EQ(L"Trivane can load both .PvltTheme and .Trivane formats, but cannot save into "
              L".PvltTheme format.\r\rPlease save as the new .Trivane format",
        boxes.Boxes()[0].Text);
    EXPECT_EQ(L"Trivane", boxes.Boxes()[0].Caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes.Boxes()[0].Type & MB_ICONMASK);
    std::string bytes;
    ASSERT_TRUE(ReadBytesFromFile(path, &bytes));
    EXPECT_EQ("PK old bytes", bytes);
}

TEST(ThemeFileDispatch, OtherExtensionsAreRefusedSilently)
{
    TempFolder folder;
    CTheme theme;
    MessageBoxRecorder boxes;
    EXPECT_EQ(0, theme.Save(folder.File(L"theme.txt").c_str(), 0));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(FolderFiles(folder.Path()).empty());
    EXPECT_EQ(0, theme.PeekKind(folder.File(L"theme.txt").c_str()));
}

TEST(ThemeFileDispatch, ArchivesArePeekedAsCursorsWithoutOpening)
{
    CTheme theme;
    theme.ContentFlags = 6;
    EXPECT_EQ(1, theme.PeekKind(L"Z:\\nowhere\\missing.PvltTheme"));
    EXPECT_EQ(ThemeHasCursors, theme.ContentFlags);
}

TEST(ThemeFileDispatch, ALockedFileIsTriedThreeTimes)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"locked.trivane", SmallThemeFile());
    ScopedFile holder = HoldWithoutSharing(path);
    ASSERT_TRUE(holder);
    SleepRecorder sleeps;
    CTheme theme;
    EXPECT_EQ(0, theme.Load(path.c_str(), 0));
    EXPECT_EQ(std::vector<DWORD>({ 1000, 1000 }), sleeps.Sleeps());
    EXPECT_EQ(0, theme.CursorCount());
}

// Nothing to wait for: a missing file or folder fails at once.
TEST(ThemeFileDispatch, AMissingFileIsNotWaitedFor)
{
    TempFolder folder;
    for (const std::wstring& path :
        { folder.File(L"missing.trivane"), folder.File(L"gone\\missing.trivane") }) {
        SCOPED_TRACE(testing::PrintToString(path));
        SleepRecorder sleeps;
        CTheme theme;
        EXPECT_EQ(0, theme.Load(path.c_str(), 0));
        EXPECT_TRUE(sleeps.Sleeps().empty());
    }
}

TEST(ThemeFileDispatch, AFileReleasedDuringTheWaitLoads)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"busy.trivane", SmallThemeFile());
    ScopedFile holder = HoldWithoutSharing(path);
    ASSERT_TRUE(holder);
    SleepRecorder sleeps([&holder] { holder.Reset(); });
    CTheme theme;
    EXPECT_EQ(1, theme.Load(path.c_str(), 0));
    EXPECT_EQ(std::vector<DWORD>({ 1000 }), sleeps.Sleeps());
    EXPECT_EQ(1, theme.CursorCount());
}

TEST(ThemeFileDispatch, ASaveIntoAMissingFolderFailsCleanly)
{
    TempFolder folder;
    CTheme theme;
    theme.Name = DuplicateText(L"x");
    EXPECT_EQ(0, theme.Save(folder.File(L"no\\such\\x.trivane").c_str(), 0));
    EXPECT_TRUE(FolderFiles(folder.Path()).empty());
}

TEST(ThemeFileDispatch, ASaveOverAHeldFileKeepsTheOldBytes)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"held.trivane", "old bytes");
    CTheme theme;
    theme.Name = DuplicateText(L"new");
    {
        ScopedFile holder = HoldWithoutSharing(path);
        ASSERT_TRUE(holder);
        SleepRecorder sleeps;
        EXPECT_EQ(0, theme.Save(path.c_str(), 1));
        EXPECT_EQ(std::vector<DWORD>({ 1000, 1000 }), sleeps.Sleeps());
    }
    std::string bytes;
    ASSERT_TRUE(ReadBytesFromFile(path, &bytes));
    EXPECT_EQ("old bytes", bytes);
    EXPECT_EQ(std::vector<std::wstring>({ L"held.trivane" }), FolderFiles(folder.Path()));
}

TEST(ThemeFileDispatch, ASuccessfulSaveReplacesTheFileAndLeavesNothingElse)
{
    TempFolder folder;
    std::wstring path = WriteTestFile(folder, L"t.trivane", "old bytes");
    CTheme theme;
    theme.Name = DuplicateText(L"new");
    ASSERT_EQ(1, theme.Save(path.c_str(), 0));
    EXPECT_EQ(std::vector<std::wstring>({ L"t.trivane" }), FolderFiles(folder.Path()));
    CTheme loaded;
    ASSERT_EQ(1, loaded.Load(path.c_str(), 0));
    EXPECT_STREQ(L"new", loaded.Name.get());
}
