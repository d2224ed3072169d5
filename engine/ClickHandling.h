#pragma once
// What a button message from the hook library does: the engine's button
// state, the mouse event, and the cursor state the pointer switches to.

#include <windows.h>

#include <cstdint>

// Cursor states of MouseMessageRow::PointerState besides the pressed ones.
constexpr int32_t kPointerStateUnchanged = 0;
constexpr int32_t kEngineButtonPressed = 1;
constexpr int32_t kEngineButtonReleased = 2;

struct MouseMessageRow {
    int32_t ButtonState;   // EngineButtonState afterwards, or 0: unchanged
    int32_t Event;         // mouse event 0..8
    int32_t PointerState;  // cursor state to switch to (1 back to normal), or 0
};

// The row of a client or non-client button message; false for any other.
bool DecideMouseMessage(UINT message, MouseMessageRow* row);
