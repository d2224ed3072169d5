#include "CQVObj.h"

#include "COptionsPane.h"
#include "CThemePane.h"
#include "EventRouting.h"
#include "SettingsPage.h"

namespace cpl {

CQVObj::CQVObj(HWND window) : LMObj(window)
{
}

CQVObj::CQVObj(int32_t typeWord) : LMObj(typeWord)
{
}

CQVObj::~CQVObj() = default;

int CQVObj::OnLButtonDown(int x, int y)
{
    if (RouteEvent(ObjectEvent::LButtonDown, Id, HoverMode) == EventTarget::Themes)
        ThemePane.OnLButtonDown(*this, x, y);
    return LMObj::OnLButtonDown(x, y);
}

int CQVObj::OnLButtonUp(int x, int y, int dragged)
{
    switch (RouteEvent(ObjectEvent::LButtonUp, Id, HoverMode)) {
    case EventTarget::Bar:
        RunBarCommand(Id);
        break;
    case EventTarget::Themes:
        ThemePane.OnLButtonUp(*this, x, y, dragged);
        break;
    case EventTarget::Options:
        OptionsPane.OnLButtonUp(*this, x, y, dragged);
        break;
    default:
        break;
    }
    return LMObj::OnLButtonUp(x, y, dragged);
}

int CQVObj::OnDoubleClick(int x, int y)
{
    if (RouteEvent(ObjectEvent::DoubleClick, Id, HoverMode) == EventTarget::Themes)
        ThemePane.OnDoubleClick(*this, x, y);
    return LMObj::OnDoubleClick(x, y);
}

int CQVObj::OnRButtonUp(int x, int y, int dragged)
{
    EventTarget target = RouteEvent(ObjectEvent::RButtonUp, Id, HoverMode);
    if (target == EventTarget::Themes)
        ThemePane.OnRButtonUp(*this, x, y, dragged);
    else if (target == EventTarget::Options)
        OptionsPane.OnRButtonUp(*this, x, y, dragged);
    return LMObj::OnRButtonUp(x, y, dragged);
}

int CQVObj::OnMouseMove(int x, int y)
{
    if (RouteEvent(ObjectEvent::MouseMove, Id, HoverMode) == EventTarget::Themes)
        ThemePane.OnMouseMove(*this, x, y);
    return LMObj::OnMouseMove(x, y);
}

int CQVObj::OnMouseEnter()
{
    if (RouteEvent(ObjectEvent::MouseEnter, Id, HoverMode) == EventTarget::HoverState)
        ChangeState(L"Over");
    return LMObj::OnMouseEnter();
}

int CQVObj::OnMouseLeave(LMObj* nextHovered)
{
    if (RouteEvent(ObjectEvent::MouseLeave, Id, HoverMode) == EventTarget::HoverState)
        ChangeState(L"Away");
    return LMObj::OnMouseLeave(nextHovered);
}

int CQVObj::OnDrag(int x, int y, int newX, int newY)
{
    if (RouteEvent(ObjectEvent::Drag, Id, HoverMode) == EventTarget::Options)
        OptionsPane.OnDrag(*this, x, y, newX, newY);
    return LMObj::OnDrag(x, y, newX, newY);
}

int CQVObj::OnDragEnd()
{
    if (RouteEvent(ObjectEvent::DragEnd, Id, HoverMode) == EventTarget::Options)
        OptionsPane.OnDragEnd(*this);
    return LMObj::OnDragEnd();
}

}  // namespace cpl
