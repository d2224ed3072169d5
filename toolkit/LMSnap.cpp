#include "LMSnap.h"

#include "LMInputSource.h"

#include <cstdlib>

namespace {

bool Near(int distance)
{
    return std::abs(distance) < kLMSnapDistance;
}

// One axis: start/end of the object against low/high edges.
void SnapAxis(int& snap, int start, int size, int monitorLow, int monitorHigh, int workLow,
              int workHigh)
{
    if (snap != 0)
        return;
    int d = start - monitorLow;
    if (!Near(d))
        d = start + size - monitorHigh;
    if (Near(d))
        snap = d;
    d = start - workLow;
    if (Near(d)) {
        snap = d;
        return;
    }
    d = start + size - workHigh;
    if (Near(d))
        snap = d;
}

}  // namespace

void LMSnapToMonitor(LMSnapRequest& request, const RECT& monitor, const RECT& work)
{
    SnapAxis(request.SnapX, request.NewX, request.Width, monitor.left, monitor.right, work.left,
             work.right);
    SnapAxis(request.SnapY, request.NewY, request.Height, monitor.top, monitor.bottom, work.top,
             work.bottom);
}

BOOL CALLBACK SnapMonitorEnumProc(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    LMMonitorEdges edges;
    if (LMReadMonitorEdges(monitor, &edges))
        LMSnapToMonitor(*reinterpret_cast<LMSnapRequest*>(data), edges.Monitor, edges.Work);
    return TRUE;
}

void LMSnapToMonitors(LMSnapRequest& request)
{
    if (LMMonitorListSource source = LMGetMonitorListSource()) {
        for (const LMMonitorEdges& edges : source())
            LMSnapToMonitor(request, edges.Monitor, edges.Work);
        return;
    }
    EnumDisplayMonitors(nullptr, nullptr, SnapMonitorEnumProc, reinterpret_cast<LPARAM>(&request));
}
