#pragma once
// The factories of the panel's skinned widgets. Each builds a windowless
// object with its named states, hangs it under its parent (realized, placed
// with its visible top-left at x, y in parent coordinates, and mostly
// shown) and returns it; the tree owns it from then on. A missing parent or
// skin picture gives null and attaches nothing.

#include "CQVObj.h"
#include "CQVSliderObj.h"

#include <windows.h>

// Push-button styles: their picture trios and borders.
constexpr int kButtonPlain = 0;      // 7-px borders all round
constexpr int kButtonUpGlyph = 1;    // 5-px side borders, glyph 204
constexpr int kButtonDownGlyph = 2;  // 5-px side borders, glyph 203

// Text colours the factories use.
constexpr COLORREF kTabTextColor = 0x2D2D2D;
constexpr COLORREF kTabSelectedTextColor = 0xFFFFFF;
constexpr COLORREF kLinkTextColor = 0xFF0000;
constexpr COLORREF kButtonCaptionColor = RGB(45, 45, 45);

// Link style bit: bold.
constexpr int kLinkBold = 2;

// "Default": the text in "Segoe UI", left-aligned in the width (0: its own),
// supersampled; shadow adds a soft drop shadow.
CQVObj* CreateTextLabel(LMObj* parent, int x, int y, const wchar_t* text, int size, int bold,
                        COLORREF color, int width, int shadow);
// "Default" and "Selected" captions at (x, 5), never hit.
CQVObj* CreateTextTab(LMObj* parent, int x, const wchar_t* text);
// "Over", "Away", "Selected" and "Unselected" over PNG 147, at (3, y);
// starts "Unselected" (clear, yet hit).
CQVObj* CreateSideTab(LMObj* parent, int y);
// "Show" and "Hide" fades of the page picture, at (x, 0) in the root; hidden.
CQVObj* CreatePagePanel(LMObj* root, int x, int pngId);
// PNG 184 "Default" and 185 "Selected" stretched to 120 px, at (x, y) on
// the parent: by default the online themes page's row at y 325.
constexpr int kImageTabY = 325;
CQVObj* CreateImageTab(LMObj* parent, int controlId, int x, int y = kImageTabY);
// "Default", "Over", "Down" of the style's pictures stretched to the size,
// borders kept; styles 1 and 2 carry their glyph at (5, 5). A caption is
// centred on the button in the label size.
CQVObj* CreatePushButton(LMObj* parent, int controlId, int x, int y, int width, int height,
                         int style, const wchar_t* caption = nullptr);
// "Default" and underlined "Over" texts in the label size.
CQVObj* CreateLinkText(LMObj* parent, int controlId, int x, int y, const wchar_t* text,
                       int styleBits);
// "Default" of the picture, hit where its pixels are.
CQVObj* CreateImageObject(LMObj* parent, int x, int y, int pngId);
// "Default" of the picture stretched to width x height (0 keeps that side)
// with the four borders kept; never hit.
CQVObj* CreateFrameObject(LMObj* parent, int x, int y, int width, int height, int left, int right,
                          int top, int bottom, int pngId);
// A white 590 x 70 rectangle at (12, 133) on the themes page.
CQVObj* CreateInfoPanel(LMObj* page);
// An empty "Default" of the size, hit all over.
CQVObj* CreateBlankObject(LMObj* parent, int x, int y, int width, int height);
// A knob with "Default" (PNG 219) and "Over" (PNG 176).
CQVSliderObj* CreateSlider(LMObj* parent, int x, int y, int trackMin, int trackMax, int valueMin,
                           int valueMax);

struct SliderGroup {
    CQVObj* Frame = nullptr;
    CQVSliderObj* Knob = nullptr;
    CQVObj* Caption = nullptr;  // null without a caption
};

// A track frame at (frameX, frameY) of frameWidth with 10-px ends, its knob
// 10 px above riding from frameX to frameX + frameWidth - 10 set to the
// initial value, and an optional caption centred 28 px above the frame.
// All null when a part cannot be made.
SliderGroup CreateSliderGroup(LMObj* parent, int frameX, int frameY, int frameWidth, int framePngId,
                              int controlId, int initialValue, int valueMin, int valueMax,
                              const wchar_t* caption);
