#include "Language.h"
#include "LanguageFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A sorted drop-down combo box in a hidden window, as on the About page.
class ComboBox {
public:
    ComboBox()
        : parent_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)),
          combo_(CreateWindowExW(0, L"COMBOBOX", L"",
                                 WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 168,
                                 120, parent_.Get(), nullptr, GetModuleHandleW(nullptr), nullptr))
    {}

    HWND Get() const { return combo_; }
    int Count() const { return static_cast<int>(SendMessageW(combo_, CB_GETCOUNT, 0, 0)); }
    int Selected() const { return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0)); }
    std::wstring SelectedText() const
    {
        int index = Selected();
        if (index == CB_ERR)
            return std::wstring();
        wchar_t text[kLanguageNameChars] = {};
        SendMessageW(combo_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return text;
    }

private:
    ScopedWindow parent_;
    HWND combo_;  // destroyed with its parent
};

std::vector<int32_t> ListedIds()
{
    std::vector<int32_t> ids;
    for (int32_t i = 0; i < LanguageCount; ++i)
        ids.push_back(LanguageList[i].LanguageId);
    std::sort(ids.begin(), ids.end());
    return ids;
}

void MakeFolders(const LanguageFixture& fixture, const std::vector<std::wstring>& names)
{
    for (const std::wstring& name : names)
        ASSERT_TRUE(CreateDirectoryW(fixture.LanguageFolder(name).c_str(), nullptr));
}

}  // namespace

TEST(FillLanguageCombo, ListsEveryLanguageFolderButNotPlainFiles)
{
    LanguageFixture fixture;
    MakeFolders(fixture, {L"1031", L"01031", L"1033"});
    ASSERT_TRUE(WriteBytesToFile(fixture.LanguageFolder(L"1040"), "x", 1));
    ASSERT_TRUE(fixture.SetLanguage(1031));
    ComboBox combo;
    FillLanguageComboFrom(combo.Get(), fixture.Source());
    EXPECT_EQ(3, LanguageCount);
    EXPECT_EQ(3, combo.Count());
    EXPECT_EQ(std::vector<int32_t>({1031, 1031, 1033}), ListedIds());
    for (int32_t i = 0; i < LanguageCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(LocaleLanguageName(LanguageList[i].LanguageId), LanguageList[i].Name);
    }
}

TEST(FillLanguageCombo, SelectsTheChosenLanguageElseEnglishElseNothing)
{
    struct Case {
        const char* Name;
        std::vector<std::wstring> Folders;
        DWORD Language;
        int SelectedId;  // 0: no selection
    };
    const Case cases[] = {
        {"German chosen", {L"1031", L"01031", L"1033"}, 1031, 1031},
        {"French not listed", {L"1031", L"01031", L"1033"}, 1036, 1033},
        {"neither listed", {L"1031"}, 1036, 0},
        {"no folders", {}, 1033, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LanguageFixture fixture;
        MakeFolders(fixture, c.Folders);
        ASSERT_TRUE(fixture.SetLanguage(c.Language));
        ComboBox combo;
        int result = FillLanguageComboFrom(combo.Get(), fixture.Source());
        if (c.SelectedId == 0) {
            EXPECT_EQ(CB_ERR, result);
            EXPECT_EQ(CB_ERR, combo.Selected());
        } else {
            EXPECT_EQ(combo.Selected(), result);
            EXPECT_EQ(LocaleLanguageName(c.SelectedId), combo.SelectedText());
        }
    }
}

TEST(FillLanguageCombo, AMissingLangFolderListsNothing)
{
    LanguageFixture fixture;
    ASSERT_TRUE(RemoveDirectoryW((fixture.Source().ProgramFolder + L"\\lang").c_str()));
    ComboBox combo;
    EXPECT_EQ(CB_ERR, FillLanguageComboFrom(combo.Get(), fixture.Source()));
    EXPECT_EQ(0, LanguageCount);
    EXPECT_EQ(0, combo.Count());
    EXPECT_EQ(0, LanguageIdByName(LocaleLanguageName(1033).c_str()));
}

TEST(FillLanguageCombo, StopsAt64Languages)
{
    LanguageFixture fixture;
    for (int id = 1025; id < 1025 + 70; ++id)
        ASSERT_TRUE(CreateDirectoryW(fixture.LanguageFolder(std::to_wstring(id)).c_str(), nullptr));
    ComboBox combo;
    FillLanguageComboFrom(combo.Get(), fixture.Source());
    EXPECT_EQ(64, LanguageCount);
    EXPECT_EQ(64, combo.Count());
}

TEST(FillLanguageCombo, SkipsFoldersWhoseNameIsNoLanguageId)
{
    LanguageFixture fixture;
    MakeFolders(fixture, {L"abc", L"0", L"-5", L"1033"});
    ComboBox combo;
    FillLanguageComboFrom(combo.Get(), fixture.Source());
    EXPECT_EQ(std::vector<int32_t>({1033}), ListedIds());
    EXPECT_EQ(1, combo.Count());
}

TEST(FillLanguageCombo, EachFillStartsFromAnEmptyList)
{
    LanguageFixture fixture;
    MakeFolders(fixture, {L"1031", L"1033"});
    ComboBox first;
    ComboBox second;
    FillLanguageComboFrom(first.Get(), fixture.Source());
    FillLanguageComboFrom(second.Get(), fixture.Source());
    EXPECT_EQ(2, LanguageCount);
}

TEST(LanguageIdByName, FindsAListedNameExactlyAndCaseSensitively)
{
    LanguageFixture fixture;
    MakeFolders(fixture, {L"1031", L"1033"});
    ComboBox combo;
    FillLanguageComboFrom(combo.Get(), fixture.Source());
    const std::wstring german = LocaleLanguageName(1031);
    ASSERT_FALSE(german.empty());
    std::wstring lower = german;
    CharLowerW(lower.data());
    ASSERT_NE(german, lower);
    EXPECT_EQ(1031, LanguageIdByName(german.c_str()));
    EXPECT_EQ(1033, LanguageIdByName(LocaleLanguageName(1033).c_str()));
    EXPECT_EQ(0, LanguageIdByName(lower.c_str()));
    EXPECT_EQ(0, LanguageIdByName(L""));
    EXPECT_EQ(0, LanguageIdByName(nullptr));
}
