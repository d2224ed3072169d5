#include "EventRouting.h"

namespace cpl {

namespace {

bool IsThemePaneId(int32_t id)
{
    return id >= 100 && id <= 199;
}

EventTarget PaneOf(int32_t id)
{
    if (IsThemePaneId(id))
        return EventTarget::Themes;
    return id >= 200 && id <= 299 ? EventTarget::Options : EventTarget::None;
}

}  // namespace

EventTarget RouteEvent(ObjectEvent event, int32_t id, int32_t hoverMode)
{
    switch (event) {
    case ObjectEvent::LButtonUp:
        return id < 100 ? EventTarget::Bar : PaneOf(id);
    case ObjectEvent::RButtonUp:
        return PaneOf(id);
    case ObjectEvent::LButtonDown:
    case ObjectEvent::DoubleClick:
    case ObjectEvent::MouseMove:
        return IsThemePaneId(id) ? EventTarget::Themes : EventTarget::None;
    case ObjectEvent::Drag:
    case ObjectEvent::DragEnd:
        return id >= 201 && id <= 299 ? EventTarget::Options : EventTarget::None;
    case ObjectEvent::MouseEnter:
    case ObjectEvent::MouseLeave:
        return hoverMode == kHoverSwitchesState ? EventTarget::HoverState : EventTarget::None;
    }
    return EventTarget::None;
}

}  // namespace cpl
