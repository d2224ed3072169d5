// The library pages' arithmetic: preview placement, scroll steps, the sound
// file filter, the preview cache's name and row bounds.

#include "LibraryLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(LibraryLayout, APreviewCentresItsOpaqueBoundsInItsBox)
{
    struct Row {
        OpaqueRect Bounds;
        int BoxHeight;
        POINT Expected;
    };
    const Row rows[] = {{{5, 2, 40, 50}, kThemePreviewBoxHeight, {21, 7}},
                        {{5, 2, 40, 50}, kSpritePreviewBoxHeight, {21, 16}},
                        {{0, 0, 63, 63}, kThemePreviewBoxHeight, {16, 6}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Bounds.Right << " x " << row.BoxHeight);
        const POINT at = PreviewPlacement(row.Bounds, row.BoxHeight);
        EXPECT_EQ(row.Expected.x, at.x);
        EXPECT_EQ(row.Expected.y, at.y);
    }
}

TEST(LibraryLayout, TheScrollStepIsHalfTheTravelPerEntryAndAtLeastOne)
{
    struct Row {
        int Frame, Thumb, Entries, Step;
    };
    const Row rows[] = {{361, 30, 7, 22}, {361, 30, 0, 156}, {361, 30, 400, 1},
                        {361, 30, 4, 39}, {40, 30, 1, 1},    {0, 0, 0, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Frame << ", " << row.Entries << " entries");
        EXPECT_EQ(row.Step, ListScrollStep(row.Frame, row.Thumb, row.Entries));
    }
}

TEST(LibraryLayout, TheSoundFilterLooksAtEveryNameOfAListing)
{
    const std::vector<std::wstring> listing = {L"Ding.WAV", L".",    L"..",        L"x.Wav",
                                               L".wav",     L"a.wa", L"notes.txt", L"chime.wave"};
    EXPECT_EQ((std::vector<std::wstring>{L"Ding.WAV", L"x.Wav"}), SoundFileNames(listing));
}

TEST(LibraryLayout, ACacheNameThatDoesNotFitIsRefusedAndRowsStayInBounds)
{
    wchar_t cache[MAX_PATH];
    ASSERT_TRUE(PreviewCachePath(L"C:\\Themes", L"C:\\Themes\\Ocean.Trivane", cache));
    EXPECT_STREQ(L"C:\\Themes\\Preview\\Ocean.Trivane", cache);
    const std::wstring longFolder = L"C:\\" + std::wstring(240, L'f');
    EXPECT_FALSE(PreviewCachePath(longFolder.c_str(), L"C:\\x\\Ocean.Trivane", cache));
    EXPECT_STREQ(L"", cache);

    EXPECT_EQ(
        (std::vector<bool>{false, true, true, false}),
        (std::vector<bool>{RowInList(-1, 3), RowInList(0, 3), RowInList(2, 3), RowInList(3, 3)}));
    EXPECT_EQ((std::vector<int>{2, -1, -2}),
              (std::vector<int>{KeptRow(2, 3, -1), KeptRow(3, 3, -1), KeptRow(9, 3, -2)}));
}
