#include "CView.h"

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "DocViewIds.h"

#include <utility>

CView::~CView()
{
    LeaveDocument();
}

BOOL CView::Create(CMDIChildWnd* frame, CCreateContext* context)
{
    if (!frame || !frame->GetSafeHwnd())
        return FALSE;
    frame_ = frame;
    RECT client = {};
    GetClientRect(frame->GetSafeHwnd(), &client);
    CREATESTRUCTW cs = {};
    cs.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    cs.cx = client.right;
    cs.cy = client.bottom;
    cs.hwndParent = frame->GetSafeHwnd();
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kIdFirstView));
    if (!PreCreateWindow(cs) || !CreateFromStruct(cs))
        return FALSE;
    if (context && context->Document)
        context->Document->AddView(this);
    return TRUE;
}

void CView::OnInitialUpdate()
{
    if (GetSafeHwnd())
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

BOOL CView::PreCreateWindow(CREATESTRUCTW& cs)
{
    return CWnd::PreCreateWindow(cs);
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(GetSafeHwnd(), &paint);
        if (dc)
            OnDraw(dc);
        EndPaint(GetSafeHwnd(), &paint);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CView::PostNcDestroy()
{
    LeaveDocument();
}

void CView::LeaveDocument()
{
    // The document may close itself when its last view leaves.
    if (CDocument* document = std::exchange(document_, nullptr))
        document->RemoveView(this);
}
