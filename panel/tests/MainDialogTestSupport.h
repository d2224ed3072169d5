#pragma once
// The main dialog built for real in the test's process (dialog 129 with
// CreateDialogParamW), over Themes, Sounds and current-theme folders and a
// settings key of the test's own. The world records timers from every
// thread and program starts, and answers the single-instance lookups with
// the test's own mutex name and window.

#include "CQVObj.h"
#include "LibraryTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

class ShellWorld : public RecordingWorld {
public:
    struct TimerCall {
        DWORD Thread;
        bool Set;  // SetTimer, else KillTimer
        UINT_PTR Id;
        UINT ElapseMs;
    };

    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback) override;
    BOOL KillTimer(HWND window, UINT_PTR id) override;
    LPWSTR GetCommandLineW() override { return CommandLine.data(); }
    HANDLE OpenMutexW(DWORD access, BOOL inherit, const wchar_t* name) override;
    HANDLE CreateMutexW(SECURITY_ATTRIBUTES* attributes, BOOL owned, const wchar_t* name) override;
    HWND FindWindowW(const wchar_t* className, const wchar_t* title) override;
    BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info) override;

    // A copy: the watcher thread adds to them.
    std::vector<TimerCall> TimerCalls() const;

    std::wstring CommandLine = L"\"Trivane Control Panel.exe\"";
    // The test's own name for "TrivaneControlPanelMutex".
    std::wstring MutexName;
    int MutexesCreated = 0;
    // What a lookup of a "#32770" window finds, and the titles asked for.
    HWND PanelWindow = nullptr;
    std::vector<std::wstring> TitlesAsked;
    // 0 or more: a start that asks for its process gets a real one (this
    // program's child entry "ExitWith") that ends with this code.
    int ProcessExitCode = -1;

private:
    mutable std::mutex lock_;
    std::vector<TimerCall> timers_;
};

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the dialog as a modeless one of this thread.
    HWND OpenDialog();
    std::wstring CurrentFile() const { return current_.File(L"CurrentTheme.Trivane"); }

    TempFolder themes_;
    TempFolder sounds_;
    TempFolder current_;
    std::wstring key_;
    std::wstring savedRunKey_;
    ShellWorld world_;
    HWND dialog_ = nullptr;
};

// The panel's object of that control id in the tree below root, or null.
CQVObj* FindControl(LMObj* root, int id);
