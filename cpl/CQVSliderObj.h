#pragma once
// The options pane's slider knob: dragged along its track, it turns its
// position into a value that it hands to the pane. (The control panel has a
// class of the same name of its own.)

#include "LMObj.h"
#include "SliderMath.h"

#include <cstdint>
#include <memory>

namespace cpl {

class CQVSliderObj : public LMObj {
public:
    CQVSliderObj(int32_t id, int trackMin, int trackMax, int valueMin, int valueMax, int vertical);
    ~CQVSliderObj() override;

    // The knob stays on its track; the value of the place it reaches goes
    // through SetValue.
    int OnDrag(int x, int y, int newX, int newY) override;
    // Moves the knob to the place of a value (held to the value range).
    void SetKnob(int value);
    void SetValue(int value);

    int32_t Id;
    int32_t Vertical;
    int32_t TrackMin;
    int32_t TrackMax;
    int32_t ValueMin;
    int32_t ValueMax;
    int32_t Value;  // the value last set

private:
    SliderTrack Track() const;
};

// A knob of the library's PNG under parent at (x, y), on the track
// trackMin..trackMax for values valueMin..valueMax, placed for value.
std::unique_ptr<CQVSliderObj> CreateSliderObj(LMObj* parent, int x, int y, int32_t id, int knobPng,
                                              int trackMin, int trackMax, int valueMin,
                                              int valueMax, int value);

}  // namespace cpl
