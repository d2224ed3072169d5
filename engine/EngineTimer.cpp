// The 10 ms multimedia timer. Its thread only keeps its own priority up and
// hands the tick to the window's thread, never waiting for it.

#include "EngineLifecycle.h"

#include "EngineMessages.h"
#include "EngineValues.h"
#include "EngineWorld.h"

namespace {

constexpr UINT kTickMs = 10;
constexpr UINT kTickResolutionMs = 2;
constexpr DWORD kPriorityCheckMs = 2000;

void KeepTimerThreadPriority()
{
    DWORD now = World().NowMs();
    if (TimerThreadChecked && now - TimerThreadCheckTime <= kPriorityCheckMs)
        return;
    TimerThreadChecked = 1;
    TimerThreadCheckTime = now;
    HANDLE thread = World().GetCurrentThread();
    if (World().GetThreadPriority(thread) != THREAD_PRIORITY_HIGHEST)
        World().SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
}

}  // namespace

int StartUpdateTimer()
{
    if (UpdateTimerId)
        return 0;
    UpdateTimerId = World().timeSetEvent(kTickMs, kTickResolutionMs, UpdateTimerProc, 0,
                                         TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    return UpdateTimerId != 0;
}

int StopUpdateTimer()
{
    if (!UpdateTimerId)
        return 0;
    World().timeKillEvent(UpdateTimerId);
    UpdateTimerId = 0;
    return 1;
}

void CALLBACK UpdateTimerProc(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR)
{
    KeepTimerThreadPriority();
    if (TickBusy)
        return;
    World().SendNotifyMessageW(EngineWindow, EngineMessages[WM_TRV_UPDATE], 0, 0);
}
