#pragma once
// The factories of the page's objects, shared by the bar and both panes.
// Each makes a windowless CQVObj (type 1), adds it under parent, realizes it,
// moves its visible top-left to (x, y) and shows it.

#include "CQVObj.h"

#include <windows.h>

#include <memory>

namespace cpl {

// The page's text: its face and size, alignments, and the colours of its
// link-like buttons.
constexpr wchar_t kPageFace[] = L"Segoe UI";
constexpr int kPageTextSize = 9;
constexpr int kTextLeft = 1;
constexpr int kTextCentred = 2;
constexpr COLORREF kLinkAwayColor = 0xFF0000;
constexpr COLORREF kLinkOverColor = 0xFF3333;

// Flags of CreateTextButton.
constexpr int kButtonSelectable = 1;  // also "AwaySelected" and "OverSelected"
constexpr int kButtonBold = 2;

// One text "Default" (not italic, not underlined, measured size).
std::unique_ptr<CQVObj> CreateTextObj(LMObj* parent, int x, int y, const wchar_t* text,
                                      const wchar_t* face, int size, int bold, COLORREF color,
                                      int alignment);

// The library's PNG resource as "Default"; never hit.
std::unique_ptr<CQVObj> CreateBitmapObj(LMObj* parent, int x, int y, int pngId);

// The PNG stretched to width x height keeping its four margins; never hit.
std::unique_ptr<CQVObj> CreateFrameObj(LMObj* parent, int x, int y, int width, int height, int left,
                                       int top, int right, int bottom, int pngId);

// A filled rectangle with a border (border alpha 192, fill opaque) that takes clicks.
std::unique_ptr<CQVObj> CreateRectObj(LMObj* parent, int x, int y, int width, int height,
                                      COLORREF border, COLORREF fill);

// An invisible area of that size that takes clicks.
std::unique_ptr<CQVObj> CreateBlankObj(LMObj* parent, int x, int y, int width, int height);

// A link-like button: "Away" in awayColor and "Over" underlined in
// overColor; hover mode 1 and the hand cursor.
std::unique_ptr<CQVObj> CreateTextButton(LMObj* parent, int x, int y, const wchar_t* text,
                                         const wchar_t* face, int size, COLORREF awayColor,
                                         COLORREF overColor, int flags);

// The text button's states, hover mode and cursor on an object of any
// CQVObj class; CreateTextButton and the options pane's tabs share it.
void AddTextButtonStates(CQVObj& object, const wchar_t* text, const wchar_t* face, int size,
                         COLORREF awayColor, COLORREF overColor, int flags);

// The order every factory ends with: under parent, realized, its visible
// top-left at (x, y), shown.
void PlaceObject(LMObj& object, LMObj* parent, int x, int y);

// The library's PNG resource in a new bitmap (alpha, shared DC), or null.
LMBitmap* LoadPngResourceBitmap(int pngId);

}  // namespace cpl
