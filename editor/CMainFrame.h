#pragma once
// The editor's main frame: the MDI frame with a status bar (a message pane
// and the Caps, Num and Scroll Lock indicators), no toolbar.

#include "CMDIFrameWnd.h"
#include "CStatusBar.h"

class CMainFrame : public CMDIFrameWnd {
protected:
    // -1 when the frame, the status bar or its indicators cannot be made.
    int OnCreate(CREATESTRUCTW* cs) override;

private:
    CStatusBar statusBar_;
};
