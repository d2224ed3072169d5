// The per-tick step: checking the dummy, hiding, following and keeping the
// drawn pointer on top, and the busy flag.

#include "TrackingStep.h"
#include "CTheme.h"
#include "CursorSubstitution.h"
#include "EngineMessages.h"
#include "EngineValues.h"
#include "EngineWindow.h"
#include "LMClock.h"
#include "LMToolkit.h"
#include "TrackingWorld.h"

#include <gtest/gtest.h>

namespace {

using VerifyTest = TrackingFixture;

TEST_F(VerifyTest, TheTwentiethMatchChecksTheHotSpotBeforeAnythingIsDrawn)
{
    struct Case {
        POINT HotSpot;
        bool Draws;
    };
    for (const Case& c : {Case{{19, 23}, true}, Case{{0, 0}, false}}) {
        SCOPED_TRACE(testing::Message() << "hot spot " << c.HotSpot.x << "," << c.HotSpot.y);
        Restart();
        UseTheme({{0, 1}});
        EngineEnabled = 1;
        world_.HotSpot = c.HotSpot;
        ShowDummy(0);
        for (int match = 1; match < 20; ++match) {
            UpdateStep();
            ASSERT_EQ(-1, CurrentSlot) << "match " << match;
            ASSERT_EQ(0, pointer_->Shown) << "match " << match;
        }
        EXPECT_FALSE(world_.Called("GetIconInfo"));
        EXPECT_FALSE(world_.Called("ChangeObjectState"));
        for (int match = 20; match <= 21; ++match) {
            UpdateStep();
            EXPECT_EQ(c.Draws ? 0 : -1, CurrentSlot) << "match " << match;
            EXPECT_EQ(c.Draws ? 1 : 0, pointer_->Shown) << "match " << match;
        }
        EXPECT_EQ(1, world_.Count("GetIconInfo 0x9000"));
        EXPECT_EQ(c.Draws ? 1 : 0, world_.Count("ChangeObjectState 0-1"));
    }
}

TEST_F(VerifyTest, AReinstallerWindowLetsTheMatchCountAndArmsTheReinstall)
{
    struct Case {
        const char* Name;
        DWORD LastInstall;
        int Pending;
        bool Counts;
    };
    const Case cases[] = {
        {"installed 2001 ms ago", 2999, 0, true},
        {"never installed", 0, 0, true},
        {"installed 2000 ms ago", 3000, 0, false},
        {"a re-install pending", 0, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart();
        UseTheme({{0, 1}});
        EngineEnabled = 1;
        world_.Now = 5000;
        world_.WindowsByClass[L"Tessaloom"] = FakeWindow(0x5000);
        LastInstallTime = c.LastInstall;
        ReinstallPending = c.Pending;
        ShowDummy(0);
        UpdateStep();
        EXPECT_EQ(c.Counts ? 0 : -1, CurrentSlot);
        EXPECT_EQ(c.Counts ? 1 : 0, DummyVerified);
        EXPECT_EQ(c.Counts || c.Pending ? 1 : 0, ReinstallPending);
        EXPECT_EQ(c.Counts ? 1 : 0, world_.Count("SetTimer 0x1000 134 1000"));
    }
    Restart();
    UseTheme({{0, 1}});
    EngineEnabled = 1;
    ShowDummy(0);
    UpdateStep();
    EXPECT_EQ(-1, CurrentSlot) << "no reinstaller window";
    EXPECT_FALSE(world_.Called("SetTimer"));
}

class StepTest : public TrackingFixture {
protected:
    void SetUp() override
    {
        TrackingFixture::SetUp();
        UseTheme({{0, 1}, {5, 1}});
    }
};

// Counts the frame timer's ticks through the object it updates.
class TickCounter : public LMObj {
public:
    TickCounter() : LMObj(LMObjWindowless) {}
    int Update(DWORD) override { return ++Ticks; }
    int Ticks = 0;
};

DWORD g_clock = 0;

TEST_F(StepTest, WithoutAVisiblePointerOnlyTheFrameTimerRuns)
{
    LMSetClockSource([] { return g_clock; });
    TickCounter counter;
    LMScheduler->Add(&counter, 0);
    for (int flags : {CURSOR_SHOWING, 0}) {
        SCOPED_TRACE(testing::Message() << "cursor flags " << flags);
        DrawArrow();
        world_.ShownCursor = flags ? nullptr : world_.ShownCursor;
        world_.CursorFlags = static_cast<DWORD>(flags);
        world_.Cursor = POINT{300, 300};
        int ticks = counter.Ticks;
        g_clock += 100;
        UpdateStep();
        EXPECT_EQ(1, PointerHidden);
        EXPECT_EQ(ticks + 1, counter.Ticks);
        EXPECT_TRUE(pointer_->Calls.empty()) << pointer_->Calls.front();
        int shown = world_.IndexOf("GetCursorInfo");
        ASSERT_GE(shown, 0);
        std::vector<std::string> after(world_.Calls.begin() + shown + 1, world_.Calls.end());
        EXPECT_EQ((std::vector<std::string>{"WindowFromPoint 300 300", "GetClassNameW 0x0"}),
                  after);
        EXPECT_EQ(0, TickBusy);
        PointerHidden = 0;
    }
    LMScheduler->Remove(&counter);
    LMSetClockSource(nullptr);
}

TEST_F(StepTest, OverABrowserWindowThePointerKeepsItsStateAndFollows)
{
    const HWND browser = FakeWindow(0x6000);
    world_.Windows[browser] = {L"Internet Explorer_Server", {0, 0, 800, 600}};
    for (bool shownBefore : {true, false}) {
        SCOPED_TRACE(testing::Message() << "shown before " << shownBefore);
        DrawArrow();
        if (!shownBefore)
            pointer_->Hide();
        ClearCalls();
        world_.ShownCursor = nullptr;
        world_.Under = browser;
        world_.Cursor = POINT{110, 210};
        UpdateStep();
        EXPECT_EQ(0, PointerHidden);
        EXPECT_FALSE(world_.Called("ChangeObjectState"));
        EXPECT_STREQ(L"0-1", PointerState());
        EXPECT_EQ(1, pointer_->Shown);
        std::vector<std::string> expected = {"MoveAligned 110 210"};
        if (!shownBefore)
            expected.insert(expected.begin(), "Show");
        EXPECT_EQ(expected, pointer_->Calls);
        world_.Under = nullptr;
        world_.Cursor = POINT{100, 200};
    }
}

TEST_F(StepTest, TheStateChangesOnlyWhenTheEntryDoes)
{
    DrawArrow();
    UpdateStep();
    UpdateStep();
    EXPECT_FALSE(world_.Called("ChangeObjectState")) << "the same entry";
    ShowDummy(5);
    UpdateStep();
    UpdateStep();
    EXPECT_EQ(std::vector<std::string>{"ChangeObjectState 5-1"},
              world_.CallsOf("ChangeObjectState"));
    EXPECT_EQ(Entry(5, 1), LastPointerEntry);
}

TEST_F(StepTest, OnlyAMovedPointerIsMoved)
{
    DrawArrow();
    UpdateStep();
    EXPECT_TRUE(pointer_->Calls.empty()) << pointer_->Calls.front();
    world_.Cursor = POINT{101, 200};
    UpdateStep();
    EXPECT_EQ(std::vector<std::string>{"MoveAligned 101 200"}, pointer_->Calls);
    EXPECT_EQ(101, PlacedPos.x);
}

TEST_F(StepTest, TheWindowIsPutOnTopOnlyWhenSomethingIsAboveOrTopmostWasLost)
{
    struct Case {
        const char* Name;
        bool AboveVisible;
        bool Topmost;
        int Calls;
    };
    const Case cases[] = {
        {"nothing visible above", false, true, 0},
        {"a visible window above", true, true, 1},
        {"topmost lost", false, false, 1},
        {"both", true, false, 2},
    };
    const HWND above = FakeWindow(0x7000);
    const HWND invisible = FakeWindow(0x7001);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DrawArrow();
        world_.Windows[engineWindow_].Above = invisible;
        world_.Windows[invisible] = {L"Hidden", {}, 0, 0, false};
        world_.Windows[invisible].Above = c.AboveVisible ? above : nullptr;
        world_.Windows[above] = {L"Notepad", {0, 0, 100, 100}};
        world_.Windows[engineWindow_].ExStyle = c.Topmost ? WS_EX_TOPMOST : 0;
        UpdateStep();
        std::string repair = "SetWindowPos 0x1000 0xffffffffffffffff 0 0 0 0 " +
                             std::to_string(SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW |
                                            SWP_NOACTIVATE | SWP_NOSENDCHANGING);
        EXPECT_EQ(std::vector<std::string>(c.Calls, repair), world_.CallsOf("SetWindowPos"));
    }
}

TEST_F(StepTest, ANestedStepReturnsAtOnce)
{
    DrawArrow();
    TickBusy = 1;
    UpdateStep();
    EXPECT_FALSE(world_.Called("GetCursorPos"));
    EXPECT_FALSE(world_.Called("GetCursorInfo"));
    EXPECT_EQ(1, TickBusy);
}

TEST_F(StepTest, EveryWayOutClearsTheBusyFlag)
{
    struct Case {
        const char* Name;
        std::function<void()> Prepare;
    };
    const Case cases[] = {
        {"drawn", [&] { ShowDummy(0); }},
        {"hidden pointer", [&] { world_.ShownCursor = nullptr; }},
        {"engine disabled", [&] { EngineEnabled = 0; }},
        {"no slot", [&] { world_.ShownCursor = reinterpret_cast<HCURSOR>(0x1234); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        DrawArrow();
        c.Prepare();
        UpdateStep();
        EXPECT_EQ(0, TickBusy);
    }
}

TEST_F(StepTest, AStepThatThrowsLeavesTheNextTickFree)
{
    RegisterEngineMessages();
    DrawArrow();
    world_.CursorPosThrows = true;
    EXPECT_EQ(0, EngineWndProc(engineWindow_, EngineMessages[WM_TRV_UPDATE], 0, 0));
    EXPECT_EQ(0, TickBusy);
    world_.CursorPosThrows = false;
    ClearCalls();
    EXPECT_EQ(0, EngineWndProc(engineWindow_, EngineMessages[WM_TRV_UPDATE], 0, 0));
    EXPECT_TRUE(world_.Called("GetCursorInfo")) << "the next tick ran";
}

}  // namespace
