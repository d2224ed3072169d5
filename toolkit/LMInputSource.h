#pragma once
// Where the toolkit reads the Ctrl key, the cursor position and the monitor
// list. Tests put sources of their own in; null returns to the system's.

#include <windows.h>

#include <vector>

struct LMMonitorEdges {
    RECT Monitor;
    RECT Work;
};

bool LMIsCtrlDown();
// Screen position of the mouse cursor; (0, 0) when it cannot be read.
POINT LMCursorPos();

using LMCtrlStateSource = bool (*)();
using LMCursorPosSource = POINT (*)();
using LMMonitorListSource = std::vector<LMMonitorEdges> (*)();

void LMSetCtrlStateSource(LMCtrlStateSource source);
void LMSetCursorPosSource(LMCursorPosSource source);
void LMSetMonitorListSource(LMMonitorListSource source);
// The monitor list put in by a test, or null: then monitors are enumerated.
LMMonitorListSource LMGetMonitorListSource();

// Reads one monitor with GetMonitorInfoW; false when it cannot.
bool LMReadMonitorEdges(HMONITOR monitor, LMMonitorEdges* out);
