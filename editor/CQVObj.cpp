#include "CQVObj.h"

#include "CEditorMFCView.h"

namespace editor {

CQVObj::CQVObj(int32_t typeWord, CEditorMFCView* view) : LMObj(typeWord), View(view)
{
}

CQVObj::~CQVObj() = default;

bool CQVObj::IsGrid() const
{
    return Kind == kQVCursorGrid || Kind == kQVEffectGrid || Kind == kQVTrailGrid;
}

int CQVObj::OnLButtonUp(int x, int y, int dragged)
{
    if (View && IsGrid())
        View->OnGridClick(*this, x, y);
    else if (View && Kind == kQVNormalLink)
        View->ShowCursorVariant(0);
    else if (View && Kind == kQVPressedLink)
        View->ShowCursorVariant(1);
    return LMObj::OnLButtonUp(x, y, dragged);
}

int CQVObj::OnRButtonUp(int x, int y, int dragged)
{
    return LMObj::OnRButtonUp(x, y, dragged);
}

int CQVObj::OnMouseMove(int x, int y)
{
    if (View && IsGrid())
        View->OnGridHover(*this, x, y);
    return LMObj::OnMouseMove(x, y);
}

int CQVObj::OnMouseEnter()
{
    if (HoverText)
        ChangeState(L"Over");
    return LMObj::OnMouseEnter();
}

int CQVObj::OnMouseLeave(LMObj* nextHovered)
{
    if (HoverText)
        ChangeState(L"Away");
    if (View && IsGrid())
        View->OnGridLeave(*this);
    return LMObj::OnMouseLeave(nextHovered);
}

}  // namespace editor
