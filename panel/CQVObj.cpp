#include "CQVObj.h"

// The panel's event routing takes these over; until then every event gets
// the toolkit's own handling.

CQVObj::CQVObj() : LMObj(LMObjWindowless)
{
}

CQVObj::CQVObj(HWND window) : LMObj(window)
{
}

CQVObj::~CQVObj() = default;

int CQVObj::OnStateChanging(wchar_t* name, int flags)
{
    return LMObj::OnStateChanging(name, flags);
}

int CQVObj::OnStateDone(const wchar_t* name, int flags)
{
    return LMObj::OnStateDone(name, flags);
}

int CQVObj::OnLButtonDown(int x, int y)
{
    return LMObj::OnLButtonDown(x, y);
}

int CQVObj::OnLButtonUp(int x, int y, int dragged)
{
    return LMObj::OnLButtonUp(x, y, dragged);
}

int CQVObj::OnDoubleClick(int x, int y)
{
    return LMObj::OnDoubleClick(x, y);
}

int CQVObj::OnRButtonUp(int x, int y, int dragged)
{
    return LMObj::OnRButtonUp(x, y, dragged);
}

int CQVObj::OnMouseMove(int x, int y)
{
    return LMObj::OnMouseMove(x, y);
}

int CQVObj::OnMouseEnter()
{
    return LMObj::OnMouseEnter();
}

int CQVObj::OnMouseLeave(LMObj* nextHovered)
{
    return LMObj::OnMouseLeave(nextHovered);
}

int CQVObj::OnDrag(int x, int y, int newX, int newY)
{
    return LMObj::OnDrag(x, y, newX, newY);
}

int CQVObj::OnDragEnd()
{
    return LMObj::OnDragEnd();
}

int CQVObj::OnMouseWheel(int delta)
{
    return LMObj::OnMouseWheel(delta);
}
