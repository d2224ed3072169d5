// The theme-properties and hot-key dialogs, run modally on the test's
// thread and driven from a second one, as a user would.

#include "SmallDialogs.h"

#include "Language.h"
#include "LibraryTestSupport.h"
#include "MessageBoxRecorder.h"
#include "PanelResources.h"
#include "PanelTestSupport.h"

#include <commctrl.h>

#include <gtest/gtest.h>


// The panel's settings key of the test's own, the hot-key class
// registered, a hidden owner, and message boxes recorded.
class SmallDialogTest : public ComposeTest {
protected:
    void SetUp() override
    {
        ComposeTest::SetUp();
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_HOTKEY_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        owner_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr,
                                 nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(owner_);
        EXPECT_TRUE(boxes_.Boxes().empty());
        ComposeTest::TearDown();
    }

    MessageBoxRecorder boxes_;
    HWND owner_ = nullptr;
};

TEST_F(SmallDialogTest, ThePropertiesDialogShowsTheEntrysTextsReadOnly)
{
    // Name, author, version, website, e-mail, description, as the entry
    // holds them (cut to its fields).
    const size_t fields[] = {259, 199, 19, 199, 199, 100000};
    std::wstring lines;
    while (lines.size() < 100000)
        lines += L"A line of a long description, as an editor saves it.\r\n";
    lines.resize(100000);
    const std::wstring x(5000, L'x');
    const std::pair<std::vector<std::wstring>, WPARAM> rows[] = {
        {{L"Quarry Stone", L"Studio Nine", L"3.2", L"https://example.org/q", L"",
          L"Cut from the north face.\r\nPolished by hand."},
         IDOK},
        {{x, x, x, x, x, x}, IDCANCEL},
        {{L"Long", L"", L"", L"", L"", lines}, IDOK},
    };
    for (const auto& [texts, command] : rows) {
        SCOPED_TRACE(testing::Message() << texts[0].substr(0, 12) << ", command " << command);
        CTheme theme;
        HeapText* fieldsOf[] = {&theme.Name,    &theme.Author, &theme.Version,
                                &theme.Website, &theme.Email,  &theme.Description};
        std::vector<std::wstring> expected, shown;
        for (size_t i = 0; i < 6; ++i) {
            *fieldsOf[i] = texts[i].empty() ? nullptr : DuplicateText(texts[i].c_str());
            expected.push_back(texts[i].substr(0, fields[i]));
        }
        LibraryEntry entry;
        TakeThemeTexts(theme, &entry);
        int readOnly = 0;
        auto read = [&, command = command](HWND dialog) {
            for (int id :
                 {IDC_PROPERTIES_NAME, IDC_PROPERTIES_AUTHOR, IDC_PROPERTIES_VERSION,
                  IDC_PROPERTIES_WEBSITE, IDC_PROPERTIES_EMAIL, IDC_PROPERTIES_DESCRIPTION}) {
                HWND edit = GetDlgItem(dialog, id);
                shown.push_back(TextOf(edit));
                readOnly += (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0;
            }
            PostMessageW(dialog, WM_COMMAND, command, 0);
        };
        EXPECT_EQ(1, RunDriven(
                         owner_, [&] { return ShowThemeProperties(owner_, entry); }, read));
        EXPECT_EQ(expected, shown);
        EXPECT_EQ(6, readOnly);
    }
}

TEST_F(SmallDialogTest, TheHotKeyDialogShowsTheStoredKeyAndStoresOnlyAChangedOne)
{
    // The "HotKey" stored, the key then set in the control (0: none), the
    // button, the key the control showed, and what is stored after.
    struct Row {
        const char* Case;
        RegValue Stored;
        WPARAM Set;
        WPARAM Command;
        LRESULT Shown;
        RegValue After;
    };
    const RegValue twoBytes{REG_BINARY, std::string("\x50\x02", 2)};
    const Row rows[] = {
        {"unchanged", Dword(REG_BINARY, 0x250), 0, IDOK, 0x250, Dword(REG_BINARY, 0x250)},
        {"Ctrl+Alt+F9", Dword(REG_DWORD, 0x250), 0x678, IDOK, 0x250, Dword(REG_DWORD, 0x678)},
        {"cancelled", Dword(REG_DWORD, 0x250), 0x678, IDCANCEL, 0x250, Dword(REG_DWORD, 0x250)},
        {"high bits", Dword(REG_DWORD, 0x10250), 0, IDOK, 0x250, Dword(REG_DWORD, 0x250)},
        {"zero", Dword(REG_DWORD, 0), 0, IDOK, 0, Dword(REG_DWORD, 0)},
        {"all bits", Dword(REG_DWORD, 0xFFFFFFFF), 0, IDOK, 0xFFFF, Dword(REG_DWORD, 0xFFFF)},
        {"two bytes", twoBytes, 0, IDOK, 0x250, twoBytes},
        {"a string", {REG_SZ, TextBytes(L"Ctrl+P")}, 0, IDOK, 0x343, Dword(REG_DWORD, 0x343)},
    };
    const std::vector<std::wstring> texts{GetUiString(68), GetUiString(69), GetUiString(70),
                                          GetUiString(71)};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Case);
        WriteValue(key_, L"HotKey", row.Stored);
        std::vector<std::wstring> shownTexts;
        LRESULT shown = -1;
        auto drive = [&](HWND dialog) {
            for (int id : {0, IDC_HOT_KEY_PROMPT, IDOK, IDCANCEL})
                shownTexts.push_back(TextOf(id ? GetDlgItem(dialog, id) : dialog));
            HWND control = GetDlgItem(dialog, IDC_HOT_KEY_CONTROL);
            shown = SendMessageW(control, HKM_GETHOTKEY, 0, 0);
            if (row.Set)
                SendMessageW(control, HKM_SETHOTKEY, row.Set, 0);
            PostMessageW(dialog, WM_COMMAND, row.Command, 0);
        };
        EXPECT_EQ(1, RunDriven(
                         owner_, [&] { return ShowHotKeyDialog(owner_); }, drive));
        EXPECT_EQ(texts, shownTexts);
        EXPECT_EQ(row.Shown, shown);
        EXPECT_EQ(row.After, ReadValue(key_, L"HotKey"));
    }
}
