// Trivane.exe under Wine: the window it shows other programs, one engine per
// session, and how it stops, restarts and re-applies.

#include "EngineProcessFixture.h"

#include "TempFolder.h"

namespace {

using StartTest = EngineProcessTest;

TEST_F(StartTest, TheEngineWindowTellsOthersItsState)
{
    EngineProcess engine;
    HWND window = StartRunningEngine(&engine);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(static_cast<LONG_PTR>(WS_POPUP),
              GetWindowLongPtrW(window, GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_CAPTION));
    const LONG_PTR exStyles = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST;
    EXPECT_EQ(exStyles, GetWindowLongPtrW(window, GWL_EXSTYLE) & exStyles);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(L"", WindowTitle(window));
    EXPECT_EQ(0x49474542, GetWindowLongPtrW(window, GWLP_USERDATA));
    EXPECT_EQ(1u, EngineWindows().size());
}

TEST_F(StartTest, ASecondStartLeavesTheFirstAlone)
{
    EngineProcess first;
    HWND window = StartRunningEngine(&first);
    ASSERT_NE(nullptr, window);
    EngineProcess second = StartEngineProgram();
    EXPECT_EQ(0u, second.WaitForExit(kEngineExitMs));
    EXPECT_EQ(STILL_ACTIVE, first.WaitForExit(0));
    ASSERT_EQ(1u, EngineWindows().size());
    EXPECT_EQ(window, EngineWindows()[0].Window);
}

TEST_F(StartTest, NoEngineStartsWhenItCannotShowATheme)
{
    struct Case {
        const char* Name;
        std::function<void()> Prepare;
    };
    const Case cases[] = {
        {"Disabled", [&] { SetSetting(L"Disabled", 1); }},
        {"no current theme", [&] { DeleteCurrentTheme(); }},
        {"a current theme that peeks but does not load",
         [&] {
             // A header that passes the peek over a body that is not there.
             std::string header(184, '\0');
             const uint32_t fields[][2] = {{0, 1}, {4, 184}, {8, 1000}, {12, 2002}, {120, 50}};
             for (const auto& field : fields)
                 memcpy(&header[field[0]], &field[1], 4);
             ASSERT_TRUE(WriteBytesToFile(currentPath_, header.data(), header.size()));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetSetting(L"Disabled", 0);
        WriteCurrentTheme();
        c.Prepare();
        EngineProcess engine = StartEngineProgram();
        EXPECT_EQ(0u, engine.WaitForExit(kEngineExitMs));
        EXPECT_TRUE(EngineWindows().empty());
    }
}

using LifecycleTest = EngineProcessTest;

TEST_F(LifecycleTest, ShutdownEndsWithOneAndNoSuccessor)
{
    EngineProcess engine;
    HWND window = StartRunningEngine(&engine);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_SHUTDOWN"));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
    EXPECT_TRUE(EngineProcessIds().empty());
    EXPECT_TRUE(EngineWindows().empty());
}

TEST_F(LifecycleTest, CloseEndsTheEngineAsShutdownDoes)
{
    EngineProcess engine;
    HWND window = StartRunningEngine(&engine);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
    EXPECT_TRUE(EngineProcessIds().empty());
}

TEST_F(LifecycleTest, RestartLeavesExactlyOneNewEngine)
{
    EngineProcess engine;
    HWND window = StartRunningEngine(&engine);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_RESTART"));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
    EngineWindowInfo successor = WaitForSuccessor(engine.Id(), kEngineStartMs);
    ASSERT_NE(nullptr, successor.Window);
    EXPECT_NE(engine.Id(), successor.ProcessId);
    EXPECT_EQ(1u, EngineWindows().size());
    EXPECT_EQ(0x49474542, GetWindowLongPtrW(successor.Window, GWLP_USERDATA));
}

TEST_F(LifecycleTest, ReapplyRestartsWithAReadableTheme)
{
    EngineProcess engine;
    HWND window = StartRunningEngine(&engine);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_REAPPLY"));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
    EngineWindowInfo successor = WaitForSuccessor(engine.Id(), kEngineStartMs);
    ASSERT_NE(nullptr, successor.Window);
    EXPECT_EQ(1u, EngineWindows().size());
}

TEST_F(LifecycleTest, ReapplyWithoutCurrentThemeOnlyStops)
{
    EngineProcess engine;
    HWND window = StartRunningEngine(&engine);
    ASSERT_NE(nullptr, window);
    DeleteCurrentTheme();
    ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_REAPPLY"));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
    // A successor would have been started before the old engine ended.
    EXPECT_TRUE(EngineProcessIds().empty());
    EXPECT_TRUE(EngineWindows().empty());
}

}  // namespace
