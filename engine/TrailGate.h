#pragma once
// The trail gate of the engine window's timer 133: at most TrailRate trail
// steps a second, and only when the pointer moved. Nothing starts the timer.

#include <windows.h>

#include <cstdint>

constexpr UINT_PTR kTrailTimerId = 133;

// Trail steps per second; fixed.
extern int32_t TrailRate;
// When the gate last let a step through, and the position it handed on.
extern DWORD LastTrailTime;
extern POINT LastTrailPos;

void ResetTrailGateValues();

struct TrailGateFacts {
    int Suppressed;    // the control panel's trail preview has the mouse
    int Enabled;       // the engine is active
    int PointerShown;  // the drawn pointer is on screen
};

// Open when not suppressed, active, shown, and more than 1000 / rate ms
// have passed since lastTime (an unsigned difference, so the clock may wrap).
bool TrailGateOpens(const TrailGateFacts& facts, DWORD now, DWORD lastTime, int32_t rate);

enum class TrailGateResult {
    Closed,
    Unmoved,  // the gate opened, the pointer had not moved
    Stepped,  // TrailStep was called
};

// WM_TIMER 133 of the engine window.
TrailGateResult TrailTimerGate();
