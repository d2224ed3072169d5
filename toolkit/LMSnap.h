#pragma once
// Snapping a dragged object to the edges of monitors and their work areas.

#include <windows.h>

#include <cstdint>

// The object's SnapMode value that asks for snapping.
constexpr int32_t kLMSnapToEdges = 0x10000;
// Edges closer than this many pixels pull the object onto them.
constexpr int kLMSnapDistance = 14;

// A proposed top-left and the object's visible size; the snap results are
// how far the proposal lies past the edge it snaps to (0 when none).
struct LMSnapRequest {
    int NewX = 0;
    int NewY = 0;
    int Width = 0;
    int Height = 0;
    int SnapX = 0;
    int SnapY = 0;
};

// One monitor: an axis that has not snapped yet looks at the monitor's
// edges, then at the work area's, which win.
void LMSnapToMonitor(LMSnapRequest& request, const RECT& monitor, const RECT& work);
// Every monitor, from the system or from the list a test put in.
void LMSnapToMonitors(LMSnapRequest& request);
// EnumDisplayMonitors callback; data is the LMSnapRequest.
BOOL CALLBACK SnapMonitorEnumProc(HMONITOR monitor, HDC dc, LPRECT rect, LPARAM data);
