// Mouse and keyboard input of LMObj: hover, press, double click, the drag
// step with edge snapping, release and leave, and the hover cursors.

#include "LMClock.h"
#include "LMInputSource.h"
#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMObjWindow.h"
#include "LMSnap.h"

#include <cstdlib>

namespace {

// A press turns into a drag once the mouse has moved this far on an axis.
constexpr int kDragThreshold = 6;
constexpr DWORD kDoubleClickMs = 500;

const LPCWSTR kCursorIds[kLMCursorCount] = {IDC_ARROW,
                                            IDC_HELP,
                                            IDC_APPSTARTING,
                                            IDC_WAIT,
                                            IDC_CROSS,
                                            IDC_IBEAM,
                                            MAKEINTRESOURCEW(32631),
                                            IDC_NO,
                                            IDC_SIZENS,
                                            IDC_SIZEWE,
                                            IDC_SIZENWSE,
                                            IDC_SIZENESW,
                                            IDC_SIZEALL,
                                            IDC_UPARROW,
                                            IDC_HAND};

bool IsRoot(const LMObj& obj)
{
    return obj.TypeWord == LMObjRoot || &obj == RootObject;
}

// Snapping applies to objects lying straight on the desktop or in a child window.
bool SnapsToEdges(const LMObj& obj)
{
    if (obj.SnapMode != kLMSnapToEdges || !obj.Parent)
        return false;
    return obj.Parent == RootObject || obj.Parent->TypeWord == LMObjChildWindow;
}

void DragTo(LMObj& dragged, POINT own, int newX, int newY)
{
    if (LMIsCtrlDown() || !SnapsToEdges(dragged)) {
        dragged.OnDrag(own.x, own.y, newX, newY);
        return;
    }
    dragged.Parent->ClearMarks();
    dragged.MarkGroup(1, 1, 1, nullptr);
    LMSnapRequest snap;
    snap.NewX = newX;
    snap.NewY = newY;
    snap.Width = dragged.VisibleWidth;
    snap.Height = dragged.VisibleHeight;
    LMSnapToMonitors(snap);
    dragged.OnDrag(own.x + snap.SnapX, own.y + snap.SnapY, newX - snap.SnapX, newY - snap.SnapY);
}

}  // namespace

LPCWSTR LMCursorIdForIndex(int index)
{
    if (index < 0 || index >= kLMCursorCount)
        return IDC_ARROW;
    return kCursorIds[index];
}

int LMSetHoverCursor()
{
    if (!HoveredObject)
        return 0;
    SetCursor(LoadCursorW(nullptr, LMCursorIdForIndex(HoveredObject->CursorIndex)));
    return 1;
}

namespace {

// The object or one of its ancestors owns the window.
bool HoldsWindow(const LMObj* obj, HWND window)
{
    for (; obj; obj = obj->Parent) {
        if (obj->Window == window)
            return true;
    }
    return false;
}

void EndHoveredDrag()
{
    LMObj* hovered = HoveredObject;
    if (IsValidLMObj(hovered) && hovered->Dragging) {
        hovered->Dragging = 0;
        hovered->OnDragEnd();
    }
}

}  // namespace

void LMOnFocusLost()
{
    if (FocusObject)
        FocusObject->KillFocus();
    NoDragFlag = 1;
    EndHoveredDrag();
}

void LMOnCaptureLost()
{
    if (ButtonState == LMButtonNone)
        return;
    ButtonState = LMButtonNone;
    EndHoveredDrag();
}

void LMForwardKey(UINT message, WPARAM wParam, LPARAM lParam)
{
    LMObj* focus = FocusObject;
    if (!focus)
        return;
    LMGuarded([&] {
        if (message == WM_KEYDOWN)
            focus->OnKeyDown(wParam, lParam);
        else if (message == WM_KEYUP)
            focus->OnKeyUp(wParam, lParam);
        else
            focus->OnChar(wParam, lParam);
    });
}

LMObj* LMObj::HitTestTree(int x, int y)
{
    if (!Shown)
        return nullptr;
    RECT bounds, visible;
    GetBounds(&bounds);
    GetVisibleRect(&visible);
    // The visible rectangle within the frame, in this object's coordinates.
    POINT inset{visible.left - bounds.left, visible.top - bounds.top};
    RECT area = visible;
    OffsetRect(&area, ClientOffsetX - bounds.left, ClientOffsetY - bounds.top);
    if (!PtInRect(&area, POINT{x, y}))
        return nullptr;
    for (auto child = Children.rbegin(); child != Children.rend(); ++child) {
        RECT childBounds;
        (*child)->GetBounds(&childBounds);
        LMObj* hit =
            (*child)->HitTestTree(x - childBounds.left - inset.x, y - childBounds.top - inset.y);
        if (hit)
            return hit;
    }
    if (CurrentState && CurrentState->HitTest(x - ClientOffsetX, y - ClientOffsetY))
        return this;
    return nullptr;
}

int LMObj::OnWindowMouseMove(int x, int y)
{
    if (!MouseTracked && Window) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Window, HOVER_DEFAULT};
        TrackMouseEvent(&track);
        MouseTracked = 1;
    }
    if (ButtonState == LMButtonNone || !HoveredObject || NoDragFlag) {
        LMObj* hit = HitTestTree(x, y);
        if (hit != HoveredObject) {
            LMObj* old = HoveredObject;
            if (old)
                old->OnMouseLeave(hit);
            HoveredObject = hit;
        }
        if (hit && IsValidLMObj(hit)) {
            int offsetX = 0, offsetY = 0;
            hit->GetScreenOffset(&offsetX, &offsetY);
            hit->OnMouseMove(x - offsetX, y - offsetY);
        }
        return 1;
    }
    // The pressed object keeps the mouse while the button is down.
    LMObj* pressed = HoveredObject;
    POINT own = LMCursorPos(), parent = own;
    pressed->AddClientOffsets(&own);
    pressed->AddParentOffsets(&parent);
    if (!DragStarted && std::abs(own.x - PressPoint.x) < kDragThreshold &&
        std::abs(own.y - PressPoint.y) < kDragThreshold)
        return 1;
    DragStarted = 1;
    pressed->Dragging = 1;
    pressed->OnMouseMove(own.x, own.y);
    if (IsValidLMObj(pressed))
        DragTo(*pressed, own, parent.x - PressPoint.x, parent.y - PressPoint.y);
    return 1;
}

int LMObj::OnWindowButtonDown(int, int, int right)
{
    if (Window)
        SetCapture(Window);
    ButtonState = right ? LMButtonRight : LMButtonLeft;
    DragStarted = 0;
    NoDragFlag = 0;
    LMObj* hovered = HoveredObject;
    if (!hovered)
        return 1;
    POINT press = LMCursorPos();
    hovered->AddClientOffsets(&press);
    PressPoint = press;
    if (right)
        hovered->OnRButtonDown(press.x, press.y);
    else
        hovered->OnLButtonDown(press.x, press.y);
    return 1;
}

// The pressed object hears of the release wherever it happens, in its own
// coordinates; a handler may delete it, and then it gets no drag end.
int LMObj::OnWindowButtonUp(int x, int y, int right)
{
    // Before the release, whose capture-changed message is no lost press.
    ButtonState = LMButtonNone;
    ReleaseCapture();
    LMObj* pressed = HoveredObject;
    if (!pressed)
        return 1;
    int offsetX = 0, offsetY = 0;
    pressed->GetScreenOffset(&offsetX, &offsetY);
    if (right)
        pressed->OnRButtonUp(x - offsetX, y - offsetY, pressed->Dragging);
    else
        pressed->OnLButtonUp(x - offsetX, y - offsetY, pressed->Dragging);
    if (IsValidLMObj(pressed) && pressed->Dragging) {
        pressed->Dragging = 0;
        pressed->OnDragEnd();
    }
    return 1;
}

// The leave of one window may come after the move into the next: an object
// of another window that is hovered by then stays hovered.
int LMObj::OnWindowMouseLeave()
{
    MouseTracked = 0;
    LMObj* hovered = HoveredObject;
    if (hovered && !hovered->Dragging && HoldsWindow(hovered, Window)) {
        hovered->OnMouseLeave(nullptr);
        HoveredObject = nullptr;
    }
    return 1;
}

int LMObj::OnLButtonDown(int x, int y)
{
    if (IsRoot(*this))
        return 0;
    SetFocus();
    if (TypeWord == LMObjChildWindow)
        return 0;
    DWORD now = LMClockNowMs();
    if (PressedObject == this && now - PressTime < kDoubleClickMs) {
        OnDoubleClick(x, y);
        PressedObject = nullptr;
    } else {
        PressedObject = this;
        PressTime = now;
    }
    // The double-click handler may have deleted this object.
    if (IsValidLMObj(this))
        OnTop();
    return 1;
}

int LMObj::OnDoubleClick(int, int)
{
    NoDragFlag = 1;
    return 1;
}

int LMObj::OnRButtonDown(int, int)
{
    if (!IsRoot(*this) && TypeWord != LMObjChildWindow)
        OnTop();
    return 1;
}

int LMObj::OnMouseMove(int, int)
{
    if (!Hovered) {
        Hovered = 1;
        OnMouseEnter();
    }
    return 1;
}
