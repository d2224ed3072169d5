#include "CQVSliderObj.h"

#include "COptionsPane.h"
#include "LMBitmapState.h"
#include "ObjectFactories.h"

#include <algorithm>

namespace cpl {

namespace {

constexpr int kNorthSouthCursor = 8;
constexpr int kWestEastCursor = 9;

int HoldBetween(int value, int a, int b)
{
    return std::clamp(value, std::min(a, b), std::max(a, b));
}

// Integer steps of the value per pixel of track; an empty track or value
// range stands for the minimum value.
int64_t Scale(int64_t along, int64_t fromSpan, int64_t toSpan)
{
    return fromSpan == 0 ? 0 : along * toSpan / fromSpan;
}

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
    int position = HoldBetween(Vertical ? newY : newX, TrackMin, TrackMax);
    int64_t trackSpan = static_cast<int64_t>(TrackMax) - TrackMin;
    int64_t along = Vertical ? static_cast<int64_t>(TrackMax) - position
                             : static_cast<int64_t>(position) - TrackMin;
    int64_t valueSpan = static_cast<int64_t>(ValueMax) - ValueMin;
    SetValue(static_cast<int>(Scale(along, trackSpan, valueSpan) + ValueMin));
    if (Vertical)
        return LMObj::OnDrag(x, y, VisibleX, position);
    return LMObj::OnDrag(x, y, position, VisibleY);
}

void CQVSliderObj::SetKnob(int value)
{
    value = HoldBetween(value, ValueMin, ValueMax);
    int64_t trackSpan = static_cast<int64_t>(TrackMax) - TrackMin;
    int64_t valueSpan = static_cast<int64_t>(ValueMax) - ValueMin;
    int position = static_cast<int>(
        Scale(static_cast<int64_t>(value) - ValueMin, valueSpan, trackSpan) + TrackMin);
    if (Vertical)
        MoveTo(VisibleX, position);
    else
        MoveTo(position, VisibleY);
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
