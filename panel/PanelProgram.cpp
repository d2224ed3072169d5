// The program's entry: the command line, one panel per session and the
// modal dialog that is its main loop.

#include "PanelShell.h"

#include "EngineWorld.h"
#include "LMToolkit.h"
#include "Language.h"
#include "LibraryRows.h"
#include "PanelNotices.h"
#include "PanelResources.h"
#include "PanelState.h"
#include "RunProgram.h"
#include "ScopedWin.h"
#include "WorldHandles.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <vector>

namespace {

constexpr wchar_t kCplLibrary[] = L"trivanecpl.dll";
constexpr int kPanelToolkitFlags = LMInitReserved | LMInitNoMutex;

constexpr DWORD kRegistrationWaitMs = 30000;

// regsvr32 from the system folder, never one that the current folder
// holds, waited for: 1 when it registered, 2 when it failed, did not end
// in time or could not start.
int RunRegistration(bool uninstall)
{
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 2;
    const std::wstring program = std::wstring(system) + L"\\regsvr32.exe";
    const std::wstring parameters = RegistrationParameters(ModuleFolder(nullptr), uninstall);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = program.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!World().ShellExecuteExW(&info) || !info.hProcess)
        return 2;
    ScopedKernelHandle process(info.hProcess);
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.Get(), kRegistrationWaitMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.Get(), &exitCode))
        return 2;
    return exitCode == 0 ? 1 : 2;
}

// A running panel's dialog: titled as ours and marked as ours. Another
// program's dialog of that title (or an empty one, when the title text is
// missing) is not one, whatever its own user data.
HWND FindRunningPanel()
{
    if (!WorldKernelHandle(World().OpenMutexW(READ_CONTROL, FALSE, kPanelMutexName)))
        return nullptr;
    HWND window = World().FindWindowW(kPanelDialogClass, UiText(kUiPanelTitle));
    if (!window || !IsWindow(window) ||
        World().GetWindowLongPtrW(window, GWLP_USERDATA) != PanelWindowMark)
        return nullptr;
    return window;
}

}  // namespace

PanelCommand ParsePanelCommand(const wchar_t* commandLine)
{
    if (!commandLine)
        return PanelCommand::Open;
    // PathGetArgsW points into the text; the copy is what gets trimmed.
    std::vector<wchar_t> arguments;
    for (const wchar_t* at = PathGetArgsW(commandLine); *at; ++at)
        arguments.push_back(*at);
    arguments.push_back(L'\0');
    PathRemoveBlanksW(arguments.data());
    if (lstrcmpiW(arguments.data(), L"/install") == 0)
        return PanelCommand::Install;
    if (lstrcmpiW(arguments.data(), L"/uninstall") == 0)
        return PanelCommand::Uninstall;
    return PanelCommand::Open;
}

std::wstring RegistrationParameters(const std::wstring& programFolder, bool uninstall)
{
    const std::wstring quoted = L"\"" + programFolder + L"\\" + kCplLibrary + L"\"";
    return (uninstall ? L"/u /s " : L"/s ") + quoted;
}

int PanelWinMain(HINSTANCE instance)
{
    const PanelCommand command = ParsePanelCommand(World().GetCommandLineW());
    if (command != PanelCommand::Open)
        return RunRegistration(command == PanelCommand::Uninstall);
    return RunControlPanel(instance) ? 1 : 0;
}

int RunControlPanel(HINSTANCE instance)
{
    PanelShell.OwnLanguageFile = 0;
    LoadLanguageFrom(PanelLanguageSource(), &PanelShell.OwnLanguageFile);
    if (HWND running = FindRunningPanel()) {
        SwitchToThisWindow(running, FALSE);
        return 0;
    }
    // Held for the life of the process.
    World().CreateMutexW(nullptr, TRUE, kPanelMutexName);
    PanelShell.Instance = instance;
    LMInitialize(instance, L"Trivane", kPanelToolkitFlags);
    // The hot-key dialog's control.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_PANEL_MAIN), nullptr, MainDialogProc, 0);
    return 1;
}

void LaunchFile(const wchar_t* path)
{
    RunProgram(path, nullptr, nullptr, nullptr);
}
