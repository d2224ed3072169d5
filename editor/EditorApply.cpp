// Apply: the running engine re-applies the current theme it has, or the
// engine starts. The edited theme is neither saved nor made current here.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "EngineMessages.h"
#include "EngineWindowLookup.h"
#include "EngineWorld.h"
#include "RunProgram.h"

#include <string>

namespace {

// "Trivane.exe" beside the settings page when the editor runs inside its
// process, else beside the editor; empty when the path does not fit.
std::wstring EngineProgramPath()
{
    return EngineProgramBeside(GetModuleHandleW(L"TrivaneCpl.dll"));
}

}  // namespace

void CEditorMFCView::OnApply()
{
    const UINT reapply = World().RegisterWindowMessageW(kEngineMessageNames[WM_TRV_REAPPLY]);
    HWND engine = FindEngineWindow();
    if (reapply && engine) {
        World().PostMessageW(engine, reapply, 0, 0);
        return;
    }
    // A failed start is not reported.
    const std::wstring path = EngineProgramPath();
    if (!path.empty())
        RunProgram(path.c_str(), nullptr, nullptr);
}

void CEditorMFCView::OnSaveAndApply()
{
    CEditorMFCDoc* document = GetDocument();
    if (document && document->DoFileSave())
        OnApply();
}
