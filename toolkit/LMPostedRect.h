#pragma once
// The deferred redraw message and the rectangles that travel with it. A
// rectangle is handed out by this module and taken back by whoever handles
// or drops the message; a wParam this module did not hand out is never
// touched, so a forged or repeated message cannot free foreign memory.

#include <windows.h>

#include <cstddef>
#include <memory>

// Posted to a toolkit window to redraw on its own thread.
constexpr UINT LMMsgDeferredRedraw = WM_USER + 49;  // 0x431
static_assert(LMMsgDeferredRedraw == 0x431, "the message number is shared with other programs");

// lParam of the message: what wParam holds.
constexpr LPARAM LMRedrawClientRect = 0;  // a rectangle in client coordinates
constexpr LPARAM LMRedrawFrameRect = 1;   // x, y, width, height in frame coordinates
constexpr LPARAM LMRedrawWhole = 2;       // nothing: the whole object

// A new live rectangle; the pointer goes into the message's wParam.
RECT* LMAllocPostedRect(const RECT& rect);
// Takes a rectangle back from a message's wParam; null when it is not live.
std::unique_ptr<RECT> LMTakePostedRect(WPARAM wParam);
// Rectangles handed out and not yet taken back.
size_t LMLivePostedRects();

// Posts the message; the rectangle, when given, is copied into a live one,
// which is taken back at once when the post fails. 1 when posted.
int LMPostRedraw(HWND window, const RECT* rect, LPARAM kind);

// Removes the window's queued redraw messages and takes their rectangles
// back. Only the window's own thread sees its queue.
void LMDropPendingRedraws(HWND window);
