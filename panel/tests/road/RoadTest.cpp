// A pick and apply on the real road: the file written, the user's Run key,
// and the re-apply request posted to a window of the engine's class that
// this test owns.

#include "Composition.h"
#include "LibraryTestSupport.h"
#include "ScopedWin.h"

#include <shlwapi.h>

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
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    PathRemoveFileSpecW(program);
    EXPECT_EQ(RegValue(REG_SZ, TextBytes(L"\"" + std::wstring(program) + L"\\Trivane.exe\"")),
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
