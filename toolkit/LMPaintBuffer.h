#pragma once
// The one memory DC with a 32-bit DIB through which the toolkit's own
// repaints are drawn before they reach the window, so they do not flicker.
// It grows with 10 % headroom and a 2000 ms thread timer frees it when no
// paint holds it.

#include "ScopedWin.h"

struct LMPaintBufferData {
    ScopedMemoryDC Dc;
    ScopedBitmap Dib;
    HGDIOBJ DefaultBitmap = nullptr;  // what Dc held before the DIB
    int Width = 0;
    int Height = 0;
    int InUse = 0;  // paints drawing through the buffer now
    UINT_PTR TimerId = 0;
};

extern LMPaintBufferData PaintBuffer;

constexpr UINT kLMPaintBufferLifeMs = 2000;

// 1 when the buffer was (re)made at least width x height, 0 when it already
// was that large, or could not be made (then it has no DIB and size 0).
int EnsurePaintBuffer(int width, int height);
// 0 while a paint uses the buffer; else frees it, stops the timer, 1.
int FreePaintBuffer();
// True when the buffer holds a DIB of at least width x height.
bool PaintBufferFits(int width, int height);
void CALLBACK PaintBufferTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
