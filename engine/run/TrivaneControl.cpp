// Talks to the running engine from outside it, for the run command:
//   trivane_control wait   waits until the engine window is up and describes it
//   trivane_control stop   posts WM_TRV_SHUTDOWN and waits until the engine has
//                          ended with exit code 1, its pointers restored
// Exit code 0 when it went so, 1 otherwise.

#include "EngineWindowLookup.h"
#include "ScopedWin.h"

#include <cstdio>
#include <cwchar>

namespace {

constexpr DWORD kWaitStepMs = 100;
constexpr DWORD kWaitMs = 30000;

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
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    wprintf(L"Trivane.exe runs: process %lu, window \"Pavolt\", title \"%ls\", mark 0x%llX\n",
            ProcessOf(window), title,
            static_cast<unsigned long long>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    return 0;
}

int Stop()
{
    HWND window = FindEngineWindow();
    if (!window) {
        fwprintf(stderr, L"No engine is running\n");
        return 1;
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
    wprintf(L"Trivane.exe stopped on WM_TRV_SHUTDOWN with exit code %lu\n", code);
    return code == 1 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && wcscmp(argv[1], L"wait") == 0)
        return Wait();
    if (argc == 2 && wcscmp(argv[1], L"stop") == 0)
        return Stop();
    fwprintf(stderr, L"Usage: trivane_control wait|stop\n");
    return 1;
}
