#include "EngineHarness.h"

#include "ChildProcess.h"
#include "MessagePump.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cwchar>
#include <functional>

namespace {

constexpr DWORD kStopWaitMs = 10000;

}  // namespace

namespace {

struct WindowSearch {
    bool (*Match)(HWND);
    std::vector<EngineWindowInfo> Found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    if (search->Match(window)) {
        EngineWindowInfo info;
        info.Window = window;
        GetWindowThreadProcessId(window, &info.ProcessId);
        search->Found.push_back(info);
    }
    return TRUE;
}

bool IsEngineWindow(HWND window)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return wcscmp(name, L"Pavolt") == 0;
}

}  // namespace

DWORD EngineProcess::WaitForExit(DWORD timeoutMs) const
{
    if (!process_)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    PumpMessagesUntil([&] { return WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0; },
                      timeoutMs);
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

std::wstring EngineProgramPath()
{
    return ProductProgram(L"Trivane.exe");
}

std::wstring ProgramBesideTests(const wchar_t* name)
{
    return TestProgramFolder() + L"\\" + name;
}

std::wstring ProductProgram(const wchar_t* name)
{
    return ProductFolder() + L"\\" + name;
}

EngineProcess StartEngineProgram(const std::wstring& arguments)
{
    return StartProgram(EngineProgramPath(), arguments);
}

EngineProcess StartProgram(const std::wstring& program, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        TestProgramFolder().c_str(), &startup, &info)) {
        return EngineProcess();
    }
    CloseHandle(info.hThread);
    return EngineProcess(info.hProcess, info.dwProcessId);
}

EngineProcess OpenEngineProcess(DWORD id)
{
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id);
    return process ? EngineProcess(process, id) : EngineProcess();
}

std::vector<EngineWindowInfo> WindowsWhere(bool (*match)(HWND))
{
    WindowSearch search{match, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND WaitForWindowOf(DWORD processId, std::vector<EngineWindowInfo> (*windows)(), DWORD timeoutMs)
{
    HWND found = nullptr;
    PumpMessagesUntil(
        [&] {
            for (const EngineWindowInfo& info : windows()) {
                if (info.ProcessId == processId)
                    found = info.Window;
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::vector<EngineWindowInfo> EngineWindows()
{
    return WindowsWhere(IsEngineWindow);
}

HWND WaitForEngineWindow(DWORD processId, DWORD timeoutMs)
{
    return WaitForWindowOf(processId, EngineWindows, timeoutMs);
}

EngineWindowInfo WaitForSuccessor(DWORD oldProcessId, DWORD timeoutMs)
{
    EngineWindowInfo found;
    PumpMessagesUntil(
        [&] {
            for (const EngineWindowInfo& info : EngineWindows()) {
                if (info.ProcessId != oldProcessId)
                    found = info;
            }
            return found.Window != nullptr;
        },
        timeoutMs);
    return found;
}

std::vector<DWORD> EngineProcessIds()
{
    std::vector<DWORD> ids;
    ScopedKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.Get() == INVALID_HANDLE_VALUE) {
        snapshot.Release();
        return ids;
    }
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (_wcsicmp(entry.szExeFile, L"Trivane.exe") == 0)
            ids.push_back(entry.th32ProcessID);
    }
    return ids;
}

std::wstring WindowTitle(HWND window)
{
    wchar_t title[64] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(title), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return title;
}

UINT EngineMessage(const wchar_t* name)
{
    return RegisterWindowMessageW(name);
}

bool PostEngineMessage(HWND window, const wchar_t* name)
{
    return PostMessageW(window, EngineMessage(name), 0, 0) != FALSE;
}

void EndAllEngines()
{
    for (const EngineWindowInfo& info : EngineWindows()) {
        if (info.ProcessId == GetCurrentProcessId())
            continue;
        EngineProcess process = OpenEngineProcess(info.ProcessId);
        PostEngineMessage(info.Window, L"WM_TRV_SHUTDOWN");
        process.WaitForExit(kStopWaitMs);
    }
    for (DWORD id : EngineProcessIds()) {
        ScopedKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (process) {
            TerminateProcess(process.Get(), 99);
            WaitForSingleObject(process.Get(), kStopWaitMs);
        }
    }
}
