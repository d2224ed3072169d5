// The engine window's message table, run against a recorded fake world.

#include "CPointer.h"
#include "CTheme.h"
#include "CursorSubstitution.h"
#include "EngineMessages.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"
#include "EngineWindow.h"
#include "FakeWorld.h"
#include "TempFolder.h"
#include "TrackingStep.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The values a message may change.
auto Snapshot()
{
    return std::make_tuple(DrawingHidden, TrailSuppressed, HotKeyOff, Suspended, EngineEnabled,
                           ReapplyActive, EngineStopped, static_cast<HWND>(EngineWindow));
}

class EngineWndProcTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        RegisterEngineMessages();
        EngineWindow = window_;
        world_.Calls.clear();
    }

    LRESULT Send(UINT message, WPARAM wParam) { return EngineWndProc(window_, message, wParam, 0); }
    LRESULT SendEngine(int engineMessage, WPARAM wParam)
    {
        return Send(EngineMessages[engineMessage], wParam);
    }
    bool WentToDefault() const { return world_.Called("DefWindowProcW"); }

    HWND window_ = reinterpret_cast<HWND>(0x1000);
};

TEST_F(EngineWndProcTest, SetVisibleShowsHidesOrLeavesTheDrawing)
{
    struct Case {
        WPARAM Value;
        int Before;
        int After;
    };
    const Case cases[] = {{1, 1, 0}, {0, 0, 1}, {2, 1, 1}, {2, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "wParam " << c.Value << " from " << c.Before);
        world_.Calls.clear();
        DrawingHidden = c.Before;
        EXPECT_EQ(world_.DefaultResult, SendEngine(WM_TRV_SETVISIBLE, c.Value));
        EXPECT_EQ(c.After, DrawingHidden);
        EXPECT_TRUE(WentToDefault());
    }
}

TEST_F(EngineWndProcTest, TrailSuppressesAllowsOrLeavesTheTrail)
{
    struct Case {
        WPARAM Value;
        int Before;
        int After;
    };
    const Case cases[] = {{1, 0, 1}, {0, 1, 0}, {2, 1, 1}, {2, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "wParam " << c.Value << " from " << c.Before);
        world_.Calls.clear();
        TrailSuppressed = c.Before;
        EXPECT_EQ(world_.DefaultResult, SendEngine(WM_TRV_TRAIL, c.Value));
        EXPECT_EQ(c.After, TrailSuppressed);
        EXPECT_TRUE(WentToDefault());
    }
}

TEST_F(EngineWndProcTest, HotKeyTogglesAndIsHandled)
{
    EXPECT_EQ(0, Send(WM_HOTKEY, 0));
    EXPECT_EQ(1, HotKeyOff);
    EXPECT_EQ(0, Send(WM_HOTKEY, 0));
    EXPECT_EQ(0, HotKeyOff);
    EXPECT_FALSE(WentToDefault());
}

TEST_F(EngineWndProcTest, SuspendNoticesDisableTheEngine)
{
    for (WPARAM notice : {PBT_APMQUERYSUSPEND, PBT_APMSUSPEND}) {
        SCOPED_TRACE(testing::Message() << "notice " << notice);
        world_.Calls.clear();
        Suspended = 0;
        EngineEnabled = 1;
        EXPECT_EQ(1, Send(WM_POWERBROADCAST, notice));
        EXPECT_EQ(1, Suspended);
        EXPECT_EQ(0, EngineEnabled) << "DisableEngine ran";
        EXPECT_TRUE(world_.Called("SetWindowTextW 0x1000 Disabled"));
        EXPECT_FALSE(WentToDefault());
    }
}

TEST_F(EngineWndProcTest, ResumeNoticesClearTheSuspension)
{
    for (WPARAM notice : {PBT_APMQUERYSUSPENDFAILED, PBT_APMRESUMESUSPEND}) {
        SCOPED_TRACE(testing::Message() << "notice " << notice);
        world_.Calls.clear();
        Suspended = 1;
        EXPECT_EQ(world_.DefaultResult, Send(WM_POWERBROADCAST, notice));
        EXPECT_EQ(0, Suspended);
        EXPECT_TRUE(WentToDefault());
    }
}

TEST_F(EngineWndProcTest, OtherPowerNoticesChangeNothing)
{
    Suspended = 1;
    EngineEnabled = 1;
    auto before = Snapshot();
    EXPECT_EQ(world_.DefaultResult, Send(WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE));
    EXPECT_EQ(before, Snapshot());
}

TEST_F(EngineWndProcTest, GetSysCurAnswersWithTheSystemCursor)
{
    for (WPARAM slot : {0, 3, 14}) {
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        LRESULT expected = reinterpret_cast<LRESULT>(GetSystemCursor(static_cast<int>(slot)));
        world_.Calls.clear();
        EXPECT_EQ(expected, SendEngine(WM_TRV_GETSYSCUR, slot));
        EXPECT_FALSE(WentToDefault());
    }
}

TEST_F(EngineWndProcTest, MessagesWithoutHandlerChangeNothing)
{
    const UINT messages[] = {kEngineStopRequest,
                             EngineMessages[WM_TRV_SYSTRAYMSG],
                             EngineMessages[WM_TRV_APPLYVALS],
                             WM_WINDOWPOSCHANGING,
                             WM_WTSSESSION_CHANGE,
                             WM_TIMER};
    EngineEnabled = 1;
    DrawingHidden = 1;
    for (UINT message : messages) {
        SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << message);
        world_.Calls.clear();
        auto before = Snapshot();
        EXPECT_EQ(world_.DefaultResult, Send(message, 1));
        EXPECT_EQ(before, Snapshot());
        EXPECT_EQ(std::vector<std::string>{world_.Calls.back()}, world_.CallsOf("DefWindowProcW"));
        EXPECT_EQ(1u, world_.Calls.size()) << "only the default procedure was asked";
    }
}

TEST_F(EngineWndProcTest, AFailedRegistrationNeverMatchesTheNullMessage)
{
    for (UINT& number : EngineMessages)
        number = 0;
    DrawingHidden = 1;
    auto before = Snapshot();
    EXPECT_EQ(world_.DefaultResult, Send(WM_NULL, 1));
    EXPECT_EQ(world_.DefaultResult, Send(WM_NULL, 0));
    EXPECT_EQ(before, Snapshot());
    EXPECT_FALSE(world_.Called("PostQuitMessage"));
}

TEST_F(EngineWndProcTest, ANestedReapplyIsIgnored)
{
    EnginePointer = std::make_unique<CPointer>();
    ReapplyActive = 1;
    EXPECT_EQ(world_.DefaultResult, SendEngine(WM_TRV_REAPPLY, 0));
    EXPECT_FALSE(world_.Called("PostQuitMessage"));
    EXPECT_EQ(1, ReapplyActive);
    EXPECT_NE(nullptr, EnginePointer);
}

TEST_F(EngineWndProcTest, ReapplyWithoutPointerDoesNothing)
{
    EXPECT_EQ(world_.DefaultResult, SendEngine(WM_TRV_REAPPLY, 0));
    EXPECT_FALSE(world_.Called("PostQuitMessage"));
    EXPECT_FALSE(world_.Called("GetCurrentThemePath")) << "no settings are read";
    EXPECT_EQ(0, ReapplyActive);
}

TEST_F(EngineWndProcTest, ReapplyRestartsOnlyWithAReadableTheme)
{
    TempFolder folder;
    std::wstring readable = folder.File(L"current.Trivane");
    ASSERT_TRUE(SaveTestTheme(readable, {{0, 1}}));
    std::wstring unreadable = folder.File(L"broken.Trivane");
    ASSERT_TRUE(WriteBytesToFile(unreadable, "not a theme", 11));
    struct Case {
        std::wstring Path;
        bool Successor;
    };
    for (const Case& c : {Case{readable, true}, Case{unreadable, false}}) {
        SCOPED_TRACE(testing::Message() << "current theme " << Narrow(c.Path));
        ResetEngineValues();
        RegisterEngineMessages();
        EngineWindow = window_;
        EnginePointer = std::make_unique<CPointer>();
        world_.CurrentThemePath = c.Path;
        world_.Calls.clear();
        SendEngine(WM_TRV_REAPPLY, 0);
        EXPECT_EQ(c.Successor, world_.Called("ShellExecuteExW"));
        EXPECT_TRUE(world_.Called("PostQuitMessage 1"));
        EXPECT_EQ(nullptr, EnginePointer);
        EXPECT_EQ(0, ReapplyActive);
    }
}

TEST_F(EngineWndProcTest, CloseEndsTheEngineAsShutdownDoes)
{
    auto run = [&](UINT message) {
        ResetEngineValues();
        RegisterEngineMessages();
        EngineWindow = window_;
        EngineEnabled = 1;
        EnginePointer = std::make_unique<CPointer>();
        world_.Calls.clear();
        LRESULT result = Send(message, 0);
        std::vector<std::string> calls = world_.Calls;
        if (!calls.empty() && calls.back().rfind("DefWindowProcW", 0) == 0)
            calls.pop_back();
        return std::make_pair(result, calls);
    };
    auto shutdown = run(EngineMessages[WM_TRV_SHUTDOWN]);
    auto close = run(WM_CLOSE);
    EXPECT_EQ(shutdown.second, close.second);
    EXPECT_EQ(0, close.first);
    EXPECT_FALSE(WentToDefault()) << "the default procedure would destroy the window";
    EXPECT_TRUE(world_.Called("PostQuitMessage 1"));
    EXPECT_EQ(nullptr, EnginePointer);
}

TEST_F(EngineWndProcTest, RestartAndShutdownEndTheEngine)
{
    struct Case {
        int Message;
        bool Successor;
    };
    for (const Case& c : {Case{WM_TRV_RESTART, true}, Case{WM_TRV_SHUTDOWN, false}}) {
        SCOPED_TRACE(testing::Message() << "message " << Narrow(kEngineMessageNames[c.Message]));
        ResetEngineValues();
        RegisterEngineMessages();
        EngineWindow = window_;
        world_.Calls.clear();
        EXPECT_EQ(world_.DefaultResult, SendEngine(c.Message, 0));
        EXPECT_EQ(c.Successor, world_.Called("ShellExecuteExW"));
        EXPECT_TRUE(world_.Called("PostQuitMessage 1"));
    }
}

TEST_F(EngineWndProcTest, TimerOfTheReinstallClearsItsFlag)
{
    ReinstallPending = 1;
    EXPECT_EQ(world_.DefaultResult, Send(WM_TIMER, 134));
    EXPECT_EQ(0, ReinstallPending);
    EXPECT_TRUE(world_.Called("KillTimer 0x1000 134"));
}

TEST_F(EngineWndProcTest, TheTableDecidesByMessageAndWord)
{
    struct Case {
        UINT Message;
        WPARAM Word;
        EngineAction Expected;
    };
    const Case cases[] = {
        {WM_POWERBROADCAST, 0, EngineAction::PowerSuspend},
        {WM_POWERBROADCAST, 4, EngineAction::PowerSuspend},
        {WM_POWERBROADCAST, 2, EngineAction::PowerResume},
        {WM_POWERBROADCAST, 7, EngineAction::PowerResume},
        {WM_POWERBROADCAST, 1, EngineAction::Default},
        {WM_TIMER, 133, EngineAction::TrailTimer},
        {WM_TIMER, 134, EngineAction::ReinstallTimer},
        {WM_TIMER, 135, EngineAction::Default},
        {WM_HOTKEY, 0, EngineAction::HotKey},
        {WM_CLOSE, 0, EngineAction::Close},
        {EngineMessages[WM_TRV_UPDATE], 0, EngineAction::Update},
        {EngineMessages[WM_TRV_MOUSEMSG], 0x201, EngineAction::MouseMessage},
        {EngineMessages[WM_TRV_SYSTRAYMSG], 0, EngineAction::Default},
        {EngineMessages[WM_TRV_APPLYVALS], 0, EngineAction::Default},
        {kEngineStopRequest, 0, EngineAction::Default},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "message 0x" << std::hex << c.Message << " wParam " << c.Word);
        EXPECT_EQ(static_cast<int>(c.Expected),
                  static_cast<int>(DecideEngineMessage(c.Message, c.Word)));
    }
}

}  // namespace
