#pragma once
// A document frame inside the main frame's MDI client, holding one view.

#include "CWnd.h"

#include <memory>

class CDocument;
class CMDIFrameWnd;
class CMultiDocTemplate;
class CView;

// What a new frame needs to make its view.
struct CCreateContext {
    CDocument* Document = nullptr;
    CMultiDocTemplate* Template = nullptr;
};

// Leaves the placement to the MDI client.
constexpr RECT kDefaultFrameRect = {static_cast<LONG>(CW_USEDEFAULT),
                                    static_cast<LONG>(CW_USEDEFAULT), 0, 0};

class CMDIChildWnd : public CWnd {
public:
    CMDIChildWnd();
    ~CMDIChildWnd() override;

    // The frame of a template: its icon, the default rectangle, the view.
    BOOL LoadFrame(UINT resourceId, DWORD style, CMDIFrameWnd* parent, CCreateContext* context);
    // rect in the MDI client's coordinates; PreCreateWindow sees the
    // CREATESTRUCT before the MDI client creates the window.
    virtual BOOL Create(const wchar_t* className, const wchar_t* title, DWORD style,
                        const RECT& rect, CMDIFrameWnd* parent, CCreateContext* context);
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

    CView* GetActiveView() const;
    CDocument* GetActiveDocument() const;
    CMDIFrameWnd* GetMDIFrame() const { return parent_; }
    void MDIActivate();
    void MDIDestroy();

    // Numbered when a document has several frames: "Name:2".
    void SetWindowNumber(int number);
    void OnUpdateFrameTitle();

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code) override;
    void OnSize(UINT type, int cx, int cy) override;
    void PostNcDestroy() override;

private:
    void OnMDIActivate(HWND activated);
    void OnClose();

    CMDIFrameWnd* parent_ = nullptr;
    CMultiDocTemplate* template_ = nullptr;
    std::unique_ptr<CView> view_;
    int windowNumber_ = 0;
    // Until Create succeeds, the caller of Create owns a failure.
    bool created_ = false;
};
