// The main frame's commands: routing, menu greying and the window commands.

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "CStatusBar.h"
#include "CView.h"
#include "CWinApp.h"

bool CMDIFrameWnd::OnCommand(UINT id, UINT code)
{
    return RouteCommand(id, code, true, MDIGetActive());
}

bool CMDIFrameWnd::RouteCommand(UINT id, UINT code, bool execute, CMDIChildWnd* child)
{
    // Each step returns at once: a handler may have closed the objects.
    if (child) {
        if (CView* view = child->GetActiveView()) {
            if (view->OnCmdMsg(id, code, execute))
                return true;
            CDocument* document = view->GetDocument();
            if (document && document->OnCmdMsg(id, code, execute))
                return true;
        }
        if (child->OnCmdMsg(id, code, execute))
            return true;
    }
    if (OnCmdMsg(id, code, execute))
        return true;
    CWinApp* app = DocViewApp();
    return app && app->OnCmdMsg(id, code, execute);
}

bool CMDIFrameWnd::OnCmdMsg(UINT id, UINT code, bool execute)
{
    static const CommandEntry<CMDIFrameWnd> kTable[] = {
        HandleCommand(kIdWindowNew, &CMDIFrameWnd::OnWindowNew),
        HandleCommand(kIdWindowArrange, &CMDIFrameWnd::OnWindowArrange),
        HandleCommand(kIdWindowCascade, &CMDIFrameWnd::OnWindowCascade),
        HandleCommand(kIdWindowTile, &CMDIFrameWnd::OnWindowTile),
        HandleCommand(kIdViewStatusBar, &CMDIFrameWnd::OnViewStatusBar),
    };
    return DispatchCommand(*this, kTable, id, code, execute) || CWnd::OnCmdMsg(id, code, execute);
}

void CMDIFrameWnd::OnInitMenuPopup(HMENU popup)
{
    CWinApp* app = DocViewApp();
    if (app)
        app->UpdateRecentFileMenu(popup);
    CMDIChildWnd* child = MDIGetActive();
    int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &item) || item.hSubMenu ||
            (item.fType & MFT_SEPARATOR))
            continue;
        UINT id = item.wID;
        // The window list belongs to the MDI client, the recent files to their list.
        if (id == 0 || id >= kIdFirstMdiChild || IsRecentFileId(id))
            continue;
        bool handled = RouteCommand(id, kCodeCommand, false, child);
        EnableMenuItem(popup, static_cast<UINT>(i),
                       MF_BYPOSITION | (handled ? MF_ENABLED : MF_GRAYED));
        if (id == kIdViewStatusBar) {
            bool shown = statusBar_ && statusBar_->IsVisible();
            CheckMenuItem(popup, static_cast<UINT>(i),
                          MF_BYPOSITION | (shown ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* active = MDIGetActive();
    CDocument* document = active ? active->GetActiveDocument() : nullptr;
    CMultiDocTemplate* docTemplate = document ? document->GetDocTemplate() : nullptr;
    if (!docTemplate)
        return;
    if (CMDIChildWnd* frame = docTemplate->CreateNewFrame(document))
        docTemplate->InitialUpdateFrame(frame, document);
}

void CMDIFrameWnd::OnWindowArrange()
{
    SendMessageW(client_, WM_MDIICONARRANGE, 0, 0);
}

void CMDIFrameWnd::OnWindowCascade()
{
    SendMessageW(client_, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::OnWindowTile()
{
    SendMessageW(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void CMDIFrameWnd::OnViewStatusBar()
{
    if (!statusBar_)
        return;
    statusBar_->Show(!statusBar_->IsVisible());
    RecalcLayout();
}
