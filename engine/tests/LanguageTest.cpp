#include "Language.h"
#include "LanguageFixtures.h"
#include "MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace {

const std::string kEnglish = "1=One\r\n2=Two\r\n7=Seven\r\n";
const std::string kGerman = "1=Eins\r\n7=\r\n";

std::optional<std::wstring> Text(int32_t n)
{
    const wchar_t* text = GetUiString(n);
    return text ? std::optional<std::wstring>(text) : std::nullopt;
}

int FilledSlots(const UiTable& table)
{
    int filled = 0;
    for (const auto& slot : table)
        filled += slot.has_value() ? 1 : 0;
    return filled;
}

std::string Utf16WithMark(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

}  // namespace

TEST(LoadLanguage, TheChosenLanguageWithEnglishFillingItsGaps)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"1031", kGerman));
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", kEnglish));
    ASSERT_TRUE(fixture.SetLanguage(1031));
    MessageBoxRecorder boxes;
    int32_t ownFileFound = -1;
    EXPECT_EQ(1, LoadLanguageFrom(fixture.Source(), &ownFileFound));
    EXPECT_EQ(1, ownFileFound);
    EXPECT_EQ(L"Eins", Text(1));
    EXPECT_EQ(L"Two", Text(2));
    EXPECT_EQ(L"", Text(7));  // an empty text is a text: English is not asked
    EXPECT_EQ(std::nullopt, Text(3));
    EXPECT_EQ(0u, boxes.Boxes().size());
}

TEST(LoadLanguage, EnglishStandsInForAMissingLanguageWithoutABox)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", kEnglish));
    ASSERT_TRUE(fixture.SetLanguage(1031));
    MessageBoxRecorder boxes;
    int32_t ownFileFound = -1;
    EXPECT_EQ(1, LoadLanguageFrom(fixture.Source(), &ownFileFound));
    EXPECT_EQ(0, ownFileFound);
    EXPECT_EQ(L"Two", UiStringTable[2]);
    EXPECT_EQ(L"Two", UiFallbackTable[2]);
    EXPECT_EQ(L"One", Text(1));
    EXPECT_EQ(0u, boxes.Boxes().size());
}

TEST(LoadLanguage, NoLanguageFileShowsOneBoxAndLeavesEveryTextNull)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.SetLanguage(1031));
    MessageBoxRecorder boxes;
    int32_t ownFileFound = -1;
    EXPECT_EQ(0, LoadLanguageFrom(fixture.Source(), &ownFileFound));
    EXPECT_EQ(0, ownFileFound);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(nullptr, boxes.Boxes()[0].Owner);
    EXPECT_EQ(L"Could not find translation file", boxes.Boxes()[0].Text);
    EXPECT_EQ(L"Trivane", boxes.Boxes()[0].Caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), boxes.Boxes()[0].Type);
    for (int32_t n = 0; n <= 150; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(nullptr, GetUiString(n));
    }
}

TEST(LoadLanguage, WithoutEnglishTheGapsOfTheChosenLanguageGiveNull)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"1031", kGerman));
    ASSERT_TRUE(fixture.SetLanguage(1031));
    MessageBoxRecorder boxes;
    int32_t ownFileFound = -1;
    EXPECT_EQ(1, LoadLanguageFrom(fixture.Source(), &ownFileFound));
    EXPECT_EQ(1, ownFileFound);
    EXPECT_EQ(L"Eins", Text(1));
    EXPECT_EQ(std::nullopt, Text(2));
    EXPECT_EQ(0, FilledSlots(UiFallbackTable));
    EXPECT_EQ(0u, boxes.Boxes().size());
}

TEST(LoadLanguage, EnglishChosenFillsBothTablesFromOneFile)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", kEnglish));
    ASSERT_TRUE(fixture.SetLanguage(1033));
    int32_t ownFileFound = -1;
    EXPECT_EQ(1, LoadLanguageFrom(fixture.Source(), &ownFileFound));
    EXPECT_EQ(1, ownFileFound);
    EXPECT_EQ(3, FilledSlots(UiStringTable));
    EXPECT_EQ(UiFallbackTable, UiStringTable);
}

TEST(LoadLanguage, LanguageZeroMeansTheUsersDefaultLanguage)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", kEnglish));
    const std::wstring userDefault = std::to_wstring(GetUserDefaultLangID());
    ASSERT_TRUE(fixture.WriteUiFile(userDefault, "1=Default\r\n"));
    for (bool written : {false, true}) {
        SCOPED_TRACE(written ? "Language 0" : "no Language value");
        if (written) {
            ASSERT_TRUE(fixture.SetLanguage(0));
        }
        int32_t ownFileFound = -1;
        EXPECT_EQ(1, LoadLanguageFrom(fixture.Source(), &ownFileFound));
        EXPECT_EQ(1, ownFileFound);
        EXPECT_EQ(L"Default", Text(1));
    }
}

TEST(LoadLanguage, AFolderNamedWithLeadingZerosIsNotTheLanguagesFolder)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"01031", kGerman));
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", kEnglish));
    ASSERT_TRUE(fixture.SetLanguage(1031));
    int32_t ownFileFound = -1;
    EXPECT_EQ(1, LoadLanguageFrom(fixture.Source(), &ownFileFound));
    EXPECT_EQ(0, ownFileFound);
    EXPECT_EQ(L"One", Text(1));
}

TEST(LoadLanguage, AcceptsANullOwnFileFlag)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", kEnglish));
    ASSERT_TRUE(fixture.SetLanguage(1033));
    EXPECT_EQ(1, LoadLanguageFrom(fixture.Source(), nullptr));
    EXPECT_EQ(L"One", Text(1));
}

TEST(GetUiString, GivesNullOutside1To149)
{
    LanguageFixture fixture;
    std::string all;
    for (int n = 0; n <= 150; ++n)
        all += std::to_string(n) + "=text\r\n";
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", all));
    ASSERT_TRUE(fixture.SetLanguage(1033));
    ASSERT_EQ(1, LoadLanguageFrom(fixture.Source(), nullptr));
    EXPECT_EQ(L"text", Text(1));
    EXPECT_EQ(L"text", Text(149));
    for (int32_t n : {0, 150, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(nullptr, GetUiString(n));
    }
}

TEST(ParseUiFile, Utf16AndAnsiFilesWithTheSameLinesGiveTheSameTable)
{
    const std::wstring lines = L"1=One\r\n12 = word\n7==a\r149=last";
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"ansi", std::string(lines.begin(), lines.end())));
    ASSERT_TRUE(fixture.WriteUiFile(L"utf16", Utf16WithMark(lines)));
    UiTable ansi;
    UiTable utf16;
    ParseUiFile((fixture.LanguageFolder(L"ansi") + L"\\ui.txt").c_str(), ansi);
    ParseUiFile((fixture.LanguageFolder(L"utf16") + L"\\ui.txt").c_str(), utf16);
    EXPECT_EQ(4, FilledSlots(ansi));
    EXPECT_EQ(L" word", ansi[12]);
    EXPECT_EQ(L"last", ansi[149]);
    EXPECT_EQ(ansi, utf16);
}

TEST(ParseUiFile, BadFilesGiveNoTextsOrTheirReadableLinesAndNoCrash)
{
    std::mt19937 random(1234);
    std::string garbage(4096, '\0');
    for (char& byte : garbage)
        byte = static_cast<char>(random());
    struct Case {
        const char* Name;
        std::string Bytes;
        int MinFilled;  // slots the file may fill at least
    };
    const Case cases[] = {
        {"1 byte", "1", 0},
        {"2 bytes", "1=", 0},
        {"only the UTF-16 mark", "\xFF\xFE", 0},
        {"binary garbage", garbage, 0},
        {"UTF-16 with an odd byte count", Utf16WithMark(L"3=odd\r\n") + "\x41", 0},
        {"100,000-character line", "4=" + std::string(99998, 'x') + "\r\n5=after\r\n", 2},
        {"NUL inside", std::string("6=before\r\n\0\r\n8=after\r\n", 22), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LanguageFixture fixture;
        ASSERT_TRUE(fixture.WriteUiFile(L"1033", c.Bytes));
        UiTable table;
        ParseUiFile((fixture.LanguageFolder(L"1033") + L"\\ui.txt").c_str(), table);
        EXPECT_LE(c.MinFilled, FilledSlots(table));
    }
}

TEST(ParseUiFile, AMissingFileOrAFolderAddsNothing)
{
    LanguageFixture fixture;
    CreateDirectoryW(fixture.LanguageFolder(L"1033").c_str(), nullptr);
    CreateDirectoryW((fixture.LanguageFolder(L"1033") + L"\\ui.txt").c_str(), nullptr);
    UiTable table;
    table[3] = L"kept";
    ParseUiFile((fixture.LanguageFolder(L"1033") + L"\\ui.txt").c_str(), table);
    ParseUiFile((fixture.LanguageFolder(L"1031") + L"\\ui.txt").c_str(), table);
    EXPECT_EQ(1, FilledSlots(table));
    EXPECT_EQ(L"kept", table[3]);
}

TEST(ParseUiFile, LongLinesAndTheLineAfterThem)
{
    LanguageFixture fixture;
    ASSERT_TRUE(fixture.WriteUiFile(L"1033", "12=" + std::string(4997, 'a') +
                                                 "\r\n13=" + std::string(99996, 'b') + "\r\n14=c"));
    UiTable table;
    ParseUiFile((fixture.LanguageFolder(L"1033") + L"\\ui.txt").c_str(), table);
    EXPECT_EQ(std::wstring(2045, L'a'), table[12]);
    EXPECT_EQ(std::wstring(2045, L'b'), table[13]);
    EXPECT_EQ(L"c", table[14]);
}

TEST(LoadLanguage, FromTheProgramsOwnFolderFindsTheInstalledEnglishTexts)
{
    MessageBoxRecorder boxes;
    int32_t ownFileFound = -1;
    EXPECT_EQ(1, LoadLanguage(&ownFileFound));
    EXPECT_EQ(0u, boxes.Boxes().size());
    EXPECT_EQ(L"Trivane Control Panel", Text(58));
    EXPECT_EQ(L"Right double-click", Text(109));
    EXPECT_EQ(L"Right double-click", UiFallbackTable[109]);
}
