#include "LMClock.h"


int64_t LMClockFrequency = 0;

namespace {
LMClockSource g_clockSource = nullptr;
}

void LMClockInit()
{
    LARGE_INTEGER frequency{};
    LMClockFrequency = QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
}

DWORD LMClockMsFrom(uint64_t counter, uint64_t frequency, DWORD tickCount)
{
    if (frequency == 0)
        return tickCount;
    return static_cast<DWORD>((counter / frequency) * 1000 + (counter % frequency) * 1000 / frequency);
}

DWORD LMClockNowMs()
{
    if (g_clockSource)
        return g_clockSource();
    if (LMClockFrequency == 0)
        LMClockInit();
    LARGE_INTEGER counter{};
    uint64_t frequency = QueryPerformanceCounter(&counter) && LMClockFrequency > 0
                             ? static_cast<uint64_t>(LMClockFrequency)
                             : 0;
    return LMClockMsFrom(static_cast<uint64_t>(counter.QuadPart), frequency, GetTickCount());
}

void LMSetClockSource(LMClockSource source)
{
    g_clockSource = source;
}
