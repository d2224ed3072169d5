#pragma once
// Scrolling the panel's lists by their thumbs: an arrow's press moves its
// thumb once and arms its repeat timer every 20 ms, which moves the thumb
// only once 300 ms have passed since the press; a thumb's drag scrolls its
// list (or the theme cursors page's grid); and the wheel.

#include <windows.h>

class LMObj;
struct PanelList;

constexpr DWORD kScrollRepeatDelayMs = 300;
constexpr UINT kScrollRepeatMs = 20;

// 1 when the id is a scroll arrow's.
int PressScrollArrow(int arrowId, DWORD now);
int ReleaseScrollArrow(int arrowId);
// The mouse went elsewhere while an arrow was held (another program came
// forward): its release will not come, so its repeat stops here.
void StopScrollRepeat();

// Moves the thumb of the timer's list by its step when the press lies more
// than 300 ms back; 1 when a thumb was moved.
int RepeatScroll(UINT_PTR timer, DWORD now);

// For a scroll thumb: the y it may take for newY, with its list scrolled to
// match; false for any other object.
bool DragThumb(const LMObj& thumb, int newY, int* keptY);

// Puts the list where its thumb says again, after the list changed height.
void ScrollListToThumb(const PanelList& list);

// The theme cursors page's thumb at the top of its travel, the grid with it.
void ScrollCursorGridToTop();

// The wheel scrolls the list of the page shown.
void ScrollByWheel(int delta);

// A click at y on the theme list's scroll frame moves its thumb 5 px
// towards it.
void PageThemeThumb(int y);
