// The program's entry: the command line, regsvr32 for the settings page,
// and one panel per session.

#include "ChildProcess.h"
#include "MainDialogTestSupport.h"

#include "LibraryRows.h"
#include "PanelNotices.h"
#include "PanelShell.h"
#include "PanelState.h"

#include <gtest/gtest.h>

namespace {

int g_dialogsCancelled = 0;
HWND g_lastCancelled = nullptr;

// Cancels the panel's dialog as soon as the modal loop shows it.
void CALLBACK CancelPanel(HWND, UINT, UINT_PTR, DWORD)
{
    if (!PanelDialog || !IsWindowVisible(PanelDialog))
        return;
    PostMessageW(PanelDialog, WM_COMMAND, IDCANCEL, 0);
    if (PanelDialog != g_lastCancelled)
        ++g_dialogsCancelled;
    g_lastCancelled = PanelDialog;
}

}  // namespace

TEST(PanelCommandLine, OnlyTheTwoSwitchesInAnyCaseAndBlanksRegister)
{
    const std::wstring longArgument(5000, L'x');
    const std::wstring longBlanks(5000, L' ');
    const struct {
        std::wstring Line;
        PanelCommand Expected;
    } rows[] = {
        {L"\"C:\\Program Files\\Trivane\\Trivane Control Panel.exe\" /Install",
         PanelCommand::Install},
        {L"panel.exe   /UNINSTALL  ", PanelCommand::Uninstall},
        {L"panel.exe /installer", PanelCommand::Open},
        {L"panel.exe x", PanelCommand::Open},
        {L"panel.exe", PanelCommand::Open},
        {L"/install", PanelCommand::Open},
        {L"panel.exe " + longArgument, PanelCommand::Open},
        {L"panel.exe /install" + longBlanks, PanelCommand::Install},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Line.substr(0, 80).c_str());
        EXPECT_EQ(row.Expected, ParsePanelCommand(row.Line.c_str()));
    }
}

TRIVANE_CHILD(ExitWith)
{
    return std::stoi(args.at(0));
}

// regsvr32 of the system folder, whatever the current folder holds, and
// its result: the panel ends with 1 when it registered, 2 when not.
TEST_F(MainDialogTest, InstallAndUninstallRunTheSystemsRegsvr32AndTellItsResult)
{
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring regsvr32 = std::wstring(system) + L"\\regsvr32.exe";
    const std::wstring library = L"\"" + TestProgramFolder() + L"\\trivanecpl.dll\"";
    const struct {
        const wchar_t* Line;
        std::wstring Parameters;
        int ExitCode;  // of regsvr32; -1: it does not start
        int Result;
    } rows[] = {
        {L"\"Trivane Control Panel.exe\" /Install", L"/s " + library, 0, 1},
        {L"\"Trivane Control Panel.exe\"   /UNINSTALL  ", L"/u /s " + library, 0, 1},
        {L"\"Trivane Control Panel.exe\" /install", L"/s " + library, 5, 2},
        {L"\"Trivane Control Panel.exe\" /install", L"/s " + library, -1, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Line << ", exit " << row.ExitCode);
        world_.CommandLine = row.Line;
        world_.ProcessExitCode = row.ExitCode;
        world_.Launches.clear();
        EXPECT_EQ(row.Result, PanelWinMain(GetModuleHandleW(nullptr)));
        ASSERT_EQ(1u, world_.Launches.size());
        const RecordingWorld::Launch& launch = world_.Launches[0];
        EXPECT_EQ((std::vector<std::wstring>{regsvr32, row.Parameters}),
                  (std::vector<std::wstring>{launch.File, launch.Parameters.value_or(L"")}));
        EXPECT_TRUE(!launch.Folder && !launch.Owner);
        EXPECT_EQ((std::vector<ULONG>{SEE_MASK_NOCLOSEPROCESS, SW_SHOWNORMAL, 0}),
                  (std::vector<ULONG>{launch.Mask, static_cast<ULONG>(launch.Show),
                                      static_cast<ULONG>(world_.MutexesCreated)}))
            << "no panel";
    }
}

// A running panel is a dialog of its title that carries the mark; the
// mutex alone, or an unmarked dialog (one that relaunched itself), lets a
// new panel open.
TEST_F(MainDialogTest, OnlyAMarkedDialogOfThePanelsTitleKeepsASecondPanelFromOpening)
{
    const struct {
        const char* Name;
        bool Mutex;
        bool Window;
        LONG_PTR Mark;
        int Result;
    } rows[] = {
        {"nothing", false, false, 0, 1},
        {"the mutex alone", true, false, 0, 1},
        {"an unmarked dialog", true, true, 0, 1},
        {"a marked dialog", true, true, PanelWindowMark, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        ScopedKernelHandle mutex(row.Mutex ? CreateMutexW(nullptr, FALSE, world_.MutexName.c_str())
                                           : nullptr);
        ScopedWindow other(row.Window
                               ? CreateWindowExW(0, L"#32770", UiText(kUiPanelTitle), WS_POPUP, 0,
                                                 0, 10, 10, nullptr, nullptr, nullptr, nullptr)
                               : nullptr);
        SetWindowLongPtrW(other.Get(), GWLP_USERDATA, row.Mark);
        world_.PanelWindow = other.Get();
        world_.MutexesCreated = 0;
        world_.TitlesAsked.clear();
        g_dialogsCancelled = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, CancelPanel);
        EXPECT_EQ(row.Result, RunControlPanel(GetModuleHandleW(nullptr)));
        KillTimer(nullptr, timer);
        EXPECT_EQ(row.Result, world_.MutexesCreated) << "the mutex comes with the dialog";
        const std::vector<std::wstring> asked =
            row.Mutex ? std::vector<std::wstring>{L"Trivane Control Panel"}
                      : std::vector<std::wstring>{};
        EXPECT_EQ(asked, world_.TitlesAsked);
        EXPECT_EQ(row.Result, g_dialogsCancelled);
        EXPECT_EQ(nullptr, PanelDialog) << "no dialog left";
    }
}
