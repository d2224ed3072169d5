// The view's layout on every resize, its tabs and the page timers.

#include "CEditorMFCView.h"

#include "EditorIds.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// Margins of the layout, from the client area's right and bottom edges.
constexpr int kPageWidthMargin = 40;
constexpr int kPageHeightMargin = 55;
constexpr int kTabWidthMargin = 25;
constexpr int kTabHeightMargin = 20;
constexpr int kPaneRightMargin = 340;
constexpr int kScrollBarRightMargin = 365;
constexpr int kSceneRightMargin = 375;
constexpr int kSceneHeightMargin = 70;
constexpr int kContainerHeightMargin = 95;
constexpr int kGridHeightMargin = 90;
constexpr int kPanelTop = 10;
constexpr int kScrollBarWidth = 20;
constexpr int kLinkInset = 6;
constexpr int kLinkTop = 5;
// SetPosition without a move or a change of visibility: the object takes
// its state's new size.
constexpr int kTakeNewSize = 2;

const wchar_t* const kTabTexts[kTabCount] = {L"Cursors", L"Special effects", L"Trails", L"Sounds"};

// Windows get no negative sizes: a client area too small gives them none.
void SizeWindow(HWND window, int width, int height)
{
    if (window)
        SetWindowPos(window, nullptr, 0, 0, std::max(width, 0), std::max(height, 0),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveWindowTo(HWND window, int x, int y)
{
    if (window)
        SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// How much wider the property pane is than the room the margins leave it
// (dialog units grow with the system's font): the grids give that much up.
int PaneOverflow(HWND pane)
{
    RECT rect{};
    if (!pane || !GetWindowRect(pane, &rect))
        return 0;
    return std::max(0, static_cast<int>(rect.right - rect.left) -
                           (kPaneRightMargin - kPageWidthMargin));
}

// Sizes of 0 and below leave the state as it is.
void ResizeState(LMObj* object, int width, int height)
{
    if (!object || !object->CurrentState)
        return;
    object->CurrentState->SetSize(width, height);
    object->SetPosition(0, 0, kTakeNewSize);
}

bool HasVisibleStyle(HWND window)
{
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
}

}  // namespace

void CEditorMFCView::OnSize(UINT, int width, int height)
{
    // The window gets its first size before there is anything to lay out.
    if (!TabHost)
        return;
    SizeWindow(TabHost, width, height);
    HWND shown = nullptr;
    for (int tab = 0; tab < kTabCount && !shown; ++tab) {
        if (HasVisibleStyle(Page(tab)))
            shown = Page(tab);
    }
    for (int tab = kCursorsTab; tab <= kTrailsTab; ++tab)
        ShowWindow(Page(tab), SW_HIDE);
    for (int tab = 0; tab < kTabCount; ++tab)
        SizeWindow(Page(tab), width - kPageWidthMargin, height - kPageHeightMargin);
    SizeWindow(GetDlgItem(TabHost, kIdTabControl), width - kTabWidthMargin,
               height - kTabHeightMargin);
    // The pane, the scroll bar and the grids lie from the right edge in.
    const int layoutWidth = width - PaneOverflow(CursorPane);
    LayOutPageControls(layoutWidth, height);
    LayOutScenes(layoutWidth, height);
    BuildCursorGrid();
    BuildEffectGrid();
    BuildTrailGrid();
    if (!shown)
        shown = CursorsPage;
    ShowWindow(shown, SW_SHOW);
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CEditorMFCView::LayOutPageControls(int width, int height)
{
    for (int grid = 0; grid < kGridCount; ++grid) {
        MoveWindowTo(Pane(grid), width - kPaneRightMargin, kPanelTop);
        HWND bar = GetDlgItem(Page(grid), kIdPageScrollBar);
        if (bar)
            SetWindowPos(bar, nullptr, width - kScrollBarRightMargin, kPanelTop, kScrollBarWidth,
                         std::max(height - kSceneHeightMargin, 0), SWP_NOZORDER | SWP_NOACTIVATE);
        SizeWindow(SceneHost(grid), width - kSceneRightMargin, height - kSceneHeightMargin);
    }
}

void CEditorMFCView::LayOutScenes(int width, int height)
{
    const int sceneWidth = width - kSceneRightMargin;
    ResizeState(CursorsRoot, sceneWidth, height - kSceneHeightMargin);
    ResizeState(CursorsFrame, sceneWidth, height - kSceneHeightMargin);
    ResizeState(CursorGridContainer, sceneWidth, height - kContainerHeightMargin);
    ResizeState(CursorGrid, sceneWidth, height - kGridHeightMargin);
    PlaceLinks();
    ResizeState(EffectsRoot, sceneWidth, height - kSceneHeightMargin);
    ResizeState(EffectGrid, sceneWidth, height - kGridHeightMargin);
    ResizeState(TrailsRoot, sceneWidth, height - kSceneHeightMargin);
    ResizeState(TrailGrid, sceneWidth, height - kGridHeightMargin);
}

void CEditorMFCView::PlaceLinks()
{
    if (!CursorsFrame)
        return;
    for (LMObj* link : {NormalLink, PressedLink}) {
        if (link)
            link->MoveTo(CursorsFrame->VisibleWidth - link->VisibleWidth - kLinkInset, kLinkTop);
    }
}

void CEditorMFCView::ShowPages()
{
    HWND tabs = GetDlgItem(TabHost, kIdTabControl);
    SendMessageW(tabs, TCM_DELETEALLITEMS, 0, 0);
    for (int tab = 0; tab < kTabCount; ++tab) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kTabTexts[tab]);
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(tab),
                     reinterpret_cast<LPARAM>(&item));
    }
    for (int tab = 0; tab < kTabCount; ++tab)
        ShowWindow(Page(tab), tab == kCursorsTab ? SW_SHOW : SW_HIDE);
    InvalidateRect(CursorsPage, nullptr, TRUE);
}

void CEditorMFCView::RestartTimer(HWND page)
{
    if (!page)
        return;
    KillTimer(page, kPageTimerId);
    SetTimer(page, kPageTimerId, kPageTimerMs, nullptr);
}

void CEditorMFCView::RestartCursorTimer()
{
    RestartTimer(CursorsPage);
}

void CEditorMFCView::RestartEffectTimer()
{
    RestartTimer(EffectsPage);
}

void CEditorMFCView::RestartTrailTimer()
{
    RestartTimer(TrailsPage);
}
