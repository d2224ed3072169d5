#include "CEditorMFCView.h"

#include "CEditorMFCDoc.h"

std::unique_ptr<CView> CEditorMFCView::CreateObject()
{
    return std::make_unique<CEditorMFCView>();
}

CEditorMFCDoc* CEditorMFCView::GetDocument() const
{
    return dynamic_cast<CEditorMFCDoc*>(CView::GetDocument());
}

void CEditorMFCView::OnDraw(HDC)
{
}

void CEditorMFCView::CommitAllPanes()
{
}
