// Frame animation without a script, frame flags and the visual state fields.

#include "LMBlankState.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

// The display indexes of a pass: the first frame and one per Advance until it
// ends (or `limit` frames).
std::vector<int> Frames(int count, int flags, bool pending = false, size_t limit = 20)
{
    LMBlankState state(L"Default");
    EXPECT_EQ(1, state.SetFrames(count, 50, flags));
    std::vector<int> shown { state.GetFrameIndex() };
    while (shown.size() < limit) {
        int result = state.Advance(pending, 0);
        if (result == LMAdvanceEnded)
            break;
        EXPECT_EQ(LMAdvanceNewFrame, result);
        shown.push_back(state.GetFrameIndex());
    }
    return shown;
}

} // namespace

TEST(LMVisualState, StartsWithItsInitialValues)
{
    LMBlankState state(L"Over");
    EXPECT_EQ(L"Over", state.Name);
    EXPECT_EQ(1, state.Visual);
    EXPECT_EQ(0, state.HitMode);
    EXPECT_EQ(0, state.FrameWidth);
    EXPECT_EQ(0, state.Animated);
    EXPECT_EQ(0, state.FrameCount);
    EXPECT_EQ(50, state.FrameInterval);
    EXPECT_EQ(255, state.RampStart);
    EXPECT_EQ(-1, state.RampEnd);
    EXPECT_EQ(LMStateKindBlank, state.Kind);
    EXPECT_TRUE(state.ScriptSteps.empty());
    EXPECT_EQ(200, state.ScriptDelay);
    EXPECT_EQ(0u, state.LastTick);
}

TEST(LMVisualStateAdvance, PassesWithDirectionFlags)
{
    struct Case {
        int count;
        int flags;
        bool pending;
        std::vector<int> shown;
    };
    const Case cases[] = {
        { 4, 0, false, { 0, 1, 2, 3 } },
        { 4, LMFrameReverse, false, { 3, 2, 1, 0 } },
        { 3, LMFrameReverse | LMFramePingPong, false, { 2, 1, 0, 0, 1, 2 } },
        { 4, LMFramePingPong, false, { 0, 1, 2, 3, 3, 2, 1, 0 } },
        { 4, LMFramePingPong | LMFrameLoop, false, { 0, 1, 2, 3, 3, 2, 1, 0, 0, 1 } },
        { 5, LMFrameReverse | LMFrameLoop, false, { 4, 3, 2, 1, 0, 4, 3, 2, 1, 0 } },
        { 5, LMFrameReverse | LMFrameLoop, true, { 4, 3, 2, 1, 0 } },
        { 4, LMFrameLoop | LMFrameInterruptible, true, { 0, 1, 2, 3 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
            << c.count << " frames, flags " << c.flags << ", pending " << c.pending);
        // A pass that ends must not show one frame more.
        bool ends = c.pending || !(c.flags & LMFrameLoop);
        EXPECT_EQ(c.shown, Frames(c.count, c.flags, c.pending, c.shown.size() + (ends ? 1 : 0)));
    }
}

TEST(LMVisualStateAdvance, CurrentPastTheEndComesBack)
{
    LMBlankState state(L"Default");
    state.SetFrames(4, 50, 0);
    state.CurrentFrame = 7;
    EXPECT_EQ(LMAdvanceNewFrame, state.Advance(false, 0));
    EXPECT_EQ(3, state.CurrentFrame);
}

TEST(LMVisualStateAdvance, NotAnimatedEndsAtOnce)
{
    LMBlankState state(L"Default");
    EXPECT_EQ(LMAdvanceEnded, state.Advance(false, 0));
    ParseFrameScript(L"1;2", &state.ScriptSteps);
    EXPECT_EQ(LMAdvanceEnded, state.Advance(false, 1000));
}

TEST(LMVisualStateSetFrames, StaticBelowTwoFrames)
{
    LMBlankState state(L"Default");
    EXPECT_EQ(1, state.SetFrames(3, 40, LMFrameLoop));
    EXPECT_EQ(1, state.Animated);
    const int counts[] = { 1, 0, -5 };
    for (int count : counts) {
        SCOPED_TRACE(count);
        EXPECT_EQ(0, state.SetFrames(count, 70, LMFrameReverse));
        EXPECT_EQ(1, state.FrameCount);
        EXPECT_EQ(0, state.Animated);
        EXPECT_EQ(40, state.FrameInterval);
        EXPECT_EQ(LMFrameLoop, state.FrameFlags);
        EXPECT_EQ(0, state.GetFrameIndex());
    }
}

TEST(LMVisualStateSetFrames, ManualKeepsAnimatedAndShowsTheStoredFrame)
{
    LMBlankState state(L"Default");
    EXPECT_EQ(1, state.SetFrames(5, 40, LMFrameManual | LMFrameReverse));
    EXPECT_EQ(0, state.Animated);
    state.CurrentFrame = 1;
    EXPECT_EQ(1, state.GetFrameIndex());
    state.Animated = 1;
    EXPECT_EQ(1, state.SetFrames(5, 40, LMFrameManual));
    EXPECT_EQ(1, state.Animated);
}

TEST(LMVisualStateSetFrames, ReverseDependsOnThePhase)
{
    LMBlankState state(L"Default");
    state.SetFrames(5, 40, LMFrameReverse);
    state.CurrentFrame = 1;
    EXPECT_EQ(3, state.GetFrameIndex());
    state.PingPongPhase = 1;
    EXPECT_EQ(1, state.GetFrameIndex());
    state.SetFrames(5, 40, 0);
    EXPECT_EQ(3, state.GetFrameIndex());
}

TEST(LMVisualStateSetFrames, ReverseWithCurrentPastTheCountIsOutOfRange)
{
    LMBlankState state(L"Default");
    state.SetFrames(4, 40, LMFrameReverse);
    state.CurrentFrame = 6;
    EXPECT_EQ(-3, state.GetFrameIndex());
    EXPECT_FALSE(state.FrameIndexInRange());
    state.CurrentFrame = 3;
    EXPECT_TRUE(state.FrameIndexInRange());
}

TEST(LMVisualState, SetSizeTakesOnlyPositiveValues)
{
    LMBlankState state(L"Default");
    EXPECT_EQ(1, state.SetSize(10, 20));
    EXPECT_EQ(1, state.SetSize(0, -4));
    EXPECT_EQ(10, state.FrameWidth);
    EXPECT_EQ(20, state.FrameHeight);
    EXPECT_EQ(1, state.SetSize(-1, 7));
    EXPECT_EQ(10, state.FrameWidth);
    EXPECT_EQ(7, state.FrameHeight);
    EXPECT_EQ(1, state.SetHitMode(LMHitInnerRect));
    EXPECT_EQ(LMHitInnerRect, state.HitMode);
}

TEST(LMBlankState, HitsOnlyInWholeFrameModeAndDrawsNothing)
{
    LMBlankState state(L"blank");
    const int modes[] = { 0, LMHitWholeFrame, LMHitNever, LMHitInnerRect, 7 };
    for (int mode : modes) {
        SCOPED_TRACE(mode);
        state.SetHitMode(mode);
        EXPECT_EQ(mode == LMHitWholeFrame ? 1 : 0, state.HitTest(0, 0));
    }
    EXPECT_EQ(1, state.Draw(nullptr, 0, 0, 0, 0, 10, 10));
}
