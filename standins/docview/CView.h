#pragma once
// A view: the child window of a document frame that shows its document.

#include "CWnd.h"

class CDocument;
class CMDIChildWnd;
struct CCreateContext;

class CView : public CWnd {
public:
    CView() = default;
    ~CView() override;

    // The window fills the frame's client area and joins the context's document.
    BOOL Create(CMDIChildWnd* frame, CCreateContext* context);
    CDocument* GetDocument() const { return document_; }
    CMDIChildWnd* GetParentFrame() const { return frame_; }

    // Once, after the frame and view exist and the document is filled.
    virtual void OnInitialUpdate();
    virtual void OnDraw(HDC dc) = 0;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

private:
    friend class CDocument;
    void LeaveDocument();

    CDocument* document_ = nullptr;
    CMDIChildWnd* frame_ = nullptr;
};
