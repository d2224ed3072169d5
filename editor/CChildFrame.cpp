#include "CChildFrame.h"

#include "EditorIds.h"

std::unique_ptr<CMDIChildWnd> CChildFrame::CreateObject()
{
    return std::make_unique<CChildFrame>();
}

BOOL CChildFrame::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!CMDIChildWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = static_cast<LONG>(kChildFrameStyle);
    return TRUE;
}

BOOL CChildFrame::Create(const wchar_t* className, const wchar_t* title, DWORD style, const RECT&,
                         CMDIFrameWnd* parent, CCreateContext* context)
{
    return CMDIChildWnd::Create(className, title, style, kChildFrameRect, parent, context);
}

bool CChildFrame::OnCmdMsg(UINT id, UINT code, bool execute)
{
    static const CommandEntry<CChildFrame> kTable[] = {
        HandleNotify(kIdFramesBox, EN_CHANGE, &CChildFrame::OnChangeFrames),
    };
    return DispatchCommand(*this, kTable, id, code, execute) ||
           CMDIChildWnd::OnCmdMsg(id, code, execute);
}

void CChildFrame::OnChangeFrames()
{
}
