// The program itself: one panel per session, and how its dialog ends.

#include "PanelProcessFixture.h"

#include <gtest/gtest.h>

TEST_F(PanelProcessTest, ASecondStartLeavesTheFirstPanelWhichCancelEndsWithOne)
{
    EngineProcess first = StartPanel();
    ASSERT_TRUE(first.IsValid());
    HWND dialog = WaitForPanelWindow(first.Id(), kPanelStartMs);
    ASSERT_NE(nullptr, dialog);

    EngineProcess second = StartPanel();
    ASSERT_TRUE(second.IsValid());
    EXPECT_EQ(0u, second.WaitForExit(kPanelExitMs));
    const std::vector<EngineWindowInfo> panels = PanelWindows();
    ASSERT_EQ(1u, panels.size());
    EXPECT_EQ(first.Id(), panels[0].ProcessId);

    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(1u, first.WaitForExit(kPanelExitMs));
    EXPECT_TRUE(PanelWindows().empty());
}
