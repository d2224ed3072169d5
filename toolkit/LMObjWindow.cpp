// The windows of LMObj: the toolkit's window class and procedure, realizing
// and unrealizing objects, and reading a window's place back.

#include "LMObjWindow.h"

#include "LMBitmap.h"
#include "LMLayeredBatch.h"
#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMPostedRect.h"
#include "LMToolkit.h"

#include <windowsx.h>

#include <cwchar>
#include <memory>
#include <string>

namespace {

std::wstring g_className;

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

HINSTANCE Instance()
{
    return LMAppInstance ? LMAppInstance : GetModuleHandleW(nullptr);
}

// Clicks pass through a layered window whose looks can never be hit.
bool NoStateCanBeHit(const LMObj& obj)
{
    for (LMState* state : obj.States) {
        LMVisualState* visual = LMAsVisualState(state);
        if (visual && visual->HitMode != LMHitNever)
            return false;
    }
    return true;
}

DWORD ExtendedStyleFor(const LMObj& obj)
{
    DWORD style = WS_EX_TOOLWINDOW;
    if (obj.TypeWord == LMObjLayered) {
        style |= WS_EX_LAYERED;
        if (NoStateCanBeHit(obj))
            style |= WS_EX_TRANSPARENT;
    }
    if (obj.Layer & LMLayerTopmost)
        style |= WS_EX_TOPMOST;
    return style;
}

bool MakesOwnWindow(int32_t type)
{
    return type == LMObjLayered || type == LMObjRegionShaped || type == LMObjPlainWindow;
}

// A button message first moves the mouse there; the move's handlers may
// delete the object, and then the button goes nowhere.
void DeliverButton(LMObj& obj, UINT message, int x, int y)
{
    int right = message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? 1 : 0;
    bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
    LMGuarded([&] { obj.OnWindowMouseMove(x, y); });
    if (!IsValidLMObj(&obj))
        return;
    LMGuarded([&] {
        if (down)
            obj.OnWindowButtonDown(x, y, right);
        else
            obj.OnWindowButtonUp(x, y, right);
    });
}

// Mouse messages of a toolkit window, with client points turned into the
// object's coordinates; false for any other message.
bool HandleMouseMessage(LMObj& obj, UINT message, LPARAM lParam)
{
    int x = GET_X_LPARAM(lParam) + obj.ClientOffsetX;
    int y = GET_Y_LPARAM(lParam) + obj.ClientOffsetY;
    switch (message) {
    case WM_MOUSEMOVE:
        LMGuarded([&] { obj.OnWindowMouseMove(x, y); });
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        DeliverButton(obj, message, x, y);
        return true;
    case WM_MOUSELEAVE:
        LMGuarded([&] { obj.OnWindowMouseLeave(); });
        return true;
    default:
        return false;
    }
}

void ChooseFirstVisualState(LMObj& obj)
{
    for (LMState* state : obj.States) {
        if (state->Visual) {
            std::wstring name = state->Name;
            obj.ChangeState(name.c_str());
            return;
        }
    }
}

// The window is gone: its queued redraws die with it, so their rectangles
// are taken back here, and the object stops pointing at it.
void ForgetDestroyedWindow(HWND hwnd, LMObj* object)
{
    LMDropPendingRedraws(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (IsValidLMObj(object) && object->Window == hwnd) {
        object->Window = nullptr;
        object->MouseTracked = 0;
    }
}

}  // namespace

const wchar_t* LMTopObjClassName()
{
    return g_className.c_str();
}

int RegisterTopObjClass()
{
    if (!g_className.empty())
        return 1;
    std::wstring name = LMAppDerivedName(L"LMTopObj");
    WNDCLASSW windowClass{};
    windowClass.style = CS_NOCLOSE;
    windowClass.lpfnWndProc = LMObjWndProc;
    windowClass.cbWndExtra = 1;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return 0;
    g_className = name;
    return 1;
}

int UnregisterTopObjClass()
{
    if (g_className.empty())
        return 0;
    UnregisterClassW(g_className.c_str(), Instance());
    g_className.clear();
    return 1;
}

LRESULT CALLBACK LMObjWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* object = reinterpret_cast<LMObj*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ForgetDestroyedWindow(hwnd, object);
        object = nullptr;
    }
    if (!IsValidLMObj(object))
        return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (!LMGuarded([&] { result = object->WindowProc(hwnd, message, wParam, lParam); })) {
        // A paint that threw must not come back for ever.
        if (message == WM_PAINT)
            ValidateRect(hwnd, nullptr);
        return 0;
    }
    return result;
}

bool LMControlIsToolWindow()
{
    return LMControlWindow &&
           (GetWindowLongW(LMControlWindow, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
}

void LMCoverActivatedWindow()
{
    RECT rect;
    if (!LMControlWindow || !ActivatedWindow || !GetWindowRect(ActivatedWindow, &rect))
        return;
    SetWindowPos(LMControlWindow, nullptr, rect.left, rect.top, Width(rect), Height(rect),
                 SWP_NOSENDCHANGING | SWP_NOACTIVATE | SWP_NOZORDER);
}

std::wstring LMStackedWindowProp(unsigned long number)
{
    wchar_t name[32];
    swprintf(name, 32, L"KVHDL-%lu", number);
    return name;
}

int LMObj::CreateWnd()
{
    if (Layer & LMLayerBelowAnchor)
        GetTopmostAnchorWindow();
    if (!MakesOwnWindow(TypeWord))
        return 1;
    if (!RegisterTopObjClass())
        return 0;
    RECT bounds;
    GetBounds(&bounds);
    HWND hwnd = CreateWindowExW(ExtendedStyleFor(*this), LMTopObjClassName(), L"",
                                WS_POPUP | WS_CLIPCHILDREN, bounds.left, bounds.top, Width(bounds),
                                Height(bounds), LMControlWindow, nullptr, Instance(), this);
    if (!hwnd)
        return 0;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Window = hwnd;
    if ((Layer & LMLayerBelowAnchor) && AnchorPopup) {
        SetWindowPos(hwnd, AnchorPopup, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
    }
    if (!LMControlIsToolWindow() && !ActivatedWindow) {
        ActivatedWindow = Window;
        LMCoverActivatedWindow();
    }
    return 1;
}

int LMObj::Realize()
{
    if (Realized)
        return 0;
    if (TypeWord == LMObjAdopted)
        return AdoptWindow(this);
    if (TypeWord == LMObjChildWindow || (TypeWord & LMObjOwnWindowBit))
        SetParent(RootObject);
    if (TypeWord != LMObjRoot && this != RootObject) {
        if (!CurrentState)
            ChooseFirstVisualState(*this);
        if (TypeWord & LMObjWindowHolderBit)
            CreateWnd();
        if (TypeWord == LMObjLayered) {
            // An empty frame (the engine's "blank") gets an empty buffer.
            RECT bounds;
            GetBounds(&bounds);
            BackBuffer =
                std::make_unique<LMBitmap>(Width(bounds), Height(bounds), LMBitmapHasAlpha);
        }
        Realized = 1;
    }
    if (TypeWord == LMObjChildWindow)
        ChildWindowObject = this;
    return 1;
}

// Adopted windows belong to the host: they get their procedure back and
// are never destroyed here.
int LMObj::Unrealize()
{
    if (LMScheduler)
        LMScheduler->Remove(this);
    LMForgetBatched(*this);
    if (!Realized)
        return 0;
    Realized = 0;
    if (TypeWord == LMObjAdopted) {
        ReleaseAdoptedWindow(this);
        return 1;
    }
    if (ChildWindowObject == this)
        ChildWindowObject = nullptr;
    DestroyWnd();
    return 1;
}

int LMObj::DestroyWnd()
{
    if ((TypeWord & LMObjWindowHolderBit) && Window) {
        HWND window = Window;
        LMDropPendingRedraws(window);
        RemovePropW(window, L"KVHDL");
        RemovePropW(window, L"KVHDL2");
        for (unsigned long number = 1;; ++number) {
            std::wstring name = LMStackedWindowProp(number);
            if (!GetPropW(window, name.c_str()))
                break;
            RemovePropW(window, name.c_str());
        }
        // A press in this window ends with it.
        if (GetCapture() == window)
            ButtonState = LMButtonNone;
        Window = nullptr;
        MouseTracked = 0;
        DestroyWindow(window);
    }
    if (TypeWord == LMObjLayered)
        BackBuffer.reset();
    return 1;
}

int LMObj::SyncFromWindow()
{
    if (!(TypeWord & LMObjOwnWindowBit) || !Window || !CurrentState)
        return 0;
    RECT window;
    if (!GetWindowRect(Window, &window))
        return 0;
    const LMVisualState& state = *CurrentState;
    int visibleWidth = state.FrameWidth - state.InsetLeft - state.InsetRight;
    int visibleHeight = state.FrameHeight - state.InsetTop - state.InsetBottom;
    int alignX = HAlign == 1 ? visibleWidth / 2 : HAlign == 2 ? visibleWidth : 0;
    int alignY = VAlign == 1 ? visibleHeight / 2 : VAlign == 2 ? visibleHeight : 0;
    AnchorX = window.left + alignX + state.InsetLeft - state.OffsetX;
    AnchorY = window.top + alignY + state.InsetTop - state.OffsetY;
    RECT visible;
    GetVisibleRect(&visible);
    VisibleX = visible.left;
    VisibleY = visible.top;
    OnPositionChanged(AnchorX, AnchorY, VisibleWidth, VisibleHeight, LMChangeMoved);
    return 1;
}

int LMObj::SetFocus()
{
    if (FocusObject == this)
        return 0;
    if (FocusObject)
        FocusObject->KillFocus();
    FocusObject = this;
    return 1;
}

int LMObj::KillFocus()
{
    FocusObject = nullptr;
    return 1;
}

LRESULT LMObj::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleMouseMessage(*this, message, lParam))
        return 0;
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_CLICKACTIVE && !LMControlIsToolWindow()) {
            ActivatedWindow = Window;
            LMCoverActivatedWindow();
        }
        return 0;
    case WM_KILLFOCUS:
        LMGuarded(LMOnFocusLost);
        return 0;
    case WM_CAPTURECHANGED:
        LMGuarded(LMOnCaptureLost);
        return 0;
    case WM_PAINT:
        if (!LMGuarded([&] { OnPaint(hwnd); }))
            ValidateRect(hwnd, nullptr);
        return 0;
    case WM_SETCURSOR: {
        int shown = 0;
        LMGuarded([&] { shown = LMSetHoverCursor(); });
        return shown;
    }
    case WM_ERASEBKGND:
    case WM_MOUSEWHEEL:
        return 1;
    case WM_WINDOWPOSCHANGING:
        // Only the toolkit moves or sizes its windows.
        if (ToolkitMoveCount <= 0)
            reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOMOVE | SWP_NOSIZE;
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        LMForwardKey(message, wParam, lParam);
        return 0;
    case LMMsgDeferredRedraw:
        LMGuarded([&] { LMHandleDeferredRedraw(*this, hwnd, wParam, lParam); });
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
