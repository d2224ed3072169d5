#include "MainDialogTestSupport.h"

#include "CQVObj.h"
#include "Language.h"
#include "MainWindow.h"
#include "PanelResources.h"
#include "PanelShell.h"
#include "ThemeLists.h"

UINT_PTR ShellWorld::SetTimer(HWND window, UINT_PTR id, UINT elapseMs, TIMERPROC callback)
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        timers_.push_back({GetCurrentThreadId(), true, id, elapseMs});
    }
    return RecordingWorld::SetTimer(window, id, elapseMs, callback);
}

BOOL ShellWorld::KillTimer(HWND window, UINT_PTR id)
{
    {
        std::lock_guard<std::mutex> guard(lock_);
        timers_.push_back({GetCurrentThreadId(), false, id, 0});
    }
    return RecordingWorld::KillTimer(window, id);
}

std::vector<ShellWorld::TimerCall> ShellWorld::TimerCalls() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return timers_;
}

HANDLE ShellWorld::OpenMutexW(DWORD access, BOOL inherit, const wchar_t* name)
{
    const bool panel = name && lstrcmpW(name, kPanelMutexName) == 0;
    return RecordingWorld::OpenMutexW(access, inherit, panel ? MutexName.c_str() : name);
}

HANDLE ShellWorld::CreateMutexW(SECURITY_ATTRIBUTES* attributes, BOOL owned, const wchar_t* name)
{
    const bool panel = name && lstrcmpW(name, kPanelMutexName) == 0;
    MutexesCreated += panel ? 1 : 0;
    return RecordingWorld::CreateMutexW(attributes, owned, panel ? MutexName.c_str() : name);
}

HWND ShellWorld::FindWindowW(const wchar_t* className, const wchar_t* title)
{
    if (!className || lstrcmpW(className, kPanelDialogClass) != 0)
        return RecordingWorld::FindWindowW(className, title);
    TitlesAsked.push_back(title ? title : L"(null)");
    return PanelWindow;
}

BOOL ShellWorld::ShellExecuteExW(SHELLEXECUTEINFOW* info)
{
    if (ProcessExitCode >= 0 && (info->fMask & SEE_MASK_NOCLOSEPROCESS)) {
        wchar_t program[MAX_PATH];
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring line = L"\"" + std::wstring(program) + L"\" --child ExitWith " +
                            std::to_wstring(ProcessExitCode);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &process)) {
            CloseHandle(process.hThread);
            info->hProcess = process.hProcess;
        }
    }
    return RecordingWorld::ShellExecuteExW(info);
}

void MainDialogTest::SetUp()
{
    static LONG counter = 0;
    const std::wstring unique = std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(InterlockedIncrement(&counter));
    key_ = L"Software\\TrivaneTests\\dialog-" + unique;
    PanelSettingsKey = key_;
    world_.MutexName = L"TrivaneTestsPanelMutex-" + unique;
    world_.CurrentThemePath = CurrentFile();
    // Missing: an apply leaves the autostart alone.
    savedRunKey_ = PanelRunKey;
    PanelRunKey = key_ + L"\\Run";
    CopyTextBounded(PanelThemesFolder, MAX_PATH, themes_.Path().c_str());
    CopyTextBounded(PanelSoundsFolder, MAX_PATH, sounds_.Path().c_str());
}

void MainDialogTest::TearDown()
{
    if (dialog_)
        DestroyWindow(dialog_);
    ResetPanelState();
    RefreshThemeListsFrom(L"");
    RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
    PanelRunKey = savedRunKey_;
    PanelThemesFolder[0] = L'\0';
    PanelSoundsFolder[0] = L'\0';
    PanelLanguage = LanguageSource{};
    LoadProgramTexts();
}

HWND MainDialogTest::OpenDialog()
{
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PANEL_MAIN),
                                 nullptr, MainDialogProc, 0);
    return dialog_;
}

CQVObj* FindControl(LMObj* root, int id)
{
    if (!root)
        return nullptr;
    auto* control = dynamic_cast<CQVObj*>(root);
    if (control && control->ControlId == id)
        return control;
    for (LMObj* child : root->Children) {
        if (CQVObj* found = FindControl(child, id))
            return found;
    }
    return nullptr;
}
