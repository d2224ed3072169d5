#pragma once
// Starts Trivane.exe (beside this test program) and watches it from outside:
// its window, title and user data, its exit code, its successors.

#include "ScopedWin.h"

#include <functional>
#include <string>
#include <vector>

struct EngineWindowInfo {
    HWND Window = nullptr;
    DWORD ProcessId = 0;
};

class EngineProcess {
public:
    EngineProcess() = default;
    EngineProcess(HANDLE process, DWORD id) : process_(process), id_(id) {}

    bool IsValid() const { return process_.IsValid(); }
    DWORD Id() const { return id_; }
    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD WaitForExit(DWORD timeoutMs) const;

private:
    ScopedKernelHandle process_;
    DWORD id_ = 0;
};

std::wstring EngineProgramPath();
// A program built beside this test program.
std::wstring ProgramBesideTests(const wchar_t* name);
// A program of the product folder.
std::wstring ProductProgram(const wchar_t* name);

// Starts Trivane.exe with the arguments as they follow the program name.
EngineProcess StartEngineProgram(const std::wstring& arguments = L"");
// The same for another program; it inherits this process's environment.
EngineProcess StartProgram(const std::wstring& program, const std::wstring& arguments = L"");
// A process the test did not start (a successor), by id.
EngineProcess OpenEngineProcess(DWORD id);

// Every top-level window that match accepts, with its process.
std::vector<EngineWindowInfo> WindowsWhere(bool (*match)(HWND));
// The window of that process among those the list gives, waiting for it up
// to the deadline.
HWND WaitForWindowOf(DWORD processId, std::vector<EngineWindowInfo> (*windows)(), DWORD timeoutMs);
// Every window of class "Pavolt", with its process.
std::vector<EngineWindowInfo> EngineWindows();
// The engine window of that process, waiting for it up to the deadline.
HWND WaitForEngineWindow(DWORD processId, DWORD timeoutMs);
// An engine window of a process other than that one (a successor).
EngineWindowInfo WaitForSuccessor(DWORD oldProcessId, DWORD timeoutMs);
// Running processes of Trivane.exe.
std::vector<DWORD> EngineProcessIds();

std::wstring WindowTitle(HWND window);
UINT EngineMessage(const wchar_t* name);
bool PostEngineMessage(HWND window, const wchar_t* name);

// Asks every engine to stop and ends the ones that do not.
void EndAllEngines();
