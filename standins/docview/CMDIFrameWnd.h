#pragma once
// The program's main frame: the MDI client with the document frames, the menu
// bar (the frame's own menu, or the active document's), the status bar, the
// title, and the routing of every command.

#include "CWnd.h"
#include "DocViewIds.h"
#include "ScopedWin.h"

#include <memory>
#include <string>
#include <vector>

class CDocument;
class CMDIChildWnd;
class CStatusBar;

class CMDIFrameWnd : public CWnd {
public:
    CMDIFrameWnd();
    ~CMDIFrameWnd() override;

    // Title from the string, menu and icon of resourceId; the window stays hidden.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE);

    HWND MDIClient() const { return client_; }
    CMDIChildWnd* MDIGetActive() const;
    CDocument* GetActiveDocument() const;
    HMENU FrameMenu() const { return menu_.Get(); }
    // The frame's accelerator table, the only one the message loop uses.
    HACCEL Accelerators() const { return accelerators_; }

    // A document frame belongs to the main frame until its window is gone.
    CMDIChildWnd* AdoptChildFrame(std::unique_ptr<CMDIChildWnd> frame);
    void ReleaseChildFrame(CMDIChildWnd* frame);
    size_t ChildFrameCount() const { return children_.size(); }

    // The active document's menu, or the frame's own for none.
    void ShowDocumentMenu(HMENU documentMenu);
    void OnUpdateFrameTitle();

    void SetStatusBar(CStatusBar* bar) { statusBar_ = bar; }
    CStatusBar* StatusBar() const { return statusBar_; }
    void RecalcLayout();
    void SetMessageText(const wchar_t* text);
    void OnIdleUpdate();

    // The command goes to the child's view, its document, the child frame,
    // this frame and the application, and stops at the first that handles
    // it. Without execute it only asks whether one would.
    bool RouteCommand(UINT id, UINT code, bool execute, CMDIChildWnd* child);
    // Greys every item of the popup that nothing would handle.
    void OnInitMenuPopup(HMENU popup);

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code) override;
    bool OnCmdMsg(UINT id, UINT code, bool execute) override;
    void PostNcDestroy() override;

    void OnWindowNew();
    void OnWindowArrange();
    void OnWindowCascade();
    void OnWindowTile();
    void OnViewStatusBar();

private:
    void OnClose();
    void OnDestroy();
    void OnMenuSelect(UINT id, UINT flags, HMENU menu);

    HWND client_ = nullptr;
    ScopedMenu menu_;
    HICON icon_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::wstring title_;
    bool addToTitle_ = false;
    bool destroying_ = false;
    CStatusBar* statusBar_ = nullptr;
    std::vector<std::unique_ptr<CMDIChildWnd>> children_;
};
