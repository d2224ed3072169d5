// The theme-properties and hot-key dialogs, run modally on the test's
// thread and driven from a second one, as a user would.

#include "SmallDialogs.h"

#include "Language.h"
#include "LibraryTestSupport.h"
#include "MessageBoxRecorder.h"
#include "PanelResources.h"
#include "TestRegistryKey.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace {

constexpr DWORD kDriverWaitMs = 5000;

struct Search {
    HWND Owner;
    HWND Found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32770") != 0 || GetWindow(window, GW_OWNER) != search->Owner ||
        !IsWindowVisible(window))
        return TRUE;
    search->Found = window;
    return FALSE;
}

// Waits up to the deadline for the condition, checking every 10 ms.
bool WaitFor(const std::function<bool()>& done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > kDriverWaitMs)
            return false;
        Sleep(10);
    }
    return true;
}

// Opens a dialog on this thread; a second thread finds it (class "#32770",
// owned by owner, shown) and runs drive on it. Should the dialog still be
// open a while later, or never be found, it is cancelled until it ends, so
// a failing test never hangs. The dialog's result.
INT_PTR RunDriven(HWND owner, const std::function<INT_PTR()>& open,
                  const std::function<void(HWND)>& drive)
{
    std::atomic<bool> closed{false};
    std::thread driver([&] {
        Search search{owner, nullptr};
        auto find = [&] {
            search.Found = nullptr;
            return !EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        };
        if (WaitFor([&] { return closed || find(); }) && !closed)
            drive(search.Found);
        if (WaitFor([&] { return closed.load(); }))
            return;
        while (!closed) {
            if (find())
                PostMessageW(search.Found, WM_COMMAND, IDCANCEL, 0);
            Sleep(50);
        }
    });
    const INT_PTR result = open();
    closed = true;
    driver.join();
    return result;
}

std::wstring TextOf(HWND window)
{
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    return text;
}

}  // namespace

// Each row: the "HotKey" stored, the key set in the control (0: left as
// shown), the button, the key the control showed, and what is stored then.
struct HotKeyRow {
    const char* Case;
    RegValue Stored;
    WPARAM Set;
    WPARAM Command;
    DWORD Shown;
    RegValue After;
};

// The settings key of the test's own, the hot-key class registered, a
// hidden owner window, and message boxes recorded.
class SmallDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_HOTKEY_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        HKEY created = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExW(HKEY_CURRENT_USER, key_.Subkey().c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &created, nullptr));
        RegCloseKey(created);
        savedKey_ = PanelSettingsKey;
        PanelSettingsKey = key_.Subkey();
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(nullptr, owner_);
    }
    void TearDown() override
    {
        DestroyWindow(owner_);
        PanelSettingsKey = savedKey_;
        Library.Properties = LibraryEntry{};
    }

    void RunHotKeyRows(const std::vector<HotKeyRow>& rows);

    TestRegistryKey key_{L"dialogs"};
    MessageBoxRecorder boxes_;
    std::wstring savedKey_;
    HWND owner_ = nullptr;
};

TEST_F(SmallDialogTest, ThePropertiesDialogShowsTheEntrysTextsReadOnly)
{
    struct Row {
        const char* Case;
        std::vector<std::wstring> Texts;  // name, author, version, website, e-mail, description
        WPARAM Command;
        std::vector<std::wstring> Shown;
    };
    const std::wstring two = L"Cut from the north face.\r\nPolished by hand.";
    const std::wstring longText(5000, L'x');
    std::wstring longLines;
    while (longLines.size() < 100000)
        longLines += L"A line of a long description, as an editor may save it.\r\n";
    longLines.resize(100000);
    const Row rows[] = {
        {"a whole entry, OK",
         {L"Quarry Stone", L"Studio Nine", L"3.2", L"https://example.org/q", L"", two},
         IDOK,
         {L"Quarry Stone", L"Studio Nine", L"3.2", L"https://example.org/q", L"", two}},
        {"5,000 characters everywhere, Cancel",
         std::vector<std::wstring>(6, longText),
         IDCANCEL,
         {longText.substr(0, 259), longText.substr(0, 199), longText.substr(0, 19),
          longText.substr(0, 199), longText.substr(0, 199), longText}},
        {"a description of 100,000 characters",
         {L"Long", L"", L"", L"", L"", longLines},
         IDOK,
         {L"Long", L"", L"", L"", L"", longLines}},
    };
    const int edits[] = {IDC_PROPERTIES_NAME,    IDC_PROPERTIES_AUTHOR, IDC_PROPERTIES_VERSION,
                         IDC_PROPERTIES_WEBSITE, IDC_PROPERTIES_EMAIL,  IDC_PROPERTIES_DESCRIPTION};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Case);
        CTheme theme;
        HeapText* texts[] = {&theme.Name,    &theme.Author, &theme.Version,
                             &theme.Website, &theme.Email,  &theme.Description};
        for (size_t i = 0; i < 6; ++i) {
            if (!row.Texts[i].empty())
                *texts[i] = DuplicateText(row.Texts[i].c_str());
        }
        LibraryEntry entry;
        TakeThemeTexts(theme, &entry);
        std::vector<std::wstring> shown;
        int readOnly = 0;
        const INT_PTR result = RunDriven(
            owner_, [&] { return ShowThemeProperties(owner_, entry); },
            [&](HWND dialog) {
                for (int id : edits) {
                    shown.push_back(TextOf(GetDlgItem(dialog, id)));
                    readOnly +=
                        (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY) != 0;
                }
                PostMessageW(dialog, WM_COMMAND, row.Command, 0);
            });
        EXPECT_EQ(1, result);
        EXPECT_EQ(row.Shown, shown);
        EXPECT_EQ(6, readOnly);
    }
}

void SmallDialogTest::RunHotKeyRows(const std::vector<HotKeyRow>& rows)
{
    const std::vector<std::wstring> texts{GetUiString(68), GetUiString(69), GetUiString(70),
                                          GetUiString(71)};
    for (const HotKeyRow& row : rows) {
        SCOPED_TRACE(row.Case);
        WriteValue(key_.Subkey(), L"HotKey", row.Stored);
        std::vector<std::wstring> shownTexts;
        LRESULT shown = -1;
        const INT_PTR result = RunDriven(
            owner_, [&] { return ShowHotKeyDialog(owner_); },
            [&](HWND dialog) {
                for (HWND window : {dialog, GetDlgItem(dialog, IDC_HOT_KEY_PROMPT),
                                    GetDlgItem(dialog, IDOK), GetDlgItem(dialog, IDCANCEL)})
                    shownTexts.push_back(TextOf(window));
                HWND control = GetDlgItem(dialog, IDC_HOT_KEY_CONTROL);
                shown = SendMessageW(control, HKM_GETHOTKEY, 0, 0);
                if (row.Set)
                    SendMessageW(control, HKM_SETHOTKEY, row.Set, 0);
                PostMessageW(dialog, WM_COMMAND, row.Command, 0);
            });
        EXPECT_EQ(1, result);
        EXPECT_EQ(texts, shownTexts);
        EXPECT_EQ(static_cast<LRESULT>(row.Shown), shown);
        EXPECT_EQ(row.After, ReadValue(key_.Subkey(), L"HotKey"));
    }
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(SmallDialogTest, TheHotKeyDialogStoresOnlyAChangedKey)
{
    RunHotKeyRows({
        {"unchanged", Dword(REG_BINARY, 0x250), 0, IDOK, 0x250, Dword(REG_BINARY, 0x250)},
        {"Ctrl+Alt+F9", Dword(REG_DWORD, 0x250), 0x678, IDOK, 0x250, Dword(REG_DWORD, 0x678)},
        {"cancelled", Dword(REG_DWORD, 0x250), 0x678, IDCANCEL, 0x250, Dword(REG_DWORD, 0x250)},
        {"high bits", Dword(REG_DWORD, 0x10250), 0, IDOK, 0x250, Dword(REG_DWORD, 0x250)},
    });
}

TEST_F(SmallDialogTest, TheHotKeyDialogReadsAnyStoredValue)
{
    RunHotKeyRows({
        {"zero", Dword(REG_DWORD, 0), 0, IDOK, 0, Dword(REG_DWORD, 0)},
        {"all bits", Dword(REG_DWORD, 0xFFFFFFFF), 0, IDOK, 0xFFFF, Dword(REG_DWORD, 0xFFFF)},
        {"two bytes",
         {REG_BINARY, std::string("\x50\x02", 2)},
         0,
         IDOK,
         0x250,
         {REG_BINARY, std::string("\x50\x02", 2)}},
        {"a string: Ctrl+Shift+C",
         {REG_SZ, TextBytes(L"Ctrl+P")},
         0,
         IDOK,
         0x343,
         Dword(REG_DWORD, 0x343)},
    });
}
