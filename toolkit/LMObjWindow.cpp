// The window, input and drawing slots of LMObj. Until objects get windows of
// their own these do nothing and report so; focus, hover and leaving the frame
// timer need no window and work already.

#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMToolkit.h"

int LMObj::Realize()
{
    return 0;
}

int LMObj::Unrealize()
{
    if (LMScheduler)
        LMScheduler->Remove(this);
    if (!Realized)
        return 0;
    Realized = 0;
    return 1;
}

int LMObj::CreateWnd()
{
    return 0;
}

LRESULT LMObj::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

int LMObj::SyncFromWindow()
{
    return 0;
}

int LMObj::OnTop()
{
    return 0;
}

int LMObj::ChangeZOrder(int)
{
    return 0;
}

HWND LMObj::ApplyZOrder(HWND)
{
    return nullptr;
}

int LMObj::Invalidate(int)
{
    return 0;
}

int LMObj::InvalidateRect(int, int, int, int, int)
{
    return 0;
}

int LMObj::Draw(HDC, int, int, int, int, int, int, float)
{
    return 0;
}

int LMObj::DrawOpaque(HDC hdc, int originX, int originY, int x, int y, int width, int height)
{
    return Draw(hdc, originX, originY, x, y, width, height, 255.0f);
}

int LMObj::OnPaint(HWND)
{
    return 0;
}

int LMObj::OnLButtonDown(int, int)
{
    return 0;
}

int LMObj::OnDoubleClick(int, int)
{
    return 0;
}

int LMObj::OnRButtonDown(int, int)
{
    return 0;
}

int LMObj::OnMouseMove(int, int)
{
    if (!Hovered) {
        Hovered = 1;
        OnMouseEnter();
    }
    return 1;
}

int LMObj::SetFocus()
{
    if (FocusObject == this)
        return 0;
    if (FocusObject)
        FocusObject->KillFocus();
    FocusObject = this;
    return 1;
}

int LMObj::KillFocus()
{
    FocusObject = nullptr;
    return 1;
}

int LMObj::OnDrag(int, int, int, int)
{
    return 0;
}

int LMObj::OnDragEnd()
{
    return 0;
}

int LMObj::OnWindowButtonDown(int, int, int)
{
    return 0;
}

int LMObj::OnWindowButtonUp(int, int, int)
{
    return 0;
}

int LMObj::OnWindowMouseMove(int, int)
{
    return 0;
}

int LMObj::OnWindowMouseLeave()
{
    return 0;
}
