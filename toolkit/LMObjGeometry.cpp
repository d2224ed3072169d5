// Where an LMObj lies: its frame and visible rectangles, coordinate offsets
// along the tree, and positioning.

#include "LMBitmap.h"
#include "LMLayeredBatch.h"
#include "LMLock.h"
#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMProcs.h"
#include "LMToolkit.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

// Offset of the visible rectangle from the anchor for an alignment.
int AlignOffset(int align, int size)
{
    if (align == 1)
        return -(size / 2);
    if (align == 2)
        return -size;
    return 0;
}

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

bool SameSize(const RECT& a, const RECT& b)
{
    return Width(a) == Width(b) && Height(a) == Height(b);
}

int VisibleWidthOf(const LMVisualState* state)
{
    return state ? state->FrameWidth - state->InsetLeft - state->InsetRight : 0;
}

int VisibleHeightOf(const LMVisualState* state)
{
    return state ? state->FrameHeight - state->InsetTop - state->InsetBottom : 0;
}

// What SetPosition worked out under the lock.
struct PositionUpdate {
    RECT Bounds{};
    bool BoundsChanged = false;
    bool SizeChanged = false;
    bool ShowChange = false;
    int Changes = 0;
};

PositionUpdate ComputePosition(LMObj& obj, int x, int y, int flags)
{
    PositionUpdate update;
    bool moved = (flags & LMPosMove) != 0;
    bool resized = false;
    update.ShowChange = obj.TypeWord != LMObjChildWindow && (flags & (LMPosShow | LMPosHide));
    if (moved) {
        int anchorX = x - AlignOffset(obj.HAlign, VisibleWidthOf(obj.CurrentState));
        int anchorY = y - AlignOffset(obj.VAlign, VisibleHeightOf(obj.CurrentState));
        moved = anchorX != obj.AnchorX || anchorY != obj.AnchorY;
        obj.AnchorX = anchorX;
        obj.AnchorY = anchorY;
    }
    RECT visible;
    obj.GetBounds(&update.Bounds);
    obj.GetVisibleRect(&visible);
    update.BoundsChanged = !EqualRect(&update.Bounds, &obj.LastBounds);
    update.SizeChanged = !SameSize(update.Bounds, obj.LastBounds);
    if (visible.left != obj.LastVisibleRect.left || visible.top != obj.LastVisibleRect.top) {
        moved = true;
        obj.VisibleX = visible.left;
        obj.VisibleY = visible.top;
    }
    if (!SameSize(visible, obj.LastVisibleRect)) {
        resized = true;
        obj.VisibleWidth = Width(visible);
        obj.VisibleHeight = Height(visible);
    }
    if (update.ShowChange)
        obj.Shown = (flags & LMPosShow) ? 1 : 0;
    update.Changes = (resized ? LMChangeResized : 0) | (moved ? LMChangeMoved : 0) |
                     (flags & (LMPosShow | LMPosHide));
    return update;
}

// A layered window that is repainted gets its place from the layered update.
void PlaceWindow(LMObj& obj, const PositionUpdate& update, bool repaint, int flags,
                 HDWP* deferHandle)
{
    bool layered = obj.TypeWord == LMObjLayered;
    bool showChange = (flags & (LMPosShow | LMPosHide)) != 0;
    if (!obj.Window || (layered && repaint && !showChange))
        return;
    if (layered && !showChange && !deferHandle && LMBatchLayeredMove(obj))
        return;
    // A shown layered window is repainted, which places it too.
    bool showOnly = (flags & LMPosShow) && !(flags & LMPosHide);
    if (layered && repaint && showOnly && !deferHandle && LMBatchLayeredShow(obj))
        return;
    // Moves of our own bypass the filter that freezes foreign moves.
    UINT swp = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING;
    if (flags & LMPosShow)
        swp |= SWP_SHOWWINDOW;
    if (flags & LMPosHide)
        swp |= SWP_HIDEWINDOW;
    if (!update.BoundsChanged || (layered && repaint))
        swp |= SWP_NOMOVE;
    if (!update.SizeChanged || (layered && repaint))
        swp |= SWP_NOSIZE;
    const RECT& b = update.Bounds;
    if (deferHandle && *deferHandle) {
        if (update.SizeChanged && (obj.TypeWord == LMObjRegionShaped || repaint))
            swp |= SWP_NOCOPYBITS;
        *deferHandle = DeferWindowPos(*deferHandle, obj.Window, nullptr, b.left, b.top, Width(b),
                                      Height(b), swp);
    } else {
        LMProcs::SetWindowPos(obj.Window, nullptr, b.left, b.top, Width(b), Height(b), swp);
    }
}

void UpdateWindowHolder(LMObj& obj, const PositionUpdate& update, int flags, int mode,
                        HDWP* deferHandle)
{
    bool repaint = (flags & (LMPosRepaint | LMPosShow)) || update.SizeChanged;
    if (update.BoundsChanged && update.SizeChanged && obj.TypeWord == LMObjLayered) {
        int width = Width(update.Bounds), height = Height(update.Bounds);
        if (!obj.BackBuffer || obj.BackBuffer->Width != width || obj.BackBuffer->Height != height)
            obj.BackBuffer = std::make_unique<LMBitmap>(width, height, LMBitmapHasAlpha);
    }
    if (update.BoundsChanged || update.ShowChange)
        PlaceWindow(obj, update, repaint, flags, deferHandle);
    if (repaint)
        obj.Invalidate(mode | 1);
}

// Repaints the part of the parent that the child left and the part it now covers.
void RepaintParentArea(LMObj& obj, const RECT& oldBounds, const RECT& newBounds, int flags,
                       int mode)
{
    LMObj* parent = obj.Parent;
    RECT insets;
    int dx = 0, dy = 0;
    parent->GetStateMargins(&insets, &dx, &dy);
    auto repaint = [&](RECT area) {
        OffsetRect(&area, insets.left, insets.top);
        parent->InvalidateRect(area.left, area.top, Width(area), Height(area), mode | 1);
    };
    RECT overlap, both;
    if (flags & LMPosHide) {
        if (!IsRectEmpty(&oldBounds))
            repaint(oldBounds);
    } else if (flags & LMPosShow) {
        repaint(newBounds);
    } else if (IntersectRect(&overlap, &oldBounds, &newBounds)) {
        UnionRect(&both, &oldBounds, &newBounds);
        repaint(both);
    } else {
        if (!IsRectEmpty(&oldBounds))
            repaint(oldBounds);
        repaint(newBounds);
    }
}

}  // namespace

RECT LMRectFromSize(int x, int y, int width, int height)
{
    auto farEdge = [](int start, int size) {
        int64_t edge = static_cast<int64_t>(start) + size;
        return static_cast<LONG>(std::clamp<int64_t>(edge, INT32_MIN, INT32_MAX));
    };
    return RECT{x, y, farEdge(x, width), farEdge(y, height)};
}

int LMObj::GetStateMargins(RECT* insets, int* dx, int* dy)
{
    const LMVisualState* state = CurrentState;
    if (insets) {
        *insets =
            state ? RECT{state->InsetLeft, state->InsetTop, state->InsetRight, state->InsetBottom}
                  : RECT{0, 0, 0, 0};
    }
    if (dx)
        *dx = state ? state->OffsetX : 0;
    if (dy)
        *dy = state ? state->OffsetY : 0;
    return 1;
}

int LMObj::GetVisibleRect(RECT* out)
{
    if (!out)
        return 0;
    const LMVisualState* state = CurrentState;
    int width = VisibleWidthOf(state), height = VisibleHeightOf(state);
    *out = RECT{0, 0, width, height};
    OffsetRect(out, AlignOffset(HAlign, width) + AnchorX, AlignOffset(VAlign, height) + AnchorY);
    return 1;
}

int LMObj::GetBounds(RECT* out)
{
    if (!out)
        return 0;
    const LMVisualState* state = CurrentState;
    if (!state) {
        *out = RECT{AnchorX, AnchorY, AnchorX, AnchorY};
        return 1;
    }
    *out = RECT{0, 0, state->FrameWidth, state->FrameHeight};
    int dx = AlignOffset(HAlign, VisibleWidthOf(state)) + state->OffsetX - state->InsetLeft;
    int dy = AlignOffset(VAlign, VisibleHeightOf(state)) + state->OffsetY - state->InsetTop;
    OffsetRect(out, dx + AnchorX, dy + AnchorY);
    return 1;
}

int LMObj::AddClientOffsets(POINT* point)
{
    if (!point)
        return 0;
    for (LMObj* node = this; node; node = node->Parent) {
        point->x += node->ClientOffsetX - node->VisibleX;
        point->y += node->ClientOffsetY - node->VisibleY;
        if (node->TypeWord & LMObjWindowHolderBit)
            break;
    }
    return 1;
}

int LMObj::AddParentOffsets(POINT* point)
{
    if (!point)
        return 0;
    for (LMObj* node = Parent; node && node != RootObject; node = node->Parent) {
        point->x += node->ClientOffsetX - node->VisibleX;
        point->y += node->ClientOffsetY - node->VisibleY;
        if (node->TypeWord & LMObjWindowHolderBit)
            break;
    }
    return 1;
}

int LMObj::GetScreenOffset(int* x, int* y)
{
    int offsetX = 0, offsetY = 0;
    for (LMObj* node = this; node; node = node->Parent) {
        if (node->TypeWord & LMObjWindowHolderBit) {
            RECT insets;
            node->GetStateMargins(&insets, nullptr, nullptr);
            offsetX += insets.left - node->ClientOffsetX;
            offsetY += insets.top - node->ClientOffsetY;
            break;
        }
        offsetX += node->VisibleX;
        offsetY += node->VisibleY;
    }
    if (x)
        *x = offsetX;
    if (y)
        *y = offsetY;
    return 1;
}

int LMObj::SetPosition(int x, int y, int flags)
{
    return SetPosition(x, y, flags, nullptr);
}

int LMObj::SetPosition(int x, int y, int flags, HDWP* deferHandle)
{
    if (TypeWord == LMObjRoot || this == RootObject)
        return 0;
    int mode = LMStartThreadId && GetCurrentThreadId() != LMStartThreadId ? 2 : 0;
    RECT oldBounds = LastBounds;
    PositionUpdate update;
    {
        LMLock lock(kLMLockPositionMs, kLMLockLabelSetPosition);
        if (!lock.Held())
            return 0;
        update = ComputePosition(*this, x, y, flags);
    }
    bool report = !(flags & LMPosQuiet) && update.Changes != 0;
    if (TypeWord == LMObjChildWindow || (TypeWord & LMObjOwnWindowBit)) {
        if (report)
            OnPositionChanged(AnchorX, AnchorY, VisibleWidth, VisibleHeight, update.Changes);
        if (Realized)
            UpdateWindowHolder(*this, update, flags, mode, deferHandle);
    } else if (TypeWord == LMObjWindowless) {
        if (report)
            OnPositionChanged(AnchorX, AnchorY, VisibleWidth, VisibleHeight, update.Changes);
        // A new state of the same size is a new picture in the same place:
        // the repaint flag that follows a switch must reach the screen too.
        if (Realized && Parent &&
            ((flags & (LMPosShow | LMPosRepaint)) || update.BoundsChanged || update.SizeChanged ||
             update.ShowChange))
            RepaintParentArea(*this, oldBounds, update.Bounds, flags, mode);
    }
    GetBounds(&LastBounds);
    GetVisibleRect(&LastVisibleRect);
    return 1;
}

int LMObj::MoveAligned(int x, int y)
{
    return MoveAligned(x, y, nullptr);
}

int LMObj::MoveAligned(int x, int y, HDWP* deferHandle)
{
    x += AlignOffset(HAlign, VisibleWidthOf(CurrentState));
    y += AlignOffset(VAlign, VisibleHeightOf(CurrentState));
    SetPosition(x, y, LMPosMove, deferHandle);
    return 1;
}

int LMObj::MoveTo(int x, int y)
{
    SetPosition(x, y, LMPosMove);
    return 1;
}

int LMObj::Show()
{
    SetPosition(0, 0, LMPosShow);
    return 1;
}

int LMObj::Hide()
{
    SetPosition(0, 0, LMPosHide);
    return 1;
}

void LMPlaceObject(LMObj& object, LMObj* parent, int x, int y, bool show)
{
    object.SetParent(parent);
    object.Realize();
    object.MoveTo(x, y);
    if (show)
        object.Show();
}
