#include "COptionsPane.h"

namespace cpl {

COptionsPane OptionsPane;

void COptionsPane::Create(HWND host)
{
    Host = host;
}

void COptionsPane::Destroy()
{
    objects_.Clear();
    Host = nullptr;
}

void COptionsPane::Save()
{
}

void COptionsPane::Cancel()
{
}

void COptionsPane::OnLButtonUp(CQVObj&, int, int, int)
{
}

void COptionsPane::OnRButtonUp(CQVObj&, int, int, int)
{
}

void COptionsPane::OnDrag(CQVObj&, int, int, int, int)
{
}

void COptionsPane::OnDragEnd(CQVObj&)
{
}

}  // namespace cpl
