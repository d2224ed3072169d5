#include "ChildDialogs.h"

#include "CplModule.h"
#include "LMProcs.h"

namespace cpl {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// Each child dialog draws the page's tab background too, or it would show
// as a grey box on a themed page.
HWND CreateChildDialog(HWND parent, int id, DLGPROC procedure)
{
    HWND window = CreateDialogParamW(Module(), MAKEINTRESOURCEW(id), parent, procedure, 0);
    LMProcs::EnableTabTexture(window);
    return window;
}

void PlaceOver(HWND window, HWND parent, int placeholderId, bool show)
{
    HWND placeholder = GetDlgItem(parent, placeholderId);
    RECT rect{};
    if (!window || !placeholder || !GetWindowRect(placeholder, &rect))
        return;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(window, HWND_TOP, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    // Siblings do not clip each other here: a visible placeholder would paint
    // over the window laid on it. It only ever marked the place.
    ShowWindow(placeholder, SW_HIDE);
}

HWND CreateDialogOver(HWND parent, int id, DLGPROC procedure, int placeholderId)
{
    HWND window = CreateChildDialog(parent, id, procedure);
    PlaceOver(window, parent, placeholderId, true);
    return window;
}

void ResetScrollBar(HWND bar, int maximum, int page)
{
    SCROLLINFO info{
        sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, maximum, static_cast<UINT>(page), 0, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

}  // namespace cpl
