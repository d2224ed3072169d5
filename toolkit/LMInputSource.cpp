#include "LMInputSource.h"

namespace {

LMCtrlStateSource g_ctrlSource = nullptr;
LMCursorPosSource g_cursorSource = nullptr;
LMMonitorListSource g_monitorSource = nullptr;

}  // namespace

bool LMIsCtrlDown()
{
    if (g_ctrlSource)
        return g_ctrlSource();
    return GetKeyState(VK_CONTROL) < 0;
}

POINT LMCursorPos()
{
    if (g_cursorSource)
        return g_cursorSource();
    POINT point{0, 0};
    if (!GetCursorPos(&point))
        point = POINT{0, 0};
    return point;
}

bool LMReadMonitorEdges(HMONITOR monitor, LMMonitorEdges* out)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info))
        return false;
    out->Monitor = info.rcMonitor;
    out->Work = info.rcWork;
    return true;
}

LMMonitorListSource LMGetMonitorListSource()
{
    return g_monitorSource;
}

void LMSetCtrlStateSource(LMCtrlStateSource source)
{
    g_ctrlSource = source;
}

void LMSetCursorPosSource(LMCursorPosSource source)
{
    g_cursorSource = source;
}

void LMSetMonitorListSource(LMMonitorListSource source)
{
    g_monitorSource = source;
}
