// The settings page in sheets, through the library: the host's own sheet
// over the extension's page, the stand-alone sheet, unloading, and Apply
// reaching a running engine or starting one beside the library.

#include "CplLibrary.h"

#include "MessagePump.h"
#include "ThemeLocations.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kStartTimeoutMs = 15000;

class CplSheetTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(nullptr, FindWindowW(L"Pavolt", nullptr)); }

    // Opens the page in the host's sheet; the extension object is released
    // again, so only the page holds it.
    HWND OpenExtensionSheet(CplLibrary& library)
    {
        ExtensionObject extension;
        std::vector<HPROPSHEETPAGE> pages;
        if (CreateExtension(library, nullptr, &extension) != S_OK ||
            AddPages(extension.Sheet, true, &pages) != S_OK || pages.size() != 1)
            return nullptr;
        return OpenHostSheet(pages);
    }

    HWND OpenStandAloneSheet(CplLibrary& library)
    {
        HWND sheet = nullptr;
        return library.StandAlone(&sheet) ? sheet : nullptr;
    }

    TempFolder folder_;
    SavedUserState saved_;
};

HWND CurrentPage(HWND sheet)
{
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int TabCount(HWND sheet)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
}

std::wstring Title(HWND window)
{
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

void SetDisabled(DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Kelmora\\Trivane", L"Disabled", REG_DWORD,
                    &value, sizeof(value));
}

void PressApply(HWND sheet)
{
    SendMessageW(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0);
    SendMessageW(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
}

}  // namespace

TEST_F(CplSheetTest, TheHostSheetShowsThePageUntilItIsDestroyed)
{
    CplLibrary library(folder_);
    HWND sheet = OpenExtensionSheet(library);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(L"Trivane", TabText(sheet, 0));
    HWND page = CurrentPage(sheet);
    ASSERT_NE(nullptr, page);
    EXPECT_NE(nullptr, GetDlgItem(page, 1004));  // template 101
    EXPECT_NE(nullptr, GetDlgItem(page, 1005));
    PumpMessagesFor(200);
    EXPECT_EQ(S_FALSE, library.CanUnloadNow());
    CloseSheet(sheet);
    EXPECT_EQ(S_OK, library.CanUnloadNow());
}

TEST_F(CplSheetTest, ARefusedPageGivesItsReferenceBack)
{
    CplLibrary library(folder_);
    ExtensionObject extension;
    ASSERT_EQ(S_OK, CreateExtension(library, nullptr, &extension));
    std::vector<HPROPSHEETPAGE> pages;
    EXPECT_EQ(S_OK, AddPages(extension.Sheet, false, &pages));
    EXPECT_TRUE(pages.empty());
    EXPECT_EQ(3u, extension.Init->AddRef());  // Init, Sheet and this one: no page's
    extension.Init->Release();
    extension.Release();
    EXPECT_EQ(S_OK, library.CanUnloadNow());
}

TEST_F(CplSheetTest, StandAloneShowsOneSheetAtATime)
{
    CplLibrary library(folder_);
    EXPECT_FALSE(library.StandAlone(nullptr));
    EXPECT_EQ(nullptr, FindWindowW(nullptr, L"Trivane"));

    HWND sheet = OpenStandAloneSheet(library);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(L"Trivane", Title(sheet));
    EXPECT_EQ(1, TabCount(sheet));
    EXPECT_NE(nullptr, CurrentPage(sheet));
    EXPECT_EQ(S_FALSE, library.CanUnloadNow());

    HWND second = reinterpret_cast<HWND>(1);
    EXPECT_FALSE(library.StandAlone(&second));
    EXPECT_EQ(nullptr, second);
    EXPECT_TRUE(IsWindow(sheet));
    EXPECT_NE(nullptr, CurrentPage(sheet));

    PumpMessagesFor(300);
    CloseSheet(sheet);
    EXPECT_EQ(S_OK, library.CanUnloadNow());
}

TEST_F(CplSheetTest, SheetsInTurnThenTheLibraryUnloadsAndLoadsAgain)
{
    CplLibrary library(folder_);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        HWND sheet = round == 0 ? OpenStandAloneSheet(library) : OpenExtensionSheet(library);
        ASSERT_NE(nullptr, sheet);
        ASSERT_NE(nullptr, CurrentPage(sheet));
        PumpMessagesFor(300);  // paints, and whatever timers they arm
        CloseSheet(sheet);
    }
    EXPECT_EQ(S_OK, library.CanUnloadNow());
    library.Free();
    EXPECT_EQ(nullptr, GetModuleHandleW(library.Path().c_str()));
    // A thread timer left behind would call into the freed library.
    EXPECT_EQ(0, PumpCountingThreadTimers(3000));

    ASSERT_TRUE(library.Load());
    HWND sheet = OpenStandAloneSheet(library);
    ASSERT_NE(nullptr, sheet);
    EXPECT_NE(nullptr, CurrentPage(sheet));
    CloseSheet(sheet);
}

TEST_F(CplSheetTest, ApplyStartsTheEngineBesideTheLibraryUnderAnyName)
{
    const char kTheme[] = "the current theme, untouched";
    wchar_t themePath[MAX_PATH];
    GetCurrentThemePath(themePath);
    ASSERT_TRUE(WriteBytesToFile(themePath, kTheme, sizeof(kTheme)));
    for (const wchar_t* name : {L"TrivaneCpl.dll", L"Renamed.dll"}) {
        SCOPED_TRACE(testing::Message() << (name[0] == L'T' ? "TrivaneCpl.dll" : "Renamed.dll"));
        TempFolder folder;
        CplLibrary library(folder, name);
        SetDisabled(0);
        HWND sheet = OpenStandAloneSheet(library);
        ASSERT_NE(nullptr, sheet);
        PressApply(sheet);
        EXPECT_TRUE(
            PumpMessagesUntil([&] { return !library.EngineStarts().empty(); }, kStartTimeoutMs));
        PumpMessagesFor(500);
        std::vector<std::wstring> starts = library.EngineStarts();
        ASSERT_EQ(1u, starts.size());
        EXPECT_NE(std::wstring::npos, starts[0].find(folder.File(L"Trivane.exe")));
        CloseSheet(sheet);
    }
    DWORD disabled = 7, bytes = sizeof(disabled), type = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Kelmora\\Trivane",
                                          L"Disabled", RRF_RT_ANY, &type, &disabled, &bytes));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(0u, disabled);
    std::string theme;
    ASSERT_TRUE(ReadBytesFromFile(themePath, &theme));
    EXPECT_EQ(std::string(kTheme, sizeof(kTheme)), theme);
}

TEST_F(CplSheetTest, ApplyTellsARunningEngineToReapply)
{
    StandInEngineWindow engine;
    ASSERT_NE(nullptr, engine.Window());
    const UINT reapply = RegisterWindowMessageW(L"WM_TRV_REAPPLY");
    CplLibrary library(folder_);
    SetDisabled(0);
    HWND sheet = OpenStandAloneSheet(library);
    ASSERT_NE(nullptr, sheet);
    PressApply(sheet);
    EXPECT_TRUE(PumpMessagesUntil([&] { return !engine.Received().empty(); }, kStartTimeoutMs));
    PumpMessagesFor(500);
    std::vector<MSG> received = engine.Received();
    ASSERT_EQ(1u, received.size());
    EXPECT_EQ(reapply, received[0].message);
    EXPECT_EQ(0u, received[0].wParam);
    EXPECT_EQ(0, received[0].lParam);
    EXPECT_TRUE(library.EngineStarts().empty());
    CloseSheet(sheet);
}
