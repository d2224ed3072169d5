#pragma once
// The editor's drawn object: the thumbnail grids and the variant links take
// the mouse and hand it to their view by kind; every other CQVObj of the view
// (thumbnails, labels, markers, the cursors title bar) is kind 0 and does
// nothing of its own.

#include "LMObj.h"

#include <cstdint>

class CEditorMFCView;

namespace editor {

// Kinds.
constexpr int32_t kQVNone = 0;
constexpr int32_t kQVCursorGrid = 1;
constexpr int32_t kQVNormalLink = 2;
constexpr int32_t kQVPressedLink = 3;
constexpr int32_t kQVEffectGrid = 4;
constexpr int32_t kQVTrailGrid = 5;

class CQVObj : public LMObj {
public:
    CQVObj(int32_t typeWord, CEditorMFCView* view);
    ~CQVObj() override;

    int OnLButtonUp(int x, int y, int dragged) override;
    int OnRButtonUp(int x, int y, int dragged) override;
    int OnMouseMove(int x, int y) override;
    int OnMouseEnter() override;
    int OnMouseLeave(LMObj* nextHovered) override;

    bool IsGrid() const;

    int32_t Kind = kQVNone;
    // 1: "Over" while the pointer is on the object, "Away" otherwise.
    int32_t HoverText = 0;
    CEditorMFCView* View = nullptr;
};

}  // namespace editor
