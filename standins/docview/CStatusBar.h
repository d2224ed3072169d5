#pragma once
// The status bar along a frame's bottom edge: a stretching message pane and
// indicator panes sized to their texts (the lock keys show theirs while on).

#include "DocViewIds.h"

#include <vector>

class CMDIFrameWnd;

class CStatusBar {
public:
    CStatusBar() = default;
    CStatusBar(const CStatusBar&) = delete;
    CStatusBar& operator=(const CStatusBar&) = delete;

    // The bar's control, registered with the frame for layout and prompts.
    BOOL Create(CMDIFrameWnd* parent, DWORD style = kStatusBarStyle, UINT id = kIdStatusBar);
    // One pane per id; kIdSeparator is the stretching message pane.
    BOOL SetIndicators(const UINT* ids, int count);

    HWND GetSafeHwnd() const { return hwnd_; }
    bool IsVisible() const;
    void Show(bool visible);
    // Height of the bar, 0 while hidden.
    int Height() const;
    // Moves the bar to the bottom of a frame client area this wide.
    void Layout();
    void SetPaneText(int index, const wchar_t* text);
    // The lock indicators show their texts while their keys are on.
    void UpdateIndicators();

private:
    int PaneWidth(UINT id) const;

    HWND hwnd_ = nullptr;
    CMDIFrameWnd* parent_ = nullptr;
    std::vector<UINT> ids_;
};
