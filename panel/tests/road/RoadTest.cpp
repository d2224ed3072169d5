// A pick and apply on the real road: the file written, the user's Run key,
// and the re-apply request posted to a window of the engine's class that
// this test owns; and a double click on the dialog with real mouse input.

#include "ChildProcess.h"
#include "Composition.h"
#include "LibraryTestSupport.h"
#include "MainDialogTestSupport.h"
#include "MessagePump.h"
#include "PanelShell.h"
#include "RunProgram.h"
#include "ScopedWin.h"

TEST_F(ComposeTest, PickAndApplyReachTheEngineWindow)
{
    const wchar_t run[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    const wchar_t* const names[] = {L"Trivane", L"Pavolt"};
    const RegValue saved[] = {ReadValue(run, names[0]), ReadValue(run, names[1])};
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"Pavolt";
    ASSERT_NE(0, RegisterClassExW(&windowClass));
    ScopedWindow engine(CreateWindowExW(0, L"Pavolt", L"", WS_POPUP, 0, 0, 32, 32, nullptr, nullptr,
                                        nullptr, nullptr));
    world_.RealWindows = true;
    PanelRunKey = run;
    ASSERT_EQ(1, PickLibraryTheme(1, AddRow(L"Juniper", *NamedTheme(L"Juniper"))));
    ApplyCurrentTheme();

    CTheme written;
    ASSERT_EQ(1, written.Load(CurrentFile().c_str(), 0));
    EXPECT_STREQ(L"Juniper", written.Name.get());
    EXPECT_EQ(RegValue(REG_SZ, TextBytes(L"\"" + TestProgramFolder() + L"\\Trivane.exe\"")),
              ReadValue(run, L"Trivane"));
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> posted;
    for (MSG message; PeekMessageW(&message, engine.Get(), 0, 0, PM_REMOVE);)
        posted.emplace_back(message.message, message.wParam, message.lParam);
    EXPECT_EQ((std::vector<std::tuple<UINT, WPARAM, LPARAM>>{{PanelMessages.Reapply, 0, 0}}),
              posted);
    for (int i = 0; i < 2; ++i) {
        if (saved[i].first == REG_NONE)
            RegDeleteKeyValueW(HKEY_CURRENT_USER, run, names[i]);
        else
            WriteValue(run, names[i], saved[i]);
    }
}

// A user's double click on a theme row, with real mouse input: the first
// press lands on the hover bar and selects the row, the quick second one
// (which the dialog's class turns into a double-click message) on the
// selection bar that took its place, which applies the row.
TEST_F(MainDialogTest, ARealDoubleClickOnAThemeRowAppliesIt)
{
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Juniper.Trivane"), *NamedTheme(L"Juniper")));
    ASSERT_NE(nullptr, OpenDialog());
    ShowWindow(dialog_, SW_SHOW);
    SetForegroundWindow(dialog_);
    int x = 0, y = 0;
    Library.ThemeList.Container->GetScreenOffset(&x, &y);
    POINT row{x + 100, y + 62 + 30};
    ClientToScreen(dialog_, &row);
    SetCursorPos(row.x, row.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
    PumpMessagesFor(100);
    for (DWORD button :
         {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        input.mi.dwFlags = button;
        SendInput(1, &input, sizeof(input));
        PumpMessagesFor(40);
    }

    EXPECT_TRUE(PumpMessagesUntil([] { return PanelCurrentTheme != nullptr; }, 2000));
    EXPECT_EQ(1, Library.AppliedThemeRow);
    ASSERT_EQ(1u, world_.Launches.size()) << "the engine started";
    EXPECT_EQ(EngineProgramBeside(nullptr), world_.Launches[0].File);
}
