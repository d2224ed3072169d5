#pragma once
// The scroll arrows' repeat timers: which list's thumb each one moves, and
// by how much. An arrow's press arms its timer every 20 ms; the timer moves
// the thumb only once 300 ms have passed since the press.

#include <windows.h>

struct PanelList;

constexpr DWORD kScrollRepeatDelayMs = 300;

// The list whose thumb the timer moves, with the step (signed); null for a
// timer that is no repeat timer.
PanelList* ScrollRepeatList(UINT_PTR timer, int* step);

// Moves the thumb of the timer's list by its step when the press lies more
// than 300 ms back; 1 when a thumb was moved.
int RepeatScroll(UINT_PTR timer, DWORD now);
