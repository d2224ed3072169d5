// What the run command does under Wine: installs the default theme (and makes
// it the current one when there is none), starts Trivane.exe from this
// program's folder, reports what it shows other programs, lets it run for the
// seconds given, then asks it to stop.

#include "CTheme.h"
#include "DefaultTheme.h"
#include "ScopedWin.h"
#include "ThemeLocations.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kWaitStepMs = 100;
constexpr DWORD kStartWaitMs = 30000;

std::wstring FolderOfThisProgram()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

bool InstallDefaultTheme()
{
    wchar_t themes[MAX_PATH] = {};
    wchar_t current[MAX_PATH] = {};
    GetThemesFolder(themes);
    GetCurrentThemePath(current);
    std::wstring installed = std::wstring(themes) + L"\\Default.Trivane";
    if (!MakeDefaultTheme()->Save(installed.c_str(), 1))
        return false;
    wprintf(L"Default theme: %ls\n", installed.c_str());
    if (GetFileAttributesW(current) != INVALID_FILE_ATTRIBUTES) {
        wprintf(L"Current theme: %ls (kept)\n", current);
        return true;
    }
    wprintf(L"Current theme: %ls (the default)\n", current);
    return CopyFileW(installed.c_str(), current, FALSE) != FALSE;
}

// Pumps nothing: this program has no windows; it only waits.
HWND WaitForEngineWindow(HANDLE process, DWORD processId)
{
    for (DWORD waited = 0; waited < kStartWaitMs; waited += kWaitStepMs) {
        for (HWND window = FindWindowW(L"Pavolt", nullptr); window;
             window = FindWindowExW(nullptr, window, L"Pavolt", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId)
                return window;
        }
        if (WaitForSingleObject(process, kWaitStepMs) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    DWORD seconds = argc > 1 ? wcstoul(argv[1], nullptr, 10) : 20;
    if (!InstallDefaultTheme()) {
        fwprintf(stderr, L"Could not write the default theme\n");
        return 1;
    }
    std::wstring program = FolderOfThisProgram() + L"\\Trivane.exe";
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        fwprintf(stderr, L"Could not start %ls\n", program.c_str());
        return 1;
    }
    ScopedKernelHandle process(info.hProcess);
    ScopedKernelHandle thread(info.hThread);
    HWND window = WaitForEngineWindow(process.Get(), info.dwProcessId);
    if (!window) {
        DWORD code = 0;
        GetExitCodeProcess(process.Get(), &code);
        fwprintf(stderr, L"Trivane.exe did not start its engine (exit code %lu)\n", code);
        return 1;
    }
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    wprintf(L"Trivane.exe runs: process %lu, window \"Pavolt\", title \"%ls\", mark 0x%llX\n",
            info.dwProcessId, title,
            static_cast<unsigned long long>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    wprintf(L"Letting it run for %lu s...\n", seconds);
    fflush(stdout);
    if (WaitForSingleObject(process.Get(), seconds * 1000) == WAIT_OBJECT_0) {
        fwprintf(stderr, L"Trivane.exe ended by itself\n");
        return 1;
    }
    PostMessageW(window, RegisterWindowMessageW(L"WM_TRV_SHUTDOWN"), 0, 0);
    WaitForSingleObject(process.Get(), kStartWaitMs);
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    wprintf(L"Trivane.exe stopped on WM_TRV_SHUTDOWN with exit code %lu\n", code);
    return code == 1 ? 0 : 1;
}
