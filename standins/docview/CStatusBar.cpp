#include "CStatusBar.h"

#include "CMDIFrameWnd.h"
#include "DocViewTexts.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr int kPanePadding = 12;

int LockKey(UINT id)
{
    switch (id) {
    case kIdIndicatorCaps:
        return VK_CAPITAL;
    case kIdIndicatorNum:
        return VK_NUMLOCK;
    case kIdIndicatorScroll:
        return VK_SCROLL;
    default:
        return 0;
    }
}

}  // namespace

BOOL CStatusBar::Create(CMDIFrameWnd* parent, DWORD style, UINT id)
{
    if (!parent || !parent->GetSafeHwnd())
        return FALSE;
    // The high word holds the window styles; the low word places the bar,
    // which the status control does by itself.
    DWORD windowStyle = (style & 0xFFFF0000) | SBARS_SIZEGRIP;
    hwnd_ = CreateWindowExW(
        0, STATUSCLASSNAMEW, nullptr, windowStyle, 0, 0, 0, 0, parent->GetSafeHwnd(),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        return FALSE;
    parent_ = parent;
    parent->SetStatusBar(this);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count)
{
    if (!hwnd_ || !ids || count < 1 || count > 255)
        return FALSE;
    ids_.assign(ids, ids + count);
    Layout();
    SetPaneText(0, kTextReady);
    UpdateIndicators();
    return TRUE;
}

bool CStatusBar::IsVisible() const
{
    // Its own flag: a bar is shown even while its frame is still hidden.
    return hwnd_ && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE);
}

void CStatusBar::Show(bool visible)
{
    if (hwnd_)
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

int CStatusBar::Height() const
{
    RECT rect = {};
    if (!IsVisible() || !GetWindowRect(hwnd_, &rect))
        return 0;
    return rect.bottom - rect.top;
}

int CStatusBar::PaneWidth(UINT id) const
{
    const wchar_t* text = IndicatorText(id);
    ScopedWindowDC dc(hwnd_);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    ScopedSelectObject selected(dc.Get(), font);
    SIZE size = {};
    GetTextExtentPoint32W(dc.Get(), text, lstrlenW(text), &size);
    return size.cx + kPanePadding;
}

void CStatusBar::Layout()
{
    if (!hwnd_)
        return;
    SendMessageW(hwnd_, WM_SIZE, 0, 0);
    if (ids_.empty())
        return;
    RECT client = {};
    GetClientRect(hwnd_, &client);
    // Right edges: the last pane reaches the edge and holds the size grip,
    // indicators keep their width, the message pane takes what is left.
    size_t count = ids_.size();
    std::vector<int> edges(count, -1);
    int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
    for (size_t i = count - 1; i >= 1; --i) {
        right -= PaneWidth(ids_[i]);
        edges[i - 1] = std::max(right, 0);
    }
    SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::SetPaneText(int index, const wchar_t* text)
{
    if (hwnd_)
        SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text));
}

void CStatusBar::UpdateIndicators()
{
    for (size_t i = 0; i < ids_.size(); ++i) {
        int key = LockKey(ids_[i]);
        if (!key)
            continue;
        const wchar_t* text = (GetKeyState(key) & 1) ? IndicatorText(ids_[i]) : L"";
        // Only a changed text is set again, so idle time does not repaint.
        wchar_t shown[16] = {};
        if (LOWORD(SendMessageW(hwnd_, SB_GETTEXTLENGTHW, i, 0)) < 16)
            SendMessageW(hwnd_, SB_GETTEXTW, i, reinterpret_cast<LPARAM>(shown));
        if (lstrcmpW(shown, text) != 0)
            SetPaneText(static_cast<int>(i), text);
    }
}
