#include "CQVSliderObj.h"

#include "CQVObj.h"
#include "PanelState.h"

CQVSliderObj::CQVSliderObj(int trackMin, int trackMax, int valueMin, int valueMax)
    : LMObj(LMObjWindowless), TrackMin(trackMin), TrackMax(trackMax), ValueMin(valueMin),
      ValueMax(valueMax)
{
    CursorIndex = kPanelSliderCursor;
}

SliderTrack CQVSliderObj::Track() const
{
    return {TrackMin, TrackMax, ValueMin, ValueMax, Vertical != 0};
}

int CQVSliderObj::CurrentValue() const
{
    return SliderValueAt(Track(), Vertical ? VisibleY : VisibleX);
}

void CQVSliderObj::Report(int value)
{
    if (PanelSliderReport)
        PanelSliderReport(this, value);
}

int CQVSliderObj::OnMouseEnter()
{
    ChangeState(L"Over");
    return LMObj::OnMouseEnter();
}

int CQVSliderObj::OnMouseLeave(LMObj* nextHovered)
{
    ChangeState(L"Default");
    return LMObj::OnMouseLeave(nextHovered);
}

int CQVSliderObj::OnDrag(int x, int y, int newX, int newY)
{
    const SliderTrack track = Track();
    const int position = SliderDragPosition(track, Vertical ? newY : newX);
    if (!ReportOnRelease)
        Report(SliderValueAt(track, position));
    if (Vertical)
        return LMObj::OnDrag(x, y, VisibleX, position);
    return LMObj::OnDrag(x, y, position, VisibleY);
}

int CQVSliderObj::OnDragEnd()
{
    if (ReportOnRelease)
        Report(CurrentValue());
    return LMObj::OnDragEnd();
}

int SetSliderValue(CQVSliderObj* slider, int value)
{
    if (!slider)
        return 0;
    const int position = SliderKnobPosition(slider->Track(), value);
    if (slider->Vertical)
        return slider->MoveTo(slider->VisibleX, position);
    return slider->MoveTo(position, slider->VisibleY);
}

CQVSliderObj* FindSlider(LMObj* root, int controlId)
{
    auto* slider = dynamic_cast<CQVSliderObj*>(root);
    if (!root || (slider && slider->ControlId == controlId))
        return slider;
    for (LMObj* child : root->Children) {
        if (CQVSliderObj* found = FindSlider(child, controlId))
            return found;
    }
    return nullptr;
}
