#pragma once
// Small routines of the editor's view and its dialogs: toolkit objects made in
// one call, dialog texts and a GDI fill.

#include "HeapText.h"
#include "LMObj.h"

#include <windows.h>

#include <memory>
#include <string>

// A windowless object with one text state "Default" (not italic, not
// underlined, measured size), under parent, realized, at (x, y), shown.
// size is in points; alignment is passed to the text state as it stands.
std::unique_ptr<LMObj> CreateTextObject(LMObj* parent, int x, int y, const wchar_t* text,
                                        const wchar_t* face, int size, int bold, COLORREF colour,
                                        int alignment);

// A windowless, fixed object showing the program's PNG resource as "Default",
// under parent, realized, at (x, y), shown. Without the image it has no state.
std::unique_ptr<LMObj> CreateResourceBitmapObject(LMObj* parent, int x, int y, UINT pngId);

// Frees the slot's text, then stores a copy of the control's text, or null
// when the control is empty or missing.
void GetDlgItemTextAlloc(HeapText* slot, HWND dialog, int controlId);

// The GDI rectangle with a solid brush and no pen: pixels from left to
// right - 2 and from top to bottom - 2 are filled.
void FillSolidRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour);

// The open dialog for one filter (name, pattern, closing NUL) with the file
// and its folder required and a 260-character path; false when cancelled.
bool AskOpenFile(HWND owner, const wchar_t* filter, std::wstring* path);
