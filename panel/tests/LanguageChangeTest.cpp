// Choosing another language on the About page: the setting is stored, and
// on Yes a new panel starts while this one stops being the one to find.

#include "MainDialogTestSupport.h"

#include "Language.h"
#include "MessageBoxRecorder.h"
#include "PanelNotices.h"
#include "PanelResources.h"
#include "PanelSettings.h"

#include <gtest/gtest.h>

namespace {

const wchar_t* LanguageName(int32_t id)
{
    for (int32_t i = 0; i < LanguageCount; ++i) {
        if (LanguageList[i].LanguageId == id)
            return LanguageList[i].Name;
    }
    return nullptr;
}

// Picks the combo's entry of that name (null: none) as the user does.
void Choose(HWND dialog, const wchar_t* name)
{
    HWND combo = GetDlgItem(dialog, IDC_PANEL_LANGUAGE);
    const LRESULT index = name ? SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(name))
                               : -1;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_PANEL_LANGUAGE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int32_t StoredLanguage()
{
    int32_t value = -1;
    ReadSettingDword(&value, L"Language", -1);
    return value;
}

}  // namespace

TEST_F(MainDialogTest, ALanguageIsStoredAndYesStartsThePanelAgainUnderANewDialog)
{
    TempFolder languages;
    const std::pair<const wchar_t*, std::string> files[] = {
        {L"1033", "58=Trivane Control Panel\r\n78=Restart now?\r\n"}, {L"1036", "58=Panneau\r\n"}};
    CreateDirectoryW(languages.File(L"lang").c_str(), nullptr);
    for (const auto& [id, text] : files) {
        const std::wstring folder = languages.File(L"lang\\") + id;
        CreateDirectoryW(folder.c_str(), nullptr);
        ASSERT_TRUE(WriteBytesToFile(folder + L"\\ui.txt", text.data(), text.size()));
    }
    PanelLanguage.ProgramFolder = languages.Path();
    PanelLanguage.SettingsKey = key_;
    ASSERT_EQ(1, LoadLanguageFrom(PanelLanguage, nullptr));
    ASSERT_NE(nullptr, OpenDialog());
    ASSERT_EQ(2, LanguageCount);

    MessageBoxRecorder boxes(IDNO);
    Choose(dialog_, LanguageName(1036));
    EXPECT_EQ(1036, StoredLanguage());
    ASSERT_EQ(1u, boxes.Boxes().size());
    const RecordedMessageBox& box = boxes.Boxes()[0];
    EXPECT_EQ((std::vector<std::wstring>{L"Restart now?", L"Trivane"}),
              (std::vector<std::wstring>{box.Text, box.Caption}));
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), box.Type);
    EXPECT_TRUE(world_.Launches.empty()) << "No: the panel runs on";
    EXPECT_EQ(PanelWindowMark, GetWindowLongPtrW(dialog_, GWLP_USERDATA));
    Choose(dialog_, nullptr);
    EXPECT_EQ(0, StoredLanguage()) << "no language: the user's own";

    boxes.SetAnswer(IDYES);
    Choose(dialog_, LanguageName(1036));
    wchar_t title[64] = {L'?'};
    GetWindowTextW(dialog_, title, 64);
    EXPECT_STREQ(L"", title);
    EXPECT_EQ(0, GetWindowLongPtrW(dialog_, GWLP_USERDATA));
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    ASSERT_EQ(1u, world_.Launches.size());
    EXPECT_EQ(program, world_.Launches[0].File);
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(1u, quit.wParam);
}
