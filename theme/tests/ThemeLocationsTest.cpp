#include "ThemeLocations.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

namespace
{

std::wstring KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

TEST(ThemeLocations, CurrentThemeLivesInTheLocalApplicationData)
{
    std::wstring base = KnownFolder(CSIDL_LOCAL_APPDATA);
    ASSERT_FALSE(base.empty());
    wchar_t path[MAX_PATH];
    GetCurrentThemePath(path);
    EXPECT_EQ(base + L"\\Kelmora\\Trivane\\CurrentTheme.Trivane", std::wstring(path));
    EXPECT_TRUE(IsFolder(base + L"\\Kelmora\\Trivane"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path));
}

TEST(ThemeLocations, ThemesAndSoundsLiveInTheCommonDocuments)
{
    std::wstring base = KnownFolder(CSIDL_COMMON_DOCUMENTS);
    ASSERT_FALSE(base.empty());
    wchar_t themes[MAX_PATH];
    wchar_t sounds[MAX_PATH];
    GetThemesFolder(themes);
    GetSoundsFolder(sounds);
    EXPECT_EQ(base + L"\\Kelmora\\Trivane\\Themes", std::wstring(themes));
    EXPECT_EQ(base + L"\\Kelmora\\Trivane\\Sounds", std::wstring(sounds));
    EXPECT_TRUE(IsFolder(themes));
    EXPECT_TRUE(IsFolder(sounds));
}

TEST(ThemeLocations, BuildLocationMakesEveryFolderOnTheWay)
{
    TempFolder folder;
    wchar_t path[MAX_PATH];
    ASSERT_EQ(1, BuildLocation(folder.Path().c_str(), { L"A", L"B" }, L"f.txt", path));
    EXPECT_EQ(folder.Path() + L"\\A\\B\\f.txt", std::wstring(path));
    EXPECT_TRUE(IsFolder(folder.File(L"A\\B")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path));
    // Again, with the folders already there.
    ASSERT_EQ(1, BuildLocation(folder.Path().c_str(), { L"A", L"B" }, nullptr, path));
    EXPECT_EQ(folder.File(L"A\\B"), std::wstring(path));
}

TEST(ThemeLocations, PathsThatCannotBeMadeAreEmpty)
{
    TempFolder folder;
    wchar_t path[MAX_PATH] = L"previous";
    EXPECT_EQ(0, BuildLocation(L"", { L"A" }, L"f", path));
    EXPECT_STREQ(L"", path);

    std::wstring longName(MAX_PATH - folder.Path().size() - 3, L'n');
    wcscpy(path, L"previous");
    EXPECT_EQ(0, BuildLocation(folder.Path().c_str(), { L"A" }, longName.c_str(), path));
    EXPECT_STREQ(L"", path);

    // The longest path that fits with its NUL.
    std::wstring fitting(MAX_PATH - 1 - folder.Path().size() - 1, L'n');
    EXPECT_EQ(1, BuildLocation(folder.Path().c_str(), {}, fitting.c_str(), path));
    EXPECT_EQ(static_cast<size_t>(MAX_PATH - 1), wcslen(path));
}
