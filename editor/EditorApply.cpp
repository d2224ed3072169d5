// Apply: the running engine re-applies the current theme it has, or the
// engine starts. The edited theme is neither saved nor made current here.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "EngineWindowLookup.h"
#include "EngineWorld.h"

#include <shellapi.h>

#include <string>

namespace {

constexpr const wchar_t* kReapplyMessageName = L"WM_TRV_REAPPLY";

// "Trivane.exe" beside the settings page when the editor runs inside its
// process, else beside the editor; empty when the path does not fit.
std::wstring EngineProgramPath()
{
    wchar_t module[MAX_PATH];
    const DWORD length =
        World().GetModuleFileNameW(GetModuleHandleW(L"TrivaneCpl.dll"), module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path(module, length);
    const size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash);
    path += L"\\Trivane.exe";
    return path.size() < MAX_PATH ? path : std::wstring();
}

// Started as every program starts the engine: environment strings expanded,
// no verb, parameters or folder, shown normally. A failure is not reported.
void StartEngineProgram(const std::wstring& path)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_DOENVSUBST;
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    World().ShellExecuteExW(&info);
}

}  // namespace

void CEditorMFCView::OnApply()
{
    const UINT reapply = World().RegisterWindowMessageW(kReapplyMessageName);
    HWND engine = FindEngineWindow();
    if (reapply && engine) {
        World().PostMessageW(engine, reapply, 0, 0);
        return;
    }
    const std::wstring path = EngineProgramPath();
    if (!path.empty())
        StartEngineProgram(path);
}

void CEditorMFCView::OnSaveAndApply()
{
    CEditorMFCDoc* document = GetDocument();
    if (document && document->DoFileSave())
        OnApply();
}
