// The per-tick step: which system pointer shows, what to draw for it, and
// keeping the drawn pointer on top of everything and under the mouse.

#include "TrackingStep.h"

#include "CPointer.h"
#include "CTheme.h"
#include "CursorSubstitution.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "LMLayeredBatch.h"
#include "LMToolkit.h"
#include "RoleChoice.h"
#include "SystemCursorTable.h"

#include <cwchar>

namespace {

constexpr DWORD kPriorityCheckMs = 2000;
constexpr int32_t kVerifyEvery = 20;
constexpr POINT kDummyHotSpot = {19, 23};
constexpr wchar_t kReinstallerClass[] = L"Tessaloom";
constexpr DWORD kReinstallDelayMs = 1000;
constexpr DWORD kReinstallGapMs = 2000;
constexpr wchar_t kHiddenPointerClass[] = L"Internet Explorer_Server";
// A z-order longer than this is taken as a loop.
constexpr int kMaxWindowsAbove = 4096;
constexpr UINT kTopmostRepairFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOSENDCHANGING;

// Clears the busy flag however the step ends, a throw included.
class BusyScope {
public:
    BusyScope() { TickBusy = 1; }
    ~BusyScope() { TickBusy = 0; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

// What this step found out about the pointer the system shows.
struct StepFindings {
    CThemeCursor* Entry = nullptr;
    // A window that hides the system pointer on purpose: the drawn pointer
    // keeps its state but still follows.
    bool Exception = false;
};

void KeepGuiThreadPriority()
{
    DWORD now = World().NowMs();
    if (ThreadCheckTime != 0 && now - ThreadCheckTime <= kPriorityCheckMs)
        return;
    ThreadCheckTime = now;
    HANDLE thread = World().GetCurrentThread();
    if (World().GetThreadPriority(thread) != THREAD_PRIORITY_HIGHEST)
        World().SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
    HANDLE process = World().GetCurrentProcess();
    if (World().GetPriorityClass(process) != HIGH_PRIORITY_CLASS)
        World().SetPriorityClass(process, HIGH_PRIORITY_CLASS);
}

void FollowActivity()
{
    int active = ShouldBeActive();
    if (EngineEnabled && !active)
        DisableEngine();
    else if (!EngineEnabled && active)
        EnableEngine();
}

bool UnderHiddenPointerWindow()
{
    wchar_t className[kClassNameChars] = {};
    World().GetClassNameW(World().WindowFromPoint(PointerPos), className, kClassNameChars);
    className[kClassNameChars - 1] = L'\0';
    return wcscmp(className, kHiddenPointerClass) == 0;
}

void VerifyDummy(HCURSOR dummy)
{
    if (++VerifyCounter < kVerifyEvery)
        return;
    VerifyCounter = 0;
    ICONINFO info = {};
    BOOL read = World().GetIconInfo(dummy, &info);
    if (info.hbmMask)
        World().DeleteObject(info.hbmMask);
    if (info.hbmColor)
        World().DeleteObject(info.hbmColor);
    DummyVerified = read && static_cast<LONG>(info.xHotspot) == kDummyHotSpot.x &&
                    static_cast<LONG>(info.yHotspot) == kDummyHotSpot.y;
}

// A foreign program replaced the pointers: the match counts only when the
// re-installer is there and a re-install may be armed now.
bool ArmReinstall()
{
    if (ReinstallPending || !World().FindWindowW(kReinstallerClass, nullptr))
        return false;
    if (LastInstallTime != 0 && World().NowMs() - LastInstallTime <= kReinstallGapMs)
        return false;
    World().SetTimer(EngineWindow, kReinstallTimerId, kReinstallDelayMs, nullptr);
    ReinstallPending = 1;
    DummyVerified = 1;
    return true;
}

// Sets CurrentSlot and returns the entry to draw for the cursor shown.
CThemeCursor* MatchSlot(HCURSOR shown)
{
    for (int slot = 0; slot < kSharedCursorSlots; ++slot) {
        if (SystemCursorSlots[slot].Dummy != shown)
            continue;
        VerifyDummy(shown);
        if (!DummyVerified && !ArmReinstall())
            return nullptr;
        CThemeCursor* entry = ResolvePointer(slot, kCursorStateNormal);
        CurrentSlot = entry ? slot : -1;
        return entry;
    }
    return nullptr;
}

// False when the step ends here: no pointer shows, and no window asks for
// the drawn one to stay.
bool ReadShownCursor(StepFindings* found)
{
    CURSORINFO info = {};
    info.cbSize = sizeof(info);
    // The same call gives the position; without an answer the last one stays.
    if (World().GetCursorInfo(&info))
        PointerPos = info.ptScreenPos;
    else
        info = CURSORINFO{};
    CurrentSlot = -1;
    if (info.hCursor && info.flags) {
        PointerHidden = 0;
    } else if (UnderHiddenPointerWindow()) {
        found->Exception = true;
    } else {
        PointerHidden = 1;
        return false;
    }
    if (EngineEnabled && info.hCursor)
        found->Entry = MatchSlot(info.hCursor);
    return true;
}

HWND FirstVisibleWindowAbove(HWND own)
{
    HWND window = own;
    for (int i = 0; i < kMaxWindowsAbove; ++i) {
        window = World().GetWindow(window, GW_HWNDPREV);
        if (!window || World().IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// Only when something visible sits above, or the topmost style was lost.
void KeepOnTop()
{
    HWND own = EngineWindow;
    if (FirstVisibleWindowAbove(own))
        World().SetWindowPos(own, HWND_TOPMOST, 0, 0, 0, 0, kTopmostRepairFlags);
    if (!(World().GetWindowLongPtrW(own, GWL_EXSTYLE) & WS_EX_TOPMOST))
        World().SetWindowPos(own, HWND_TOPMOST, 0, 0, 0, 0, kTopmostRepairFlags);
}

void ApplyPointer(CPointer& pointer, const StepFindings& found)
{
    if (!found.Exception && found.Entry &&
        (found.Entry != LastPointerEntry || (!DrawingHidden && !pointer.Shown))) {
        LastPointerEntry = found.Entry;
        pointer.ChangeStateByName(found.Entry->Animation->Name.c_str());
    }
    if (!DrawingHidden && !pointer.Shown)
        pointer.Show();
    else if (DrawingHidden && pointer.Shown)
        pointer.Hide();
    if (PointerPos.x != PlacedPos.x || PointerPos.y != PlacedPos.y) {
        PlacedPos = PointerPos;
        pointer.MoveAligned(PointerPos.x, PointerPos.y);
    }
}

void TrackPointer()
{
    FollowActivity();
    StepFindings found;
    if (!ReadShownCursor(&found) || !EngineEnabled || !EnginePointer)
        return;
    if (CurrentSlot == -1 && !found.Exception) {
        if (EnginePointer->Shown)
            EnginePointer->Hide();
        return;
    }
    KeepOnTop();
    ApplyPointer(*EnginePointer, found);
}

}  // namespace

void UpdateStep()
{
    KeepGuiThreadPriority();
    if (TickBusy)
        return;
    BusyScope busy;
    // A switch, a move and a new frame reach the pointer window as one call.
    LMLayeredBatch batch;
    TrackPointer();
    // The engine's animations advance here.
    if (LMScheduler)
        LMScheduler->Tick();
}
