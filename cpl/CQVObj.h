#pragma once
// The settings page's visual object: an LMObj with an id and a hover mode,
// whose input events go to the bar or to a pane by that id.

#include "LMObj.h"

#include <cstdint>

namespace cpl {

class CQVObj : public LMObj {
public:
    explicit CQVObj(HWND window);
    explicit CQVObj(int32_t typeWord);
    ~CQVObj() override;

    // Each does its routing, then the LMObj default.
    int OnLButtonDown(int x, int y) override;
    int OnLButtonUp(int x, int y, int dragged) override;
    int OnDoubleClick(int x, int y) override;
    int OnRButtonUp(int x, int y, int dragged) override;
    int OnMouseMove(int x, int y) override;
    int OnMouseEnter() override;
    int OnMouseLeave(LMObj* nextHovered) override;
    int OnDrag(int x, int y, int newX, int newY) override;
    int OnDragEnd() override;

    int32_t Id = 0;
    int32_t HoverMode = 0;
};

}  // namespace cpl
