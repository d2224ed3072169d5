#include "LMState.h"

#include <limits>

namespace
{

int32_t ClampToInt32(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

} // namespace

LMState::LMState(const wchar_t* name)
    : Name(name ? name : L"")
{
}

LMState::~LMState() = default;

LMVisualState::LMVisualState(const wchar_t* name)
    : LMState(name)
{
    Visual = 1;
}

LMVisualState::LMVisualState(const wchar_t* name, const LMVisualState& source)
    : LMState(name)
    , ScriptSteps(source.ScriptSteps)
{
    Visual = 1;
    HitMode = source.HitMode;
    FrameWidth = source.FrameWidth;
    FrameHeight = source.FrameHeight;
    InsetLeft = source.InsetLeft;
    InsetTop = source.InsetTop;
    InsetRight = source.InsetRight;
    InsetBottom = source.InsetBottom;
    OffsetX = source.OffsetX;
    OffsetY = source.OffsetY;
    Animated = source.Animated;
    FrameFlags = source.FrameFlags;
    FrameCount = source.FrameCount;
    FrameInterval = source.FrameInterval;
    for (LMFrameScriptStep& step : ScriptSteps)
        step.PassCounter = 0;
    ResetScript();
}

LMVisualState::~LMVisualState() = default;

int LMVisualState::SetFrames(int count, int intervalMs, int flags)
{
    if (count <= 1) {
        FrameCount = 1;
        Animated = 0;
        return 0;
    }
    FrameFlags = flags;
    if (!(flags & LMFrameManual))
        Animated = 1;
    FrameCount = count;
    FrameInterval = intervalMs;
    return 1;
}

int LMVisualState::SetSize(int width, int height)
{
    if (width > 0)
        FrameWidth = width;
    if (height > 0)
        FrameHeight = height;
    return 1;
}

int LMVisualState::SetHitMode(int mode)
{
    HitMode = mode;
    return 1;
}

int LMVisualState::GetFrameIndex() const
{
    if (FrameCount < 2)
        return 0;
    if (FrameFlags & LMFrameManual)
        return CurrentFrame;
    bool backwards = (FrameFlags & LMFrameReverse) ? PingPongPhase == 0 : PingPongPhase == 1;
    if (!backwards)
        return CurrentFrame;
    return ClampToInt32(static_cast<int64_t>(FrameCount) - CurrentFrame - 1);
}

bool LMVisualState::FrameIndexInRange() const
{
    int index = GetFrameIndex();
    return index >= 0 && index < (FrameCount < 1 ? 1 : FrameCount);
}

// Out of range indexes give an offset outside the strip; callers test
// FrameIndexInRange before they read pixels there.
int LMVisualState::GetFrameOffset() const
{
    if (FrameCount < 2 || (FrameFlags & LMFrameSeparate))
        return 0;
    return ClampToInt32(static_cast<int64_t>(GetFrameIndex()) * FrameWidth);
}

int LMVisualState::Advance(bool changePending, DWORD nowMs)
{
    if (!Animated)
        return LMAdvanceEnded;
    if (HasScript())
        return AdvanceScript(changePending, nowMs);
    return AdvanceFrames(changePending);
}

int LMVisualState::AdvanceScript(bool changePending, DWORD nowMs)
{
    if (static_cast<DWORD>(nowMs - LastTick) <= static_cast<DWORD>(ScriptDelay))
        return LMAdvanceNone;
    if (Finished) {
        Finished = 0;
        if (changePending || !(FrameFlags & LMFrameLoop))
            return LMAdvanceEnded;
    }
    CurrentFrame = ScriptStep();
    LastTick = nowMs;
    return LMAdvanceNewFrame;
}

// The caller calls once per frame interval, so there is no time test here.
int LMVisualState::AdvanceFrames(bool changePending)
{
    int32_t last = FrameCount - 1;
    if (CurrentFrame > last) {
        CurrentFrame = last;
        return LMAdvanceNewFrame;
    }
    if (CurrentFrame < last) {
        ++CurrentFrame;
        return LMAdvanceNewFrame;
    }
    // The end of a pass; a ping-pong pass turns round once before it ends.
    bool pingPong = (FrameFlags & LMFramePingPong) != 0;
    if (pingPong && PingPongPhase == 0) {
        PingPongPhase = 1;
        CurrentFrame = 0;
        return LMAdvanceNewFrame;
    }
    if (changePending || !(FrameFlags & LMFrameLoop))
        return LMAdvanceEnded;
    if (pingPong)
        PingPongPhase = 0;
    CurrentFrame = 0;
    return LMAdvanceNewFrame;
}

void LMVisualState::ResetScript()
{
    ScriptCursor = 0;
    StepCounter = 0;
    ScriptDelay = kLMDefaultScriptInterval;
    LastTick = 0;
    Finished = 0;
}

int LMVisualState::ScriptStep()
{
    LastStepVisits = 0;
    LMMatchRepeatBlocks(ScriptSteps, &blockMatches_);
    LMScriptPosition position { ScriptCursor, StepCounter, framesShown_ };
    int32_t frame = LMNextScriptFrame(
        ScriptSteps, blockMarks_, blockMatches_, position, &ScriptDelay, &LastStepVisits);
    ScriptCursor = position.Cursor;
    StepCounter = position.Counter;
    framesShown_ = position.FramesShown;
    // The look-ahead tells at the last frame that the script has ended, so
    // the end comes without a tick of dead time.
    if (frame < 0 || LookAhead() < 0) {
        Finished = 1;
        ScriptCursor = 0;
    }
    return frame;
}

int LMVisualState::LookAhead()
{
    lookAheadSteps_ = ScriptSteps;
    lookAheadMarks_ = blockMarks_;
    LMScriptPosition position { ScriptCursor, StepCounter, framesShown_ };
    return LMNextScriptFrame(
        lookAheadSteps_, lookAheadMarks_, blockMatches_, position, nullptr, &LastStepVisits);
}
