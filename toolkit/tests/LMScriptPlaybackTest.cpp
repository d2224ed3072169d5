// Frame scripts played through LMVisualState::Advance with chosen times; no
// windows, clock or frame timer.

#include "LMBlankState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct Shown {
    int index;
    int delay;
    bool operator==(const Shown& other) const
    {
        return index == other.index && delay == other.delay;
    }
};

void PrintTo(const Shown& shown, std::ostream* out)
{
    *out << "{" << shown.index << " @" << shown.delay << "ms}";
}

// A scripted state of `frames` frames, as an object makes it current.
void Start(LMVisualState& state, const wchar_t* script, int frames, int flags, DWORD now)
{
    state.SetFrames(frames, 50, flags);
    ParseFrameScript(script, &state.ScriptSteps);
    state.ResetScript();
    state.CurrentFrame = state.ScriptStep();
    state.LastTick = now;
}

// Plays to the end (nothing pending), one call just after each delay; the
// frames shown with their delays.
std::vector<Shown> Play(const wchar_t* script, int frames = 8, int flags = 0, int limit = 100)
{
    LMBlankState state(L"Default");
    Start(state, script, frames, flags, 1000);
    std::vector<Shown> shown { { state.GetFrameIndex(), state.ScriptDelay } };
    for (int i = 0; i < limit; ++i) {
        int result = state.Advance(false, state.LastTick + state.ScriptDelay + 1);
        if (result == LMAdvanceEnded)
            return shown;
        EXPECT_EQ(LMAdvanceNewFrame, result);
        shown.push_back({ state.GetFrameIndex(), state.ScriptDelay });
    }
    ADD_FAILURE() << "the script did not end within " << limit << " frames";
    return shown;
}

int32_t VisitLimit(const LMVisualState& state)
{
    int32_t n = state.ScriptStepCount();
    return 2 * (n + 1) * (n + 1);
}

struct PlayCase {
    const wchar_t* script;
    std::vector<Shown> shown;
};

void ExpectPlays(const PlayCase* begin, const PlayCase* end)
{
    for (const PlayCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c->script)));
        EXPECT_EQ(c->shown, Play(c->script));
    }
}

} // namespace

TEST(FrameScriptPlayback, FramesAndIntervals)
{
    const PlayCase cases[] = {
        { L"4-2,30;6", { { 3, 30 }, { 2, 30 }, { 1, 30 }, { 5, 30 } } },
        { L"repeat 3;2;end repeat;1,40", { { 1, 200 }, { 1, 200 }, { 1, 200 }, { 0, 40 } } },
        { L"3-3,70;1", { { 2, 70 }, { 0, 70 } } },
        { L"1-3", { { 0, 200 }, { 1, 200 }, { 2, 200 } } },
        { L"3-1,50", { { 2, 50 }, { 1, 50 }, { 0, 50 } } },
        { L"2;5,100;7", { { 1, 200 }, { 4, 100 }, { 6, 100 } } },
        { L"repeat 2\r\n1-2\r\nend repeat\r\n3",
            { { 0, 200 }, { 1, 200 }, { 0, 200 }, { 1, 200 }, { 2, 200 } } },
        { L"Repeat 2;1;END REPEAT", { { 0, 200 }, { 0, 200 } } },
        { L" repeat 2", { { 1, 200 } } },
        { L"1\r\n", { { 0, 200 } } },
        { L"0;2;0", { { 1, 200 } } },
        { L"0-2", { { 0, 200 }, { 1, 200 } } },
        { L"repeat 1;1;end repeat;2", { { 0, 200 }, { 1, 200 } } },
    };
    ExpectPlays(std::begin(cases), std::end(cases));
}

// Scripts on which a walk that trusts the table would spin or never finish.
TEST(FrameScriptPlayback, EveryScriptEnds)
{
    const PlayCase cases[] = {
        { L"1;repeat 3;0;end repeat;3", { { 0, 200 }, { 2, 200 } } },
        { L"repeat 2;repeat 3;1;end repeat;end repeat",
            { { 0, 200 }, { 0, 200 }, { 0, 200 }, { 0, 200 }, { 0, 200 }, { 0, 200 } } },
        { L"repeat 5;repeat 0;end repeat;end repeat;4", { { 3, 200 } } },
        { L"end repeat;2-3", { { 1, 200 }, { 2, 200 } } },
        { L"repeat 2 5;end repeat", { { 4, 200 } } },
        { L"repeat 0;end repeat;1", { { 0, 200 } } },
        { L"repeat 0;0;0;end repeat;2", { { 1, 200 } } },
        { L"repeat 3;repeat 2;end repeat;1;end repeat", { { 0, 200 }, { 0, 200 }, { 0, 200 } } },
        { L"1;end repeat;end repeat;repeat 4", { { 0, 200 } } },
    };
    ExpectPlays(std::begin(cases), std::end(cases));
}

TEST(FrameScriptPlayback, RepeatZeroRunsWithoutEnd)
{
    LMBlankState state(L"Default");
    Start(state, L"repeat 0;1;2;end repeat", 4, 0, 0);
    for (int i = 1; i < 500; ++i) {
        ASSERT_EQ(LMAdvanceNewFrame, state.Advance(false, state.LastTick + 201));
        ASSERT_EQ(i % 2, state.GetFrameIndex()) << "frame " << i;
    }
}

TEST(FrameScriptPlayback, FramelessScriptShowsNothingAndEnds)
{
    LMBlankState state(L"Default");
    Start(state, L"0;repeat 3;end repeat", 4, 0, 0);
    EXPECT_EQ(-1, state.CurrentFrame);
    EXPECT_FALSE(state.FrameIndexInRange());
    EXPECT_EQ(1, state.Finished);
    EXPECT_EQ(LMAdvanceEnded, state.Advance(false, 1000));
}

TEST(FrameScriptPlayback, LookAheadChangesNoPassCounter)
{
    LMBlankState state(L"Default");
    Start(state, L"repeat 2;repeat 3;1;end repeat;end repeat", 4, 0, 0);
    EXPECT_EQ(0, state.ScriptSteps[0].PassCounter);
    EXPECT_EQ(0, state.ScriptSteps[1].PassCounter);
    EXPECT_EQ(3, state.ScriptCursor);
    EXPECT_EQ(0, state.Finished);
    state.Advance(false, 201);
    EXPECT_EQ(1, state.ScriptSteps[1].PassCounter);
    EXPECT_EQ(0, state.ScriptSteps[0].PassCounter);
}

TEST(FrameScriptPlayback, DelayIsComparedAsUnsignedDifference)
{
    struct Case {
        DWORD lastTick;
        DWORD now;
        int result;
    };
    const Case cases[] = {
        { 1000, 1030, LMAdvanceNone },
        { 1000, 1031, LMAdvanceNewFrame },
        { 0xFFFFFFF0, 0x0000000E, LMAdvanceNone },
        { 0xFFFFFFF0, 0x0000000F, LMAdvanceNewFrame },
        { 1000, 999, LMAdvanceNewFrame },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.lastTick << " -> " << c.now);
        LMBlankState state(L"Default");
        Start(state, L"1,30;2;3", 4, 0, c.lastTick);
        EXPECT_EQ(c.result, state.Advance(false, c.now));
        EXPECT_EQ(c.result == LMAdvanceNone ? 0 : 1, state.GetFrameIndex());
        EXPECT_EQ(c.result == LMAdvanceNone ? c.lastTick : c.now, state.LastTick);
    }
}

TEST(FrameScriptPlayback, EndOfScriptWithLoopAndPendingChange)
{
    struct Case {
        int flags;
        bool pending;
        int result;
    };
    const Case cases[] = {
        { 0, false, LMAdvanceEnded },
        { LMFrameLoop, false, LMAdvanceNewFrame },
        { LMFrameLoop, true, LMAdvanceEnded },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << " pending " << c.pending);
        LMBlankState state(L"Default");
        Start(state, L"2;3", 4, c.flags, 0);
        ASSERT_EQ(LMAdvanceNewFrame, state.Advance(false, 201));
        EXPECT_EQ(2, state.GetFrameIndex());
        EXPECT_EQ(1, state.Finished);
        EXPECT_EQ(LMAdvanceNone, state.Advance(c.pending, 401));
        EXPECT_EQ(c.result, state.Advance(c.pending, 402));
        if (c.result == LMAdvanceNewFrame) {
            EXPECT_EQ(1, state.GetFrameIndex());
        }
    }
}

TEST(FrameScriptPlayback, DirectionFlagsApplyToScriptFrames)
{
    LMBlankState state(L"Default");
    Start(state, L"1;2", 4, LMFrameReverse, 0);
    EXPECT_EQ(3, state.GetFrameIndex());
    state.Advance(false, 201);
    EXPECT_EQ(2, state.GetFrameIndex());
}

TEST(FrameScriptPlayback, FramesPastTheStripAreOutOfRange)
{
    struct Case {
        const wchar_t* script;
        int flags;
        int index;
    };
    const Case cases[] = {
        { L"9", 0, 8 },
        { L"99999999999999999999", 0, 2147483646 },
        { L"9", LMFrameReverse, -5 },
        { L"0", LMFrameReverse, 4 },
        { L"4", 0, 3 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.script)));
        LMBlankState state(L"Default");
        Start(state, c.script, 4, c.flags, 0);
        EXPECT_EQ(c.index, state.GetFrameIndex());
        EXPECT_EQ(c.index >= 0 && c.index < 4, state.FrameIndexInRange());
    }
}

// Nested and empty blocks, the worst a walk sees: each call stays within
// 2 (n + 1)^2 step visits for n steps.
TEST(FrameScriptPlayback, StepVisitsStayBounded)
{
    std::wstring nestedEmpty, nestedOne, emptyBlocks;
    for (int i = 0; i < 12; ++i) {
        nestedEmpty = L"repeat 0;" + nestedEmpty + L"end repeat;";
        nestedOne = L"repeat 3;" + nestedOne + L"end repeat;";
        emptyBlocks += L"repeat 0;0;end repeat;";
    }
    nestedOne = L"repeat 0;" + nestedOne + L"1;end repeat";
    const std::wstring scripts[] = {
        nestedEmpty + L"2",
        nestedOne,
        L"1;" + emptyBlocks + L"3",
        L"repeat 0;1;" + emptyBlocks + L"end repeat",
        L"end repeat;end repeat;end repeat;repeat 0;repeat 0;1;end repeat;end repeat",
    };
    for (const std::wstring& script : scripts) {
        SCOPED_TRACE(testing::PrintToString(script));
        LMBlankState state(L"Default");
        Start(state, script.c_str(), 4, LMFrameLoop, 0);
        for (int i = 0; i < 300; ++i) {
            ASSERT_LE(state.LastStepVisits, VisitLimit(state)) << "call " << i;
            state.Advance(false, state.LastTick + state.ScriptDelay + 1);
        }
    }
}

TEST(FrameScriptPlayback, ResetScriptRestartsThePosition)
{
    LMBlankState state(L"Default");
    Start(state, L"1-3,40", 4, 0, 0);
    state.Advance(false, 41);
    state.LastTick = 77;
    state.ResetScript();
    EXPECT_EQ(0, state.ScriptCursor);
    EXPECT_EQ(0, state.StepCounter);
    EXPECT_EQ(200, state.ScriptDelay);
    EXPECT_EQ(0u, state.LastTick);
    EXPECT_EQ(0, state.Finished);
    EXPECT_EQ(0, state.ScriptStep());
}
