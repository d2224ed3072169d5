// The settings page in sheets, through the library: the host's own sheet
// over the extension's page, the stand-alone sheet, unloading, and Apply
// reaching a running engine or starting one beside the library.

#include "CplLibrary.h"

#include "MessagePump.h"

#include <gtest/gtest.h>

#include <memory>

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
    SavedSettings saved_;
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

// Both sheets in turn hold the library while they show the page; then it
// unloads cleanly and loads again.
TEST_F(CplSheetTest, SheetsShowThePageOneAtATimeThenTheLibraryUnloads)
{
    CplLibrary library(folder_);
    EXPECT_FALSE(library.StandAlone(nullptr));
    EXPECT_EQ(nullptr, FindWindowW(nullptr, L"Trivane"));

    HWND sheet = OpenStandAloneSheet(library);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(L"Trivane", Title(sheet));
    EXPECT_EQ(1, TabCount(sheet));
    HWND second = reinterpret_cast<HWND>(1);
    EXPECT_FALSE(library.StandAlone(&second));
    EXPECT_EQ(nullptr, second);
    EXPECT_NE(nullptr, CurrentPage(sheet));
    PumpMessagesFor(300);  // paints, and whatever timers they arm
    EXPECT_EQ(S_FALSE, library.CanUnloadNow());
    CloseSheet(sheet);
    EXPECT_EQ(S_OK, library.CanUnloadNow());

    sheet = OpenExtensionSheet(library);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(L"Trivane", TabText(sheet, 0));
    EXPECT_NE(nullptr, GetDlgItem(CurrentPage(sheet), 1004));  // template 101
    PumpMessagesFor(300);
    EXPECT_EQ(S_FALSE, library.CanUnloadNow());  // the object is held by the page alone
    CloseSheet(sheet);
    EXPECT_EQ(S_OK, library.CanUnloadNow());

    library.Free();
    EXPECT_EQ(nullptr, GetModuleHandleW(library.Path().c_str()));
    // A thread timer left behind would call into the freed library.
    EXPECT_EQ(0, PumpCountingThreadTimers(3000));
    ASSERT_TRUE(library.Load());
    sheet = OpenStandAloneSheet(library);
    ASSERT_NE(nullptr, sheet);
    EXPECT_NE(nullptr, CurrentPage(sheet));
    CloseSheet(sheet);
}

// Apply stores "Disabled" 0, then tells the running engine, or starts the
// one beside the library, whatever the library's file is called.
TEST_F(CplSheetTest, ApplyTellsTheEngineOrStartsTheOneBesideTheLibrary)
{
    struct Row {
        const wchar_t* Name;
        bool EngineRuns;
    } rows[] = {{L"TrivaneCpl.dll", false}, {L"Renamed.dll", false}, {L"TrivaneCpl.dll", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << (row.Name[0] == L'T' ? "TrivaneCpl" : "Renamed")
                                        << (row.EngineRuns ? ", engine runs" : ""));
        std::unique_ptr<StandInEngineWindow> engine;
        if (row.EngineRuns)
            engine = std::make_unique<StandInEngineWindow>();
        TempFolder folder;
        CplLibrary library(folder, row.Name);
        SetDisabled(0);
        HWND sheet = OpenStandAloneSheet(library);
        ASSERT_NE(nullptr, sheet);
        PressApply(sheet);
        auto told = [&] { return engine && !engine->Received().empty(); };
        EXPECT_TRUE(PumpMessagesUntil([&] { return told() || !library.EngineStarts().empty(); },
                                      kStartTimeoutMs));
        PumpMessagesFor(500);
        EXPECT_EQ(row.EngineRuns ? 0u : 1u, library.EngineStarts().size());
        if (row.EngineRuns) {
            ASSERT_EQ(1u, engine->Received().size());
            const MSG& message = engine->Received()[0];
            EXPECT_EQ(RegisterWindowMessageW(L"WM_TRV_REAPPLY"), message.message);
            EXPECT_TRUE(message.wParam == 0 && message.lParam == 0);
        } else {
            EXPECT_NE(std::wstring::npos,
                      library.EngineStarts()[0].find(folder.File(L"Trivane.exe")));
        }
        DWORD disabled = 7, bytes = sizeof(disabled), type = 0;
        RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Kelmora\\Trivane", L"Disabled", RRF_RT_ANY,
                     &type, &disabled, &bytes);
        EXPECT_TRUE(type == REG_DWORD && disabled == 0);
        CloseSheet(sheet);
    }
}
