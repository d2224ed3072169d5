#pragma once
// The panel's slider knob: dragged along its track, it reports the value of
// its position through the panel's slider report.

#include "LMObj.h"
#include "SliderMath.h"

#include <cstdint>

class CQVSliderObj : public LMObj {
public:
    CQVSliderObj(int trackMin, int trackMax, int valueMin, int valueMax);

    int OnMouseEnter() override;
    int OnMouseLeave(LMObj* nextHovered) override;
    // The knob stays on its track; the value goes out at once unless
    // ReportOnRelease, then at the drag's end.
    int OnDrag(int x, int y, int newX, int newY) override;
    int OnDragEnd() override;

    SliderTrack Track() const;
    // The value the knob's present position stands for.
    int CurrentValue() const;

    int32_t ControlId = 0;
    int32_t Vertical = 0;
    int32_t ReportOnRelease = 0;
    int32_t TrackMin;
    int32_t TrackMax;
    int32_t ValueMin;
    int32_t ValueMax;

private:
    void Report(int value);
};

// Holds the value to the slider's range and moves the knob to its place on
// the track; 0 without a slider.
int SetSliderValue(CQVSliderObj* slider, int value);

// The slider of that control id in the tree below root, or null.
CQVSliderObj* FindSlider(LMObj* root, int controlId);
