#include "CMDIChildWnd.h"

#include "DocBusy.h"

#include "CDocument.h"
#include "CMDIFrameWnd.h"
#include "CMultiDocTemplate.h"
#include "CView.h"

#include <string>

CMDIChildWnd::CMDIChildWnd() = default;

CMDIChildWnd::~CMDIChildWnd() = default;

BOOL CMDIChildWnd::LoadFrame(UINT resourceId, DWORD style, CMDIFrameWnd* parent,
                             CCreateContext* context)
{
    template_ = context ? context->Template : nullptr;
    if (!Create(nullptr, L"", style, kDefaultFrameRect, parent, context))
        return FALSE;
    if (HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId))) {
        SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    }
    return TRUE;
}

BOOL CMDIChildWnd::Create(const wchar_t* className, const wchar_t* title, DWORD style,
                          const RECT& rect, CMDIFrameWnd* parent, CCreateContext* context)
{
    if (!parent || !parent->MDIClient())
        return FALSE;
    parent_ = parent;
    CREATESTRUCTW cs = {};
    cs.lpszClass = className;
    cs.lpszName = title;
    cs.style = style;
    bool placeByClient = rect.left == static_cast<LONG>(CW_USEDEFAULT);
    cs.x = placeByClient ? CW_USEDEFAULT : rect.left;
    cs.y = placeByClient ? CW_USEDEFAULT : rect.top;
    cs.cx = placeByClient ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = placeByClient ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = parent->MDIClient();
    cs.lpCreateParams = context;
    if (!PreCreateWindow(cs))
        return FALSE;
    MDICREATESTRUCTW mdi = {cs.lpszClass,
                            cs.lpszName,
                            cs.hInstance,
                            cs.x,
                            cs.y,
                            cs.cx,
                            cs.cy,
                            static_cast<DWORD>(cs.style),
                            reinterpret_cast<LPARAM>(context)};
    ExpectWindow();
    auto window = reinterpret_cast<HWND>(
        SendMessageW(parent->MDIClient(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mdi)));
    CancelExpectedWindow();
    created_ = window && window == GetSafeHwnd();
    return created_;
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.style |= WS_CHILD;
    return CWnd::PreCreateWindow(cs);
}

int CMDIChildWnd::OnCreate(CREATESTRUCTW* cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    auto* mdi = static_cast<MDICREATESTRUCTW*>(cs->lpCreateParams);
    auto* context = mdi ? reinterpret_cast<CCreateContext*>(mdi->lParam) : nullptr;
    if (!context || !context->Template)
        return 0;
    view_ = context->Template->CreateView();
    return view_ && view_->Create(this, context) ? 0 : -1;
}

LRESULT CMDIChildWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MDIACTIVATE:
        OnMDIActivate(reinterpret_cast<HWND>(lParam));
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SETFOCUS: {
        LRESULT result = DefaultProc(message, wParam, lParam);
        if (CView* view = GetActiveView())
            SetFocus(view->GetSafeHwnd());
        return result;
    }
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CMDIChildWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcW(GetSafeHwnd(), message, wParam, lParam);
}

bool CMDIChildWnd::OnCommand(UINT id, UINT code)
{
    return parent_ && parent_->RouteCommand(id, code, true, this);
}

void CMDIChildWnd::OnSize(UINT, int cx, int cy)
{
    if (CView* view = GetActiveView())
        MoveWindow(view->GetSafeHwnd(), 0, 0, cx, cy, TRUE);
}

void CMDIChildWnd::PostNcDestroy()
{
    if (created_ && parent_)
        parent_->ReleaseChildFrame(this);
}

void CMDIChildWnd::OnMDIActivate(HWND activated)
{
    if (!parent_)
        return;
    // The frame activated shows its document's menu; with none left the main
    // frame's own menu returns.
    if (activated == GetSafeHwnd())
        parent_->ShowDocumentMenu(template_ ? template_->Menu() : nullptr);
    else if (!activated)
        parent_->ShowDocumentMenu(nullptr);
    parent_->OnUpdateFrameTitle();
}

void CMDIChildWnd::OnClose()
{
    if (DocViewIsBusy())
        return;
    CDocument* document = GetActiveDocument();
    // The last frame of a document closes the document, and with it this frame.
    if (document && document->Frames().size() <= 1) {
        if (document->SaveModified())
            document->OnCloseDocument();
        return;
    }
    MDIDestroy();
}

CView* CMDIChildWnd::GetActiveView() const
{
    return view_ && view_->GetSafeHwnd() ? view_.get() : nullptr;
}

CDocument* CMDIChildWnd::GetActiveDocument() const
{
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void CMDIChildWnd::MDIActivate()
{
    if (parent_ && GetSafeHwnd())
        SendMessageW(parent_->MDIClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(GetSafeHwnd()),
                     0);
}

void CMDIChildWnd::MDIDestroy()
{
    if (parent_ && GetSafeHwnd())
        SendMessageW(parent_->MDIClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(GetSafeHwnd()),
                     0);
}

void CMDIChildWnd::SetWindowNumber(int number)
{
    windowNumber_ = number;
    OnUpdateFrameTitle();
}

void CMDIChildWnd::OnUpdateFrameTitle()
{
    CDocument* document = GetActiveDocument();
    if (!GetSafeHwnd() || !document)
        return;
    std::wstring title = document->GetTitle();
    if (windowNumber_ > 0)
        title += L":" + std::to_wstring(windowNumber_);
    SetWindowTextW(GetSafeHwnd(), title.c_str());
}
