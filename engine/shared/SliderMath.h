#pragma once
// Where a slider's knob sits for a value and which value a knob position
// stands for. Positions are the knob's top-left along its track (x, or y
// for a vertical slider, whose top is the maximum).

struct SliderTrack {
    int TrackMin = 0;
    int TrackMax = 0;
    int ValueMin = 0;
    int ValueMax = 0;
    bool Vertical = false;
};

// The knob position of a value, the value first held to its range. An empty
// track or value range keeps the knob at TrackMin.
int SliderKnobPosition(const SliderTrack& track, int value);

// Where a drag towards a position leaves the knob: on the track, or at
// TrackMin when the track or value range is empty.
int SliderDragPosition(const SliderTrack& track, int position);

// The value at a knob position on the track; ValueMin for an empty track or
// value range.
int SliderValueAt(const SliderTrack& track, int position);
