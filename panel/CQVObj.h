#pragma once
// The control panel's drawn control: a windowless object that carries the
// control id and hover mode its events are routed by.

#include "LMObj.h"

#include <cstdint>

// Hover modes.
constexpr int32_t CQVHoverNone = 0;
constexpr int32_t CQVHoverSideTab = 101;    // "Over" / "Away", not while "Selected"
constexpr int32_t CQVHoverPagePanel = 102;  // hidden once "Hide" has finished
constexpr int32_t CQVHoverButton = 103;     // "Down", "Over", "Default"
constexpr int32_t CQVHoverListRow = 104;    // row index = control id - 300

// Indexes of the toolkit's cursor table.
constexpr int32_t kPanelHandCursor = 14;   // IDC_HAND
constexpr int32_t kPanelSliderCursor = 9;  // IDC_SIZEWE

class CQVObj : public LMObj {
public:
    CQVObj();
    // Adopts a window of the program: the root of the main dialog.
    explicit CQVObj(HWND window);
    ~CQVObj() override;

    int OnStateChanging(wchar_t* name, int flags) override;
    int OnStateDone(const wchar_t* name, int flags) override;
    int OnLButtonDown(int x, int y) override;
    int OnLButtonUp(int x, int y, int dragged) override;
    int OnDoubleClick(int x, int y) override;
    int OnRButtonUp(int x, int y, int dragged) override;
    int OnMouseMove(int x, int y) override;
    int OnMouseEnter() override;
    int OnMouseLeave(LMObj* nextHovered) override;
    int OnDrag(int x, int y, int newX, int newY) override;
    int OnDragEnd() override;
    int OnMouseWheel(int delta) override;

    int32_t ControlId = 0;
    int32_t HoverMode = CQVHoverNone;
};
