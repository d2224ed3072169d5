// When the engine decides to be active: every 30th call, by rules over the
// hot key, the console, power, the window under the pointer, the desktop,
// the screen saver, remote sessions and the pointer's visibility.

#include "ActivityRules.h"
#include "CursorSubstitution.h"
#include "EngineValues.h"
#include "TrackingStep.h"
#include "TrackingWorld.h"

#include <gtest/gtest.h>

namespace {

class ActivityTest : public TrackingFixture {
protected:
    void SetUp() override
    {
        TrackingFixture::SetUp();
        world_.Under = topWindow_;
        world_.Windows[topWindow_] = {L"Notepad", {0, 0, 400, 300}};
    }

    // Runs the rules once, from a fresh count.
    int Decide()
    {
        ActivityCounter = kActivityCheckEvery - 1;
        return ShouldBeActive();
    }

    // A window covering the primary screen, under the pointer through a child.
    void UnderLargeWindow(const std::wstring& className, DWORD exStyle)
    {
        world_.Windows[topWindow_] = {className, {-4, -4, 1284, 1028}, WS_POPUP, exStyle};
        world_.Windows[childWindow_] = {L"Edit", {10, 10, 50, 50}, WS_CHILD};
        world_.Windows[childWindow_].Root = topWindow_;
        world_.Under = childWindow_;
    }

    const HWND topWindow_ = FakeWindow(0x2000);
    const HWND childWindow_ = FakeWindow(0x2001);
};

TEST_F(ActivityTest, OnlyEveryThirtiethCallRunsTheRules)
{
    for (int enabled : {1, 0}) {
        SCOPED_TRACE(testing::Message() << "EngineEnabled " << enabled);
        ActivityCounter = 0;
        EngineEnabled = enabled;
        // The rules would give the opposite answer.
        HotKeyOff = enabled;
        ClearCalls();
        for (int call = 1; call < kActivityCheckEvery; ++call) {
            ASSERT_EQ(enabled, ShouldBeActive()) << "call " << call;
            ASSERT_EQ(call, ActivityCounter);
        }
        EXPECT_TRUE(world_.Calls.empty()) << world_.Calls.front();
        EXPECT_EQ(!enabled, ShouldBeActive()) << "call 30";
        EXPECT_EQ(0, ActivityCounter);
    }
}

TEST_F(ActivityTest, EachRuleAloneMakesTheEngineInactive)
{
    struct Case {
        const char* Name;
        std::function<void()> Break;
    };
    const Case cases[] = {
        {"hot key off", [&] { HotKeyOff = 1; }},
        {"full-screen console", [&] { world_.ConsoleMode = CONSOLE_FULLSCREEN; }},
        {"suspended", [&] { Suspended = 1; }},
        {"full-screen topmost window", [&] { UnderLargeWindow(L"Game", WS_EX_TOPMOST); }},
        {"eHome Render Window", [&] { world_.Windows[topWindow_].Class = L"eHome Render Window"; }},
        {"Flip3D", [&] { world_.Windows[topWindow_].Class = L"Flip3D"; }},
        {"secure desktop", [&] { world_.DesktopOpens = false; }},
        {"screen saver", [&] { world_.ScreenSaverRunning = TRUE; }},
        {"remote session", [&] { world_.RemoteSession = 1; }},
        {"pointer hidden at the last step", [&] { PointerHidden = 1; }},
    };
    EXPECT_EQ(1, Decide()) << "nothing broken";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart();
        c.Break();
        EXPECT_EQ(0, Decide());
    }
}

TEST_F(ActivityTest, TheseWindowsAndConsolesLetTheEngineRun)
{
    struct Case {
        const char* Name;
        std::function<void()> Prepare;
    };
    const Case cases[] = {
        {"the same large window without TOPMOST", [&] { UnderLargeWindow(L"Game", 0); }},
        {"the engine window",
         [&] {
             UnderLargeWindow(L"Pavolt", WS_EX_TOPMOST);
             EngineWindow = topWindow_;
         }},
        {"Progman",
         [&] {
             UnderLargeWindow(L"Progman", WS_EX_TOPMOST);
             world_.WindowsByClass[L"Progman"] = topWindow_;
         }},
        {"no window", [&] { world_.Under = nullptr; }},
        {"a window gone between two questions", [&] { world_.Under = FakeWindow(0x2999); }},
        {"a console mode that cannot be read", [&] { world_.ConsoleModeReads = FALSE; }},
        {"a class name of 120 characters",
         [&] { world_.Windows[topWindow_].Class = L"Flip3D" + std::wstring(114, L'x'); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Restart();
        c.Prepare();
        EXPECT_EQ(1, Decide());
    }
}

TEST_F(ActivityTest, TheStepEnablesOrDisablesTheEngineByTheDecision)
{
    UseTheme({{0, 1}});
    ActivityCounter = kActivityCheckEvery - 1;
    UpdateStep();
    EXPECT_EQ(1, EngineEnabled);
    EXPECT_TRUE(world_.Called("SetWindowTextW 0x1000 "));
    EXPECT_EQ(0, TickBusy);

    HotKeyOff = 1;
    ActivityCounter = kActivityCheckEvery - 1;
    ClearCalls();
    UpdateStep();
    EXPECT_EQ(0, EngineEnabled);
    EXPECT_TRUE(world_.Called("SetWindowTextW 0x1000 Disabled"));
}

}  // namespace
