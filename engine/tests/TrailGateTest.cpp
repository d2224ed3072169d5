// The trail gate of timer 133: twenty steps a second at most, only for a
// moved pointer, and only while the engine draws.

#include "TrailGate.h"
#include "EngineValues.h"
#include "EngineWindow.h"
#include "TrackingWorld.h"

#include <gtest/gtest.h>

namespace {

class TrailGateTest : public TrackingFixture {
protected:
    void SetUp() override
    {
        TrackingFixture::SetUp();
        UseTheme({{0, 1}});
        DrawArrow();
        world_.Cursor = POINT{40, 60};
    }

    TrailGateResult PassAt(DWORD last, DWORD now)
    {
        LastTrailTime = last;
        world_.Now = now;
        return TrailTimerGate();
    }
};

TEST_F(TrailGateTest, TheGateOpensMoreThanFiftyMillisecondsAfterItsLastPass)
{
    EXPECT_EQ(TrailGateResult::Closed, PassAt(1000, 1050));
    EXPECT_EQ(1000u, LastTrailTime);
    EXPECT_FALSE(world_.Called("GetCursorPos"));
    EXPECT_EQ(TrailGateResult::Stepped, PassAt(1000, 1051));
    EXPECT_EQ(1051u, LastTrailTime);
    EXPECT_EQ(40, LastTrailPos.x);
    EXPECT_EQ(60, LastTrailPos.y);
    world_.Cursor = POINT{41, 60};
    EXPECT_EQ(TrailGateResult::Stepped, PassAt(0xFFFFFFF0u, 0x30)) << "across the clock's wrap";
    EXPECT_EQ(0x30u, LastTrailTime);
}

TEST_F(TrailGateTest, AnUnmovedPointerMakesNoTrailStep)
{
    LastTrailPos = POINT{40, 60};
    EXPECT_EQ(TrailGateResult::Unmoved, PassAt(1000, 2000));
    EXPECT_EQ(2000u, LastTrailTime);
}

TEST_F(TrailGateTest, SuppressedDisabledOrHiddenKeepsTheGateClosed)
{
    struct Case {
        const char* Name;
        std::function<void()> Close;
    };
    const Case cases[] = {
        {"trail preview", [] { TrailSuppressed = 1; }},
        {"engine disabled", [] { EngineEnabled = 0; }},
        {"pointer hidden", [&] { pointer_->Hide(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart();
        c.Close();
        ClearCalls();
        EXPECT_EQ(TrailGateResult::Closed, PassAt(1000, 5000));
        EXPECT_EQ(1000u, LastTrailTime);
        EXPECT_FALSE(world_.Called("GetCursorPos"));
    }
}

TEST_F(TrailGateTest, TimerMessage133RunsTheGateAndGoesOnToTheDefault)
{
    LastTrailTime = 1000;
    world_.Now = 3000;
    EXPECT_EQ(world_.DefaultResult, EngineWndProc(engineWindow_, WM_TIMER, kTrailTimerId, 0));
    EXPECT_EQ(3000u, LastTrailTime);
    EXPECT_TRUE(world_.Called("DefWindowProcW"));
}

}  // namespace
