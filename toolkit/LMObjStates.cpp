// The state-change machine of LMObj: requests, the queue and the per-tick update.

#include "LMBitmap.h"
#include "LMClock.h"
#include "LMLock.h"
#include "LMObj.h"
#include "LMObjGlobals.h"
#include "LMToolkit.h"

#include <cwchar>
#include <memory>

const wchar_t kLMMouseAwayState[] = L"Mouse away";

namespace {

// Longer names are cut: the buffers hold 199 characters and the terminator.
void CopyStateName(wchar_t (&buffer)[kLMStateNameLength], const wchar_t* name)
{
    int i = 0;
    for (; name && name[i] && i < kLMStateNameLength - 1; ++i)
        buffer[i] = name[i];
    buffer[i] = L'\0';
}

bool IsInterruptible(LMState* state)
{
    LMVisualState* visual = LMAsVisualState(state);
    return visual && (visual->FrameFlags & LMFrameInterruptible);
}

}  // namespace

int LMObj::ChangeState(const wchar_t* name)
{
    return ChangeState(name, 0, 0);
}

int LMObj::ChangeState(const wchar_t* name, int flags, int startFrame)
{
    bool immediate = (flags & LMRequestImmediate) != 0;
    if (InStateChange && !immediate) {
        EnqueueState(name, flags);
        return 1;
    }
    if (CurrentState && !immediate && (QueueCount() > 0 || Animating)) {
        bool interrupt = QueueCount() == 0 && Animating && IsInterruptible(CurrentState);
        if (!interrupt) {
            EnqueueState(name, flags);
            return 1;
        }
    } else if (QueueCount() > 0) {
        if (LMScheduler)
            LMScheduler->Remove(this);
        ClearQueue();
    }
    InternalChangeState(name, flags, startFrame);
    return 1;
}

void LMObj::ClearQueue()
{
    std::vector<QueuedState>().swap(StateQueue);
}

void LMObj::DropQueueHead()
{
    if (!StateQueue.empty())
        StateQueue.erase(StateQueue.begin());
    StateQueue.shrink_to_fit();
}

int LMObj::InternalChangeState(const wchar_t* name, int flags, int startFrame)
{
    bool silent = (flags & LMRequestSilent) != 0;
    if (!(flags & LMRequestImmediate) && CurrentState && name
        && wcscmp(name, kLMMouseAwayState) == 0 && CurrentState->Name == kLMMouseAwayState)
        return 0;
    wchar_t buffer[kLMStateNameLength];
    CopyStateName(buffer, name);
    InStateChange = 1;
    if (!silent) {
        OnStateChanging(buffer, flags);
        buffer[kLMStateNameLength - 1] = L'\0';
    }
    if (buffer[0] == L'\0') {
        InStateChange = 0;
        return 0;
    }
    LMState* state = FindState(buffer);
    if (!state) {
        if (!silent)
            OnStateDone(buffer, flags);
        InStateChange = 0;
        return 0;
    }
    TargetState = state;
    LMVisualState* visual = LMAsVisualState(state);
    if (!visual) {
        if (!silent)
            OnStateDone(state->Name.c_str(), flags);
        InStateChange = 0;
        return 1;
    }
    LMLock lock(kLMLockStateChangeMs, kLMLockLabelInternalChangeState);
    if (!lock.Held()) {
        InStateChange = 0;
        return 0;
    }
    StartState(visual, flags, startFrame);
    lock.Release();
    PlaceAfterSwitch();
    InStateChange = 0;
    return 2;
}

// The new state may be another size: recompute the geometry and repaint. A
// drag in progress keeps its grip on the same spot.
void LMObj::PlaceAfterSwitch()
{
    POINT before{VisibleX, VisibleY};
    SetPosition(0, 0, LMPosRepaint);
    if (PressedObject == this) {
        PressPoint.x += before.x - VisibleX;
        PressPoint.y += before.y - VisibleY;
    }
}

// Makes the state current; runs under the lock.
void LMObj::StartState(LMVisualState* state, int flags, int startFrame)
{
    CurrentState = state;
    CompletionReported = 0;
    if (BackBuffer) {
        RECT bounds;
        GetBounds(&bounds);
        int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
        if (BackBuffer->Width != width || BackBuffer->Height != height)
            BackBuffer = std::make_unique<LMBitmap>(width, height, LMBitmapHasAlpha);
    }
    bool fromEnd = (flags & LMRequestFromEnd) != 0;
    // Read before the hook below, which may remove the state.
    bool animated = state->Animated != 0;
    DWORD interval =
        state->HasScript() ? kLMScriptTickMs : static_cast<DWORD>(state->FrameInterval);
    if (animated) {
        if (state->HasScript()) {
            state->ResetScript();
            state->CurrentFrame = state->ScriptStep();
            state->LastTick = LMClockNowMs();
        } else {
            state->CurrentFrame = fromEnd ? state->FrameCount - startFrame - 1 : startFrame;
        }
    } else {
        // A static state is done as soon as it shows; a silent switch is done too.
        CompletionReported = 1;
        if (!(flags & LMRequestSilent))
            OnStateDone(state->Name.c_str(), flags);
    }
    if (LMScheduler && (QueueCount() > 0 || (animated && !fromEnd)))
        LMScheduler->Add(this, interval);
    Animating = animated && !fromEnd ? 1 : 0;
}

int LMObj::EnqueueState(const wchar_t* name, int flags)
{
    if (QueueCount() >= kLMMaxQueuedStates)
        return 0;
    LMLock lock(kLMLockEnqueueMs, kLMLockLabelEnqueueState);
    if (!lock.Held())
        return 1;  // dropped: a request that cannot wait is lost, not an error
    LMState* state = FindState(name);
    QueuedState entry;
    entry.State = state;
    CopyStateName(entry.Name, name);
    entry.Flags = flags & LMRequestFromEnd;
    // A queued interruptible state gives way to the newer request.
    if (state && !StateQueue.empty() && IsInterruptible(StateQueue.back().State)) {
        StateQueue.back() = entry;
    } else {
        StateQueue.push_back(entry);
        if (LMScheduler)
            LMScheduler->Add(this, 0);
    }
    return 1;
}

int LMObj::Update(DWORD nowMs)
{
    int result = CurrentState ? CurrentState->Advance(QueueCount() > 0, nowMs) : LMAdvanceEnded;
    if (result == LMAdvanceNewFrame) {
        Invalidate(LMRepaintNow);
        return 1;
    }
    if (result == LMAdvanceNone)
        return 1;
    Animating = 0;
    if (CurrentState && !CompletionReported) {
        CompletionReported = 1;
        OnStateDone(CurrentState->Name.c_str(), 0);
    }
    if (AdvanceQueue())
        return 1;
    FinishDrainedQueue();
    return 0;
}

// Nothing more to play: a looping state starts over, any other leaves the timer.
void LMObj::FinishDrainedQueue()
{
    if (CurrentState && (CurrentState->FrameFlags & LMFrameLoop))
        CurrentState->CurrentFrame = 0;
    else if (LMScheduler)
        LMScheduler->Remove(this);
}

// Switches to the first queued state that can be had; 1 when it stopped
// there, 0 when the queue ran dry. A lock that cannot be had leaves the head
// queued for the next tick rather than blocking the GUI thread.
int LMObj::AdvanceQueue()
{
    while (!StateQueue.empty()) {
        // The hooks may queue more requests, so the head is copied first.
        QueuedState head = StateQueue.front();
        int switched = InternalChangeState(head.Name, head.Flags ? LMRequestFromEnd : 0, 0);
        LMLock lock(kLMLockStateChangeMs, kLMLockLabelUpdate);
        if (!lock.Held())
            return 1;
        DropQueueHead();
        if (switched)
            return 1;
    }
    return 0;
}
