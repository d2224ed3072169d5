// Choosing another language on the About page: the setting is stored, and
// on Yes a new panel starts while this one stops being the one to find.

#include "MainDialogTestSupport.h"

#include "Language.h"
#include "MessageBoxRecorder.h"
#include "PanelNotices.h"
#include "PanelResources.h"
#include "PanelSettings.h"
#include "PanelShell.h"

#include <gtest/gtest.h>

namespace {

class LanguageChangeTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        for (const wchar_t* id : {L"1033", L"1036"}) {
            const std::wstring folder = languages_.File(L"lang");
            CreateDirectoryW(folder.c_str(), nullptr);
            CreateDirectoryW((folder + L"\\" + id).c_str(), nullptr);
        }
        const char english[] = "58=Trivane Control Panel\r\n78=Restart now?\r\n";
        const char french[] = "58=Panneau Trivane\r\n";
        ASSERT_TRUE(
            WriteBytesToFile(languages_.File(L"lang\\1033\\ui.txt"), english, sizeof(english) - 1));
        ASSERT_TRUE(
            WriteBytesToFile(languages_.File(L"lang\\1036\\ui.txt"), french, sizeof(french) - 1));
        PanelLanguage.ProgramFolder = languages_.Path();
        PanelLanguage.SettingsKey = key_;
        WriteSettingDwordBeforeBuild(1033);
        ASSERT_EQ(1, LoadLanguageFrom(PanelLanguage, nullptr));
        ASSERT_NE(nullptr, OpenDialog());
        combo_ = GetDlgItem(dialog_, IDC_PANEL_LANGUAGE);
    }

    static void WriteSettingDwordBeforeBuild(DWORD value)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, PanelSettingsKey.c_str(), L"Language", REG_DWORD, &value,
                        sizeof(value));
    }

    // Picks the combo's entry of that name (none: -1) as the user does.
    void Choose(const wchar_t* name)
    {
        const LRESULT index =
            name ? SendMessageW(combo_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(name))
                 : -1;
        SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_PANEL_LANGUAGE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo_));
    }

    static const wchar_t* NameOf(int32_t id)
    {
        for (int32_t i = 0; i < LanguageCount; ++i) {
            if (LanguageList[i].LanguageId == id)
                return LanguageList[i].Name;
        }
        return nullptr;
    }

    int32_t StoredLanguage() const
    {
        int32_t value = -1;
        ReadSettingDword(&value, L"Language", -1);
        return value;
    }

    TempFolder languages_;
    HWND combo_ = nullptr;
};

bool QuitPosted(WPARAM* code)
{
    MSG message;
    if (!PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *code = message.wParam;
    return true;
}

}  // namespace

TEST_F(LanguageChangeTest, FrenchIsStoredAndNoKeepsThePanelRunning)
{
    ASSERT_EQ(2, LanguageCount);
    ASSERT_NE(nullptr, NameOf(1036));
    MessageBoxRecorder boxes(IDNO);
    Choose(NameOf(1036));
    EXPECT_EQ(1036, StoredLanguage());
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(L"Restart now?", boxes.Boxes()[0].Text);
    EXPECT_EQ(L"Trivane", boxes.Boxes()[0].Caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Boxes()[0].Type);
    EXPECT_TRUE(world_.Launches.empty());
    EXPECT_EQ(PanelWindowMark, GetWindowLongPtrW(dialog_, GWLP_USERDATA));
    WPARAM code = 0;
    EXPECT_FALSE(QuitPosted(&code));

    Choose(nullptr);
    EXPECT_EQ(0, StoredLanguage()) << "no language: the user's own";
}

TEST_F(LanguageChangeTest, YesStartsTheProgramAgainAndLeavesThisDialogUnfindable)
{
    MessageBoxRecorder boxes(IDYES);
    Choose(NameOf(1036));
    EXPECT_EQ(1036, StoredLanguage());
    wchar_t title[64] = {L'?'};
    GetWindowTextW(dialog_, title, 64);
    EXPECT_STREQ(L"", title);
    EXPECT_EQ(0, GetWindowLongPtrW(dialog_, GWLP_USERDATA));
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    ASSERT_EQ(1u, world_.Launches.size());
    EXPECT_EQ(program, std::get<0>(world_.Launches[0]));
    EXPECT_EQ(nullptr, std::get<1>(world_.Launches[0]));
    WPARAM code = 0;
    ASSERT_TRUE(QuitPosted(&code));
    EXPECT_EQ(1u, code);
}
