#pragma once
// The frame of one theme document: always a visible child at the top-left of
// the MDI client, 960 x 700 pixels.

#include "CMDIChildWnd.h"

#include <memory>

class CChildFrame : public CMDIChildWnd {
public:
    static std::unique_ptr<CMDIChildWnd> CreateObject();

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    // The rectangle asked for is replaced by the frame's own.
    BOOL Create(const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                CMDIFrameWnd* parent, CCreateContext* context) override;
    bool OnCmdMsg(UINT id, UINT code, bool execute) override;

protected:
    // The pane dialogs handle their own changes; one of them reaching the
    // frame does nothing.
    void OnChangeFrames();
};
