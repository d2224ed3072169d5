// The library pages' arithmetic: preview placement, scroll steps, the sound
// file filter and the preview cache's name.

#include "LibraryLayout.h"
#include "ThemeFileDeletion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(LibraryLayout, APreviewCentresItsOpaqueBoundsInItsBox)
{
    const std::pair<OpaqueRect, int> cases[] = {{{5, 2, 40, 50}, kThemePreviewBoxHeight},
                                                {{5, 2, 40, 50}, kSpritePreviewBoxHeight},
                                                {{0, 0, 63, 63}, kThemePreviewBoxHeight}};
    std::vector<int> places;
    for (const auto& [bounds, boxHeight] : cases) {
        const POINT at = PreviewPlacement(bounds, boxHeight);
        places.insert(places.end(), {at.x, at.y});
    }
    EXPECT_EQ((std::vector<int>{21, 7, 21, 16, 16, 6}), places);
}

TEST(LibraryLayout, TheScrollStepIsHalfTheTravelPerEntryAndAtLeastOne)
{
    struct Row {
        int Frame, Thumb, Entries, Step;
    };
    const Row rows[] = {
        {361, 30, 7, 22}, {361, 30, 0, 156}, {361, 30, 400, 1}, {361, 30, 4, 39}, {40, 30, 1, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Frame << ", " << row.Entries << " entries");
        EXPECT_EQ(row.Step, ListScrollStep(row.Frame, row.Thumb, row.Entries));
    }
}

TEST(LibraryLayout, SoundFilesAreFoundFromTheFirstNameOfAListingAndCacheNamesMustFit)
{
    const std::vector<std::wstring> listing = {L"Ding.WAV",  L".",    L"..",   L"x.Wav",
                                               L"notes.txt", L".wav", L"a.wa", L"chime.wave"};
    EXPECT_EQ((std::vector<std::wstring>{L"Ding.WAV", L"x.Wav"}), SoundFileNames(listing));

    wchar_t cache[MAX_PATH];
    ASSERT_TRUE(PreviewCachePath(L"C:\\Themes", L"C:\\Themes\\Ocean.Trivane", cache));
    EXPECT_STREQ(L"C:\\Themes\\Preview\\Ocean.Trivane", cache);
    EXPECT_FALSE(PreviewCachePath(std::wstring(250, L'f').c_str(), L"C:\\Ocean.Trivane", cache));
}
