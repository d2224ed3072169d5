#include "EngineWindow.h"

#include "CPointer.h"
#include "CursorSubstitution.h"
#include "EngineLifecycle.h"
#include "EngineMessages.h"
#include "EngineSettings.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "HotKey.h"
#include "TrackingStep.h"
#include "TrailGate.h"

namespace {

EngineAction DecidePower(WPARAM wParam)
{
    switch (wParam) {
    case PBT_APMQUERYSUSPEND:
    case PBT_APMSUSPEND:
        return EngineAction::PowerSuspend;
    case PBT_APMQUERYSUSPENDFAILED:
    case PBT_APMRESUMESUSPEND:
        return EngineAction::PowerResume;
    default:
        return EngineAction::Default;
    }
}

EngineAction DecideTimer(WPARAM wParam)
{
    if (wParam == kTrailTimerId)
        return EngineAction::TrailTimer;
    if (wParam == kReinstallTimerId)
        return EngineAction::ReinstallTimer;
    return EngineAction::Default;
}

EngineAction DecideOnOff(WPARAM wParam, EngineAction on, EngineAction off)
{
    if (wParam == 1)
        return on;
    if (wParam == 0)
        return off;
    return EngineAction::Default;
}

EngineAction DecideRegistered(int engineMessage, WPARAM wParam)
{
    switch (engineMessage) {
    case WM_TRV_UPDATE:
        return EngineAction::Update;
    case WM_TRV_MOUSEMSG:
        return EngineAction::MouseMessage;
    case WM_TRV_REAPPLY:
        return EngineAction::Reapply;
    case WM_TRV_RESTART:
        return EngineAction::Restart;
    case WM_TRV_SHUTDOWN:
        return EngineAction::Shutdown;
    case WM_TRV_GETSYSCUR:
        return EngineAction::GetSystemCursor;
    case WM_TRV_SETVISIBLE:
        return DecideOnOff(wParam, EngineAction::ShowPointer, EngineAction::HidePointer);
    case WM_TRV_TRAIL:
        return DecideOnOff(wParam, EngineAction::SuppressTrail, EngineAction::AllowTrail);
    default:  // WM_TRV_SYSTRAYMSG and WM_TRV_APPLYVALS have no handler
        return EngineAction::Default;
    }
}

void Reapply()
{
    if (ReapplyActive)
        return;
    ReapplyActive = 1;
    if (EnginePointer)
        ShutdownEngine(ReadSettings(nullptr) != 0);
    ReapplyActive = 0;
}

void ReinstallDummies(HWND window)
{
    ReinstallPending = 0;
    World().KillTimer(window, kReinstallTimerId);
    SetDummyCursors();
}

// Actions whose result the procedure returns itself; false for the others.
bool CarryHandled(EngineAction action, WPARAM wParam, LRESULT* result)
{
    switch (action) {
    case EngineAction::PowerSuspend:
        Suspended = 1;
        DisableEngine();
        *result = 1;
        return true;
    case EngineAction::HotKey:
        HotKeyOff = !HotKeyOff;
        *result = 0;
        return true;
    case EngineAction::Update:
        UpdateStep();
        *result = 0;
        return true;
    case EngineAction::GetSystemCursor:
        *result = reinterpret_cast<LRESULT>(GetSystemCursor(wParam));
        return true;
    case EngineAction::Close:
        // The default would destroy the window and leave the engine running.
        ShutdownEngine(0);
        *result = 0;
        return true;
    default:
        return false;
    }
}

// Actions after which DefWindowProcW still gives the result.
void CarryBeforeDefault(EngineAction action, HWND window, WPARAM wParam)
{
    switch (action) {
    case EngineAction::PowerResume:
        Suspended = 0;
        break;
    case EngineAction::TrailTimer:
        TrailTimerGate();
        break;
    case EngineAction::ReinstallTimer:
        ReinstallDummies(window);
        break;
    case EngineAction::MouseMessage:
        OnMouseMessage(static_cast<UINT>(wParam));
        break;
    case EngineAction::Reapply:
        Reapply();
        break;
    case EngineAction::Restart:
    case EngineAction::Shutdown:
        ShutdownEngine(action == EngineAction::Restart);
        break;
    case EngineAction::ShowPointer:
    case EngineAction::HidePointer:
        DrawingHidden = action == EngineAction::HidePointer;
        break;
    case EngineAction::SuppressTrail:
    case EngineAction::AllowTrail:
        TrailSuppressed = action == EngineAction::SuppressTrail;
        break;
    default:
        break;
    }
}

}  // namespace

EngineAction DecideEngineMessage(UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_POWERBROADCAST:
        return DecidePower(wParam);
    case WM_WINDOWPOSCHANGING:
    case WM_WTSSESSION_CHANGE:
        return EngineAction::Default;
    case WM_TIMER:
        return DecideTimer(wParam);
    case WM_HOTKEY:
        return EngineAction::HotKey;
    case WM_CLOSE:
        return EngineAction::Close;
    default:
        break;
    }
    int engineMessage = MatchEngineMessage(message);
    if (engineMessage < 0)
        return EngineAction::Default;
    return DecideRegistered(engineMessage, wParam);
}

LRESULT CALLBACK EngineWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        EngineAction action = DecideEngineMessage(message, wParam);
        LRESULT result = 0;
        if (CarryHandled(action, wParam, &result))
            return result;
        CarryBeforeDefault(action, window, wParam);
        return World().DefWindowProcW(window, message, wParam, lParam);
    } catch (...) {
        // A step that threw has already cleared its busy flag, so the next
        // tick runs.
        return 0;
    }
}

BOOL RegisterEngineHotKey()
{
    int32_t value = ReadEngineSetting(L"HotKey", static_cast<uint16_t>(EngineHotKey));
    EngineHotKey = static_cast<int16_t>(value & 0xFFFF);
    HotKeyCombo combo = DecodeHotKey(static_cast<uint32_t>(value));
    if (combo.Key == 0)
        return FALSE;
    return World().RegisterHotKey(EngineWindow, 0, combo.Modifiers, combo.Key);
}
