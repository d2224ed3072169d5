#include "CQVSliderObj.h"

#include "COptionsPane.h"
#include "LMBitmapState.h"
#include "ObjectFactories.h"
#include "SliderMath.h"

namespace cpl {

namespace {

constexpr int kNorthSouthCursor = 8;
constexpr int kWestEastCursor = 9;

}  // namespace

CQVSliderObj::CQVSliderObj(int32_t id, int trackMin, int trackMax, int valueMin, int valueMax,
                           int vertical)
    : LMObj(LMObjWindowless), Id(id), Vertical(vertical), TrackMin(trackMin), TrackMax(trackMax),
      ValueMin(valueMin), ValueMax(valueMax), Value(valueMin)
{
    CursorIndex = vertical ? kNorthSouthCursor : kWestEastCursor;
}

CQVSliderObj::~CQVSliderObj() = default;

int CQVSliderObj::OnDrag(int x, int y, int newX, int newY)
{
    const SliderTrack track = Track();
    const int position = SliderDragPosition(track, Vertical ? newY : newX);
    SetValue(SliderValueAt(track, position));
    if (Vertical)
        return LMObj::OnDrag(x, y, VisibleX, position);
    return LMObj::OnDrag(x, y, position, VisibleY);
}

void CQVSliderObj::SetKnob(int value)
{
    const int position = SliderKnobPosition(Track(), value);
    if (Vertical)
        MoveTo(VisibleX, position);
    else
        MoveTo(position, VisibleY);
}

SliderTrack CQVSliderObj::Track() const
{
    return {TrackMin, TrackMax, ValueMin, ValueMax, Vertical != 0};
}

void CQVSliderObj::SetValue(int value)
{
    Value = value;
    OptionsPane.OnSliderValue(Id, value);
}

std::unique_ptr<CQVSliderObj> CreateSliderObj(LMObj* parent, int x, int y, int32_t id, int knobPng,
                                              int trackMin, int trackMax, int valueMin,
                                              int valueMax, int value)
{
    auto slider = std::make_unique<CQVSliderObj>(id, trackMin, trackMax, valueMin, valueMax, 0);
    if (LMBitmap* knob = LoadPngResourceBitmap(knobPng)) {
        auto* state = new LMBitmapState(L"Default", knob);
        state->SetHitMode(LMHitWholeFrame);
        slider->AddState(state);
    }
    PlaceObject(*slider, parent, x, y);
    slider->SetKnob(value);
    return slider;
}

}  // namespace cpl
