#include "LMParentBackground.h"

#include "LMProcs.h"

namespace {

// What uxtheme does without it: the parent erases into the dc, moved so
// that the parent's client coordinates line up with the child's.
void EraseAsParent(HWND parent, HWND window, HDC dc, int originX, int originY)
{
    POINT offset{0, 0};
    MapWindowPoints(window, parent, &offset, 1);
    POINT previous{};
    OffsetViewportOrgEx(dc, -(offset.x + originX), -(offset.y + originY), &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace

void LMDrawParentBackground(HWND window, HDC dc, int originX, int originY, const RECT& area)
{
    HWND parent = GetAncestor(window, GA_PARENT);
    if (!parent || parent == GetDesktopWindow())
        return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left - originX, area.top - originY, area.right - originX,
                      area.bottom - originY);
    if (LMProcs::DrawThemeParentBackground) {
        POINT previous{};
        OffsetViewportOrgEx(dc, -originX, -originY, &previous);
        // The whole client area, clipped above: Wine lines a smaller
        // rectangle up with the dc's origin instead of its own place.
        RECT client{};
        GetClientRect(window, &client);
        const HRESULT drawn = LMProcs::DrawThemeParentBackground(window, dc, &client);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
        if (SUCCEEDED(drawn)) {
            RestoreDC(dc, saved);
            return;
        }
    }
    EraseAsParent(parent, window, dc, originX, originY);
    RestoreDC(dc, saved);
}
