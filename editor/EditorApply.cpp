// Apply: the running engine re-applies the current theme it has, or the
// engine starts. The edited theme is neither saved nor made current here.

#include "CEditorMFCDoc.h"
#include "CEditorMFCView.h"
#include "EngineMessages.h"
#include "EngineRequests.h"
#include "EngineWorld.h"

// The engine beside the settings page when the editor runs inside its
// process (a null module is the editor's own).
void CEditorMFCView::OnApply()
{
    const UINT reapply = World().RegisterWindowMessageW(kEngineMessageNames[WM_TRV_REAPPLY]);
    TellEngineOrStart(reapply, GetModuleHandleW(L"TrivaneCpl.dll"), nullptr);
}

void CEditorMFCView::OnSaveAndApply()
{
    CEditorMFCDoc* document = GetDocument();
    if (document && document->DoFileSave())
        OnApply();
}
