// Talks to the running engine and control panel from outside them, for the
// run command:
//   trivane_control wait   waits until the engine window is up
//   trivane_control stop   posts WM_TRV_SHUTDOWN and waits until the engine has
//                          ended with exit code 1, its pointers restored
//   trivane_control panel  waits until a control panel has shown and then until
//                          none is left (one that starts itself again in another
//                          language counts as the same)
//   trivane_control close  cancels the control panel and waits until it has ended
//   trivane_control picture FILE  writes the panel's picture as the screen shows
//                          it 5 s after it showed, as a PNG file
// Exit code 0 when it went so, 1 otherwise; stop gives 2 when no engine runs.

#include "EngineWindowLookup.h"
#include "PanelNotices.h"
#include "PngFile.h"
#include "ScopedWin.h"
#include "ScreenCopy.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWaitStepMs = 100;
constexpr DWORD kWaitMs = 30000;
constexpr int kNoEngine = 2;
constexpr DWORD kPictureDelayMs = 5000;
constexpr wchar_t kPanelProgram[] = L"Trivane Control Panel.exe";

BOOL CALLBACK CollectPanel(HWND window, LPARAM windows)
{
    if (GetWindowLongPtrW(window, GWLP_USERDATA) == PanelWindowMark)
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> PanelDialogs()
{
    std::vector<HWND> windows;
    EnumWindows(CollectPanel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// A panel process without its dialog yet (one that starts, or the new one
// of a language change) still counts.
bool PanelProcessRuns()
{
    ScopedKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    if (!snapshot || !Process32FirstW(snapshot.Get(), &entry))
        return false;
    do {
        if (_wcsicmp(entry.szExeFile, kPanelProgram) == 0)
            return true;
    } while (Process32NextW(snapshot.Get(), &entry));
    return false;
}

bool PanelRuns()
{
    return !PanelDialogs().empty() || PanelProcessRuns();
}

// Waits for no panel; true when none is left.
bool WaitForNoPanel(DWORD limitMs)
{
    for (DWORD waited = 0; PanelRuns(); waited += kWaitStepMs) {
        if (waited >= limitMs)
            return false;
        Sleep(kWaitStepMs);
    }
    return true;
}

// The first panel dialog once one shows, or null after the wait.
HWND WaitForPanelDialog()
{
    for (DWORD waited = 0; waited < kWaitMs; waited += kWaitStepMs) {
        const std::vector<HWND> dialogs = PanelDialogs();
        if (!dialogs.empty())
            return dialogs.front();
        Sleep(kWaitStepMs);
    }
    fwprintf(stderr, L"The control panel did not show its dialog\n");
    return nullptr;
}

int WaitForPanel()
{
    if (!WaitForPanelDialog())
        return 1;
    wprintf(L"The control panel is open\n");
    fflush(stdout);
    WaitForNoPanel(INFINITE);
    wprintf(L"The control panel has ended\n");
    return 0;
}

// The panel's picture as the screen shows it, delayMs after its dialog
// showed, written as a PNG file.
int PicturePanel(const std::wstring& path, DWORD delayMs)
{
    HWND dialog = WaitForPanelDialog();
    if (!dialog)
        return 1;
    Sleep(delayMs);
    std::unique_ptr<DibCanvas> picture = CopyClientFromScreen(dialog);
    if (!WritePngFile(path, *picture)) {
        fwprintf(stderr, L"Could not write %ls\n", path.c_str());
        return 1;
    }
    return 0;
}

int ClosePanel()
{
    for (HWND dialog : PanelDialogs())
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    if (!WaitForNoPanel(kWaitMs)) {
        fwprintf(stderr, L"The control panel did not end\n");
        return 1;
    }
    return 0;
}

HWND WaitForEngineWindow()
{
    for (DWORD waited = 0; waited < kWaitMs; waited += kWaitStepMs) {
        if (HWND window = FindEngineWindow())
            return window;
        Sleep(kWaitStepMs);
    }
    return nullptr;
}

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

int Wait()
{
    HWND window = WaitForEngineWindow();
    if (!window) {
        fwprintf(stderr, L"Trivane.exe did not start its engine\n");
        return 1;
    }
    wprintf(L"The engine Trivane.exe is running\n");
    return 0;
}

int Stop()
{
    HWND window = FindEngineWindow();
    if (!window) {
        wprintf(L"No engine is running\n");
        return kNoEngine;
    }
    ScopedKernelHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ProcessOf(window)));
    if (!process) {
        fwprintf(stderr, L"Cannot watch the engine (error %lu)\n", GetLastError());
        return 1;
    }
    PostMessageW(window, RegisterWindowMessageW(L"WM_TRV_SHUTDOWN"), 0, 0);
    if (WaitForSingleObject(process.Get(), kWaitMs) != WAIT_OBJECT_0) {
        fwprintf(stderr, L"Trivane.exe did not stop\n");
        return 1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    if (code == 1)
        wprintf(L"The engine has stopped\n");
    else
        fwprintf(stderr, L"The engine ended with exit code %lu\n", code);
    return code == 1 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && wcscmp(argv[1], L"wait") == 0)
        return Wait();
    if (argc == 2 && wcscmp(argv[1], L"stop") == 0)
        return Stop();
    if (argc == 2 && wcscmp(argv[1], L"panel") == 0)
        return WaitForPanel();
    if (argc == 2 && wcscmp(argv[1], L"close") == 0)
        return ClosePanel();
    if (argc == 3 && wcscmp(argv[1], L"picture") == 0)
        return PicturePanel(argv[2], kPictureDelayMs);
    fwprintf(stderr, L"Usage: trivane_control wait|stop|panel|close|picture FILE\n");
    return 1;
}
