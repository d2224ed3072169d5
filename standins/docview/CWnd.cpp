#include "CWnd.h"

#include "LMMessageBox.h"

#include <utility>

namespace {

constexpr const wchar_t* kObjectProperty = L"TrivaneDocViewObject";
constexpr const wchar_t* kClassName = L"TrivaneDocViewWindow";

// The object whose window this thread is creating right now.
thread_local CWnd* t_expected = nullptr;

}  // namespace

bool CCmdTarget::OnCmdMsg(UINT, UINT, bool)
{
    return false;
}

CWnd::~CWnd()
{
    if (hwnd_) {
        RemovePropW(hwnd_, kObjectProperty);
        ::DestroyWindow(hwnd_);
    }
}

CWnd* CWnd::FromHandle(HWND window)
{
    return window ? static_cast<CWnd*>(GetPropW(window, kObjectProperty)) : nullptr;
}

const wchar_t* CWnd::LayerClassName()
{
    static const ATOM atom = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = StaticProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc);
    }();
    return atom ? kClassName : nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = LayerClassName();
    if (!cs.hInstance)
        cs.hInstance = GetModuleHandleW(nullptr);
    return cs.lpszClass != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    return hwnd_ ? ::DestroyWindow(hwnd_) : FALSE;
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type)
{
    return LMMessageBox(hwnd_, text, caption, type);
}

bool CWnd::CreateFromStruct(const CREATESTRUCTW& cs)
{
    ExpectWindow();
    HWND window =
        CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                        cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    CancelExpectedWindow();
    return window != nullptr && hwnd_ == window;
}

void CWnd::ExpectWindow()
{
    t_expected = this;
}

void CWnd::CancelExpectedWindow()
{
    if (t_expected == this)
        t_expected = nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam)) == -1 ? -1 : 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_COMMAND:
        // Only controls send a window handle; menus and accelerators are commands.
        if (OnCommand(LOWORD(wParam), lParam ? HIWORD(wParam) : kCodeCommand))
            return 0;
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

int CWnd::OnCreate(CREATESTRUCTW* cs)
{
    return static_cast<int>(DefaultProc(WM_CREATE, 0, reinterpret_cast<LPARAM>(cs)));
}

void CWnd::OnSize(UINT, int, int)
{
}

bool CWnd::OnCommand(UINT id, UINT code)
{
    return OnCmdMsg(id, code, true);
}

void CWnd::PostNcDestroy()
{
}

CWnd* CWnd::Bind(HWND window)
{
    CWnd* wnd = FromHandle(window);
    if (wnd || !t_expected)
        return wnd;
    wnd = std::exchange(t_expected, nullptr);
    wnd->hwnd_ = window;
    SetPropW(window, kObjectProperty, wnd);
    return wnd;
}

LRESULT CALLBACK CWnd::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = Bind(window);
    if (!wnd)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind through the system's code; a failed creation fails
        // (WM_NCCREATE fails with 0).
        result = message == WM_CREATE ? -1 : 0;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(window, kObjectProperty);
        wnd->hwnd_ = nullptr;
        wnd->PostNcDestroy();
    }
    return result;
}
