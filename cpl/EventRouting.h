#pragma once
// Where an event of a page object goes, decided by the object's id and
// hover mode: ids 1-99 are bar buttons, 100-199 theme pane objects, 200-299
// options pane objects.

#include <cstdint>

namespace cpl {

enum class ObjectEvent {
    LButtonDown,
    LButtonUp,
    DoubleClick,
    RButtonUp,
    MouseMove,
    Drag,
    DragEnd,
    MouseEnter,
    MouseLeave,
};

enum class EventTarget {
    None,
    Bar,         // a bar command
    Themes,      // the theme pane's handler of the event
    Options,     // the options pane's handler of the event
    HoverState,  // the object itself shows "Over" or "Away"
};

// Objects of this hover mode switch their look on enter and leave.
constexpr int32_t kHoverSwitchesState = 101;

EventTarget RouteEvent(ObjectEvent event, int32_t id, int32_t hoverMode);

}  // namespace cpl
