#include "CThemePane.h"

namespace cpl {

CThemePane ThemePane;

void CThemePane::Create(HWND paneWindow)
{
    Window = paneWindow;
}

void CThemePane::Destroy()
{
    objects_.Clear();
    Window = nullptr;
}

void CThemePane::Save()
{
}

void CThemePane::Cancel()
{
}

void CThemePane::SetPreviewEnabled(int)
{
}

void CThemePane::OnLButtonUp(CQVObj&, int, int, int)
{
}

void CThemePane::OnLButtonDown(CQVObj&, int, int)
{
}

void CThemePane::OnRButtonUp(CQVObj&, int, int, int)
{
}

void CThemePane::OnMouseMove(CQVObj&, int, int)
{
}

void CThemePane::OnDoubleClick(CQVObj&, int, int)
{
}

INT_PTR CALLBACK ThemePaneScrollProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

}  // namespace cpl
