#pragma once
// The click-effect and trail hooks. The engine shows neither effects nor
// trails: both hooks and the trail timer gate stay idle.

#include <windows.h>

constexpr UINT_PTR kTrailTimerId = 133;

void TriggerClickEffect(int event, int x, int y);
void TrailStep(int buttonState, int x, int y);
// WM_TIMER 133 of the engine window.
void TrailTimerGate();
