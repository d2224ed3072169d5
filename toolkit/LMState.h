#pragma once
// Named looks of an LMObj: the state base and the visual state with its frame
// animation and frame script.

#include "LMFrameScript.h"
#include "LMScriptInterpreter.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Frame flags.
constexpr int32_t LMFrameReverse = 1;
constexpr int32_t LMFramePingPong = 2;
constexpr int32_t LMFrameSeparate = 4;
constexpr int32_t LMFrameLoop = 8;
constexpr int32_t LMFrameInterruptible = 0x10;
constexpr int32_t LMFrameManual = 0x20;

// Hit modes; any other value tests pixels (bitmap states).
constexpr int32_t LMHitWholeFrame = 1;
constexpr int32_t LMHitNever = 2;
constexpr int32_t LMHitInnerRect = 4;

// Kinds.
constexpr int32_t LMStateKindRectangle = 0;
constexpr int32_t LMStateKindBitmap = 1;
constexpr int32_t LMStateKindBlank = 3;
constexpr int32_t LMStateKindText = 5;

// Results of LMVisualState::Advance.
constexpr int LMAdvanceNone = 0;
constexpr int LMAdvanceNewFrame = 1;
constexpr int LMAdvanceEnded = 2;

class LMState {
public:
    explicit LMState(const wchar_t* name);
    virtual ~LMState();

    LMState(const LMState&) = delete;
    LMState& operator=(const LMState&) = delete;

    int32_t Visual = 0;
    std::wstring Name;
};

class LMVisualState : public LMState {
public:
    explicit LMVisualState(const wchar_t* name);
    ~LMVisualState() override;

    // Coordinates inside the frame; non-zero for a hit.
    virtual int HitTest(int x, int y) = 0;
    // Draws the part (srcX, srcY, width, height) of the current frame at (dstX, dstY).
    virtual int Draw(HDC hdc, int dstX, int dstY, int srcX, int srcY, int width, int height) = 0;
    virtual int SetFrames(int count, int intervalMs, int flags);

    int SetSize(int width, int height);
    int SetHitMode(int mode);
    // The frame shown, after the direction flags; may lie outside 0..FrameCount-1
    // (a script frame past the strip), which draws and hits nothing.
    int GetFrameIndex() const;
    int GetFrameOffset() const;
    bool FrameIndexInRange() const;

    // 0 no change, 1 a new frame, 2 the animation ended.
    int Advance(bool changePending, DWORD nowMs);
    void ResetScript();
    // The real step: moves the state's own script position; frame index or -1.
    int ScriptStep();
    bool HasScript() const { return !ScriptSteps.empty(); }
    int ScriptStepCount() const { return static_cast<int>(ScriptSteps.size()); }

    int32_t HitMode = 0;
    int32_t InsetLeft = 0;
    int32_t InsetTop = 0;
    int32_t InsetRight = 0;
    int32_t InsetBottom = 0;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    int32_t FrameWidth = 0;
    int32_t FrameHeight = 0;
    int32_t Animated = 0;
    int32_t FrameCount = 0;
    int32_t FrameInterval = 50;
    int32_t CurrentFrame = 0;
    int32_t RampStart = 255;
    int32_t RampEnd = -1;
    int32_t Kind = 0;
    int32_t FrameFlags = 0;
    std::vector<LMFrameScriptStep> ScriptSteps;
    int32_t ScriptDelay = 200;
    DWORD LastTick = 0;
    int32_t Finished = 0;
    int32_t PingPongPhase = 0;
    int32_t ScriptCursor = 0;
    int32_t StepCounter = 0;

    // Table steps the last ScriptStep call visited, look-ahead included.
    int32_t LastStepVisits = 0;

protected:
    // A copy under a new name: the script table is duplicated with its
    // position reset; the ramp, current frame and phase start afresh.
    LMVisualState(const wchar_t* name, const LMVisualState& source);

private:
    int AdvanceScript(bool changePending, DWORD nowMs);
    int AdvanceFrames(bool changePending);
    // The frame after the current one, walked on copies; changes no state.
    int LookAhead();

    uint64_t framesShown_ = 0;
    LMScriptBlockMarks blockMarks_;
    std::vector<int32_t> blockMatches_;
    std::vector<LMFrameScriptStep> lookAheadSteps_;
    LMScriptBlockMarks lookAheadMarks_;
};
