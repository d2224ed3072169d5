#include "PanelProcessFixture.h"

#include "PanelNotices.h"
#include "ScopedWin.h"

#include <shlwapi.h>

namespace {

bool IsPanelDialog(HWND window)
{
    return GetWindowLongPtrW(window, GWLP_USERDATA) == PanelWindowMark;
}

// The values the panel writes at start, at the panel's own defaults: held
// here so that the fixture puts back what was there before.
constexpr std::pair<const wchar_t*, DWORD> kPanelSettings[] = {
    {L"ShadowX", 5},         {L"ShadowY", 5},       {L"ShadowDark", 128},
    {L"ShadowSharpness", 9}, {L"DisableShadow", 0},
};

}  // namespace

std::vector<EngineWindowInfo> PanelWindows()
{
    return WindowsWhere(IsPanelDialog);
}

HWND WaitForPanelWindow(DWORD processId, DWORD timeoutMs)
{
    return WaitForWindowOf(processId, PanelWindows, timeoutMs);
}

void EndAllPanels()
{
    for (const EngineWindowInfo& info : PanelWindows()) {
        EngineProcess process = OpenEngineProcess(info.ProcessId);
        PostMessageW(info.Window, WM_COMMAND, IDCANCEL, 0);
        if (process.IsValid() && process.WaitForExit(kPanelExitMs) == STILL_ACTIVE) {
            ScopedKernelHandle handle(OpenProcess(PROCESS_TERMINATE, FALSE, info.ProcessId));
            TerminateProcess(handle.Get(), 1);
        }
    }
}

void PanelProcessTest::SetUp()
{
    EndAllPanels();
    EngineProcessTest::SetUp();
    for (const auto& [name, value] : kPanelSettings)
        SetSetting(name, value);
    previewFolder_ = themesFolder_ + L"\\Preview";
    previewExisted_ = PathIsDirectoryW(previewFolder_.c_str()) != FALSE;
    previewsBefore_ = FilesIn(previewFolder_);
}

void PanelProcessTest::TearDown()
{
    EndAllPanels();
    for (const std::wstring& file : FilesIn(previewFolder_)) {
        if (!previewsBefore_.count(file))
            DeleteFileW((previewFolder_ + L"\\" + file).c_str());
    }
    if (!previewExisted_)
        RemoveDirectoryW(previewFolder_.c_str());
    EngineProcessTest::TearDown();
}

EngineProcess PanelProcessTest::StartPanel()
{
    return StartProgram(ProductProgram(L"Trivane Control Panel.exe"));
}
