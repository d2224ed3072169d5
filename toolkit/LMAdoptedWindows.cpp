// Host windows taken over by subclassing: a dialog or control of the program
// becomes the window of an LMObj and passes its mouse, keys and paints to
// the object's tree, everything else to its own procedure.

#include "LMBitmap.h"
#include "LMBitmapState.h"
#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMObjWindow.h"
#include "LMPostedRect.h"

#include <windowsx.h>

#include <algorithm>

// Grows as needed: a settings page adopts four windows at once, the editor more.
std::vector<AdoptedWindow> AdoptedWindowTable;

namespace {

const wchar_t kBlankState[] = L"Blank";
const wchar_t kPrevProcProp[] = L"LM_PrevProc";

std::vector<AdoptedWindow>::iterator FindEntry(HWND window)
{
    return std::find_if(AdoptedWindowTable.begin(), AdoptedWindowTable.end(),
                        [window](const AdoptedWindow& entry) { return entry.Window == window; });
}

// A fully transparent look of the client size, so the host's own pixels
// show wherever no child object draws.
void AddBlankState(LMObj& obj)
{
    RECT client{};
    GetClientRect(obj.Window, &client);
    int width = client.right - client.left, height = client.bottom - client.top;
    obj.RemoveState(kBlankState);
    auto* state = new LMBitmapState(kBlankState, new LMBitmap(width, height, LMBitmapHasAlpha));
    state->SetSize(width, height);
    obj.AddState(state);
    obj.ChangeState(kBlankState);
}

// Redraws now through the paint buffer; lParam 1 only frees its rectangle
// (adopted windows have no frame rectangles to redraw).
void HandleDeferredRedraw(LMObj& obj, HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    std::unique_ptr<RECT> rect = LMTakePostedRect(wParam);
    if (lParam != LMRedrawClientRect || !rect)
        return;
    obj.PaintViaBuffer = 1;
    RedrawWindow(hwnd, rect.get(), nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    obj.PaintViaBuffer = 0;
}

// Messages the object answers itself; false sends the message on.
bool AnswerMessage(LMObj& obj, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        if (!LMGuarded([&] { PaintAdoptedWindow(&obj, hwnd); }))
            ValidateRect(hwnd, nullptr);
        return true;
    case WM_SETCURSOR:
        LMGuarded([&] { *result = LMSetHoverCursor(); });
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        LMForwardKey(message, wParam, lParam);
        return true;
    case WM_MOUSEWHEEL:
        LMGuarded([&] { obj.OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); });
        *result = 1;
        return true;
    case LMMsgDeferredRedraw:
        LMGuarded([&] { HandleDeferredRedraw(obj, hwnd, wParam, lParam); });
        return true;
    default:
        return false;
    }
}

// Messages the object sees before the window's own procedure does.
void ObserveMessage(LMObj& obj, UINT message, int x, int y)
{
    switch (message) {
    case WM_KILLFOCUS:
        LMGuarded(LMOnFocusLost);
        break;
    case WM_CAPTURECHANGED:
        LMGuarded(LMOnCaptureLost);
        break;
    case WM_MOUSEMOVE:
        LMGuarded([&] { obj.OnWindowMouseMove(x, y); });
        break;
    // A host class with CS_DBLCLKS (every dialog) turns a quick second press
    // into a double-click message; the toolkit tells double clicks itself.
    // A button message also tells where the mouse is: the hovered object may
    // be stale when the press comes without a move inside this window.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        LMGuarded([&] { obj.OnWindowMouseMove(x, y); });
        if (IsValidLMObj(&obj)) {
            const int right = message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK;
            LMGuarded([&] { obj.OnWindowButtonDown(x, y, right); });
        }
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        LMGuarded([&] { obj.OnWindowMouseMove(x, y); });
        if (IsValidLMObj(&obj))
            LMGuarded([&] { obj.OnWindowButtonUp(x, y, message == WM_RBUTTONUP); });
        break;
    case WM_MOUSELEAVE:
        LMGuarded([&] { obj.OnWindowMouseLeave(); });
        break;
    default:
        break;
    }
}

}  // namespace

int AdoptWindow(LMObj* object)
{
    // A window adopted twice would chain our procedure to itself.
    if (!object || !object->Window || !IsWindow(object->Window) ||
        FindEntry(object->Window) != AdoptedWindowTable.end())
        return 0;
    LMObj& obj = *object;
    obj.VisibleX = 0;
    obj.VisibleY = 0;
    obj.Movable = 0;
    AddBlankState(obj);
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(obj.Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LMSubclassProc)));
    SetPropW(obj.Window, kPrevProcProp, reinterpret_cast<HANDLE>(previous));
    AdoptedWindowTable.push_back(AdoptedWindow{obj.Window, object, previous});
    obj.Realized = 1;
    return 1;
}

int ReleaseAdoptedWindow(LMObj* object)
{
    auto entry = std::find_if(AdoptedWindowTable.begin(), AdoptedWindowTable.end(),
                              [object](const AdoptedWindow& e) { return e.Object == object; });
    if (entry == AdoptedWindowTable.end())
        return 0;
    // Queued redraws would reach the host's own procedure, which knows
    // nothing of their rectangles.
    LMDropPendingRedraws(entry->Window);
    SetWindowLongPtrW(entry->Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry->PrevProc));
    RemovePropW(entry->Window, kPrevProcProp);
    AdoptedWindowTable.erase(entry);
    return 1;
}

LRESULT CALLBACK LMSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto entry = FindEntry(hwnd);
    if (entry == AdoptedWindowTable.end())
        return 0;
    WNDPROC previous = entry->PrevProc;
    LMObj* object = entry->Object;
    if (message == WM_NCDESTROY) {
        LMDropPendingRedraws(hwnd);
        AdoptedWindowTable.erase(entry);
        if (IsValidLMObj(object) && object->Window == hwnd)
            object->Window = nullptr;
        return CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    if (IsValidLMObj(object)) {
        LRESULT result = 0;
        if (AnswerMessage(*object, hwnd, message, wParam, lParam, &result))
            return result;
        ObserveMessage(*object, message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    }
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}
