// Command routing, menu greying, frames per document, status bar.

#include "CDocument.h"
#include "CMDIChildWnd.h"
#include "CMultiDocTemplate.h"
#include "CStatusBar.h"
#include "NoteApp.h"

#include <commctrl.h>

TEST_F(NoteAppTest, CommandsReachTheFirstHandlerAndGreyWhereNoneIs)
{
    StartApp(L"", true);
    ASSERT_EQ(0u, Template().Documents().size());
    const std::vector<UINT> ids = {kIdFileSave, kIdFileSaveAs, kIdEditCut,
                                   kIdEditUndo, kIdFileNew,    kIdShared};
    EXPECT_EQ(app_->MainFrame()->FrameMenu(), GetMenu(MainWindow()));
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 1, 1}), EnabledStates(ids));
    Command(kIdShared);
    EXPECT_EQ(1, app_->SharedCount);

    Command(kIdFileNew);
    ASSERT_EQ(1u, Template().Documents().size());
    EXPECT_EQ(Template().Menu(), GetMenu(MainWindow()));
    EXPECT_EQ((std::vector<int>{1, 1, 0, 0, 1, 1}), EnabledStates(ids));
    Command(kIdShared);
    EXPECT_EQ(1, NoteView::SharedCount) << "the view comes first";
    EXPECT_EQ(1, app_->SharedCount) << "and the application no longer gets it";
}

TEST_F(NoteAppTest, NewWindowGivesASecondFrameAndTheLastFrameClosesTheDocument)
{
    StartApp();
    ASSERT_EQ(1u, Template().Documents().size());
    CDocument* document = Template().Documents().front().get();
    EXPECT_EQ(L"Note1", document->GetTitle());
    EXPECT_EQ(L"Notes - Note1", WindowText(MainWindow()));

    Command(kIdWindowNew);
    std::vector<CMDIChildWnd*> frames = document->Frames();
    ASSERT_EQ(2u, frames.size());
    EXPECT_EQ(2u, app_->MainFrame()->ChildFrameCount());
    EXPECT_EQ(L"Note1:1", WindowText(frames[0]->GetSafeHwnd()));
    EXPECT_EQ(L"Note1:2", WindowText(frames[1]->GetSafeHwnd()));

    SendMessageW(frames[1]->GetSafeHwnd(), WM_CLOSE, 0, 0);
    ASSERT_EQ(1u, Template().Documents().size());
    ASSERT_EQ(1u, document->Frames().size());
    EXPECT_EQ(L"Note1", WindowText(document->Frames()[0]->GetSafeHwnd()));

    SendMessageW(frames[0]->GetSafeHwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, Template().Documents().size());
    EXPECT_EQ(0u, app_->MainFrame()->ChildFrameCount());
    EXPECT_EQ(app_->MainFrame()->FrameMenu(), GetMenu(MainWindow()));
    EXPECT_EQ(L"Notes", WindowText(MainWindow()));

    Command(kIdFileNew);
    ASSERT_EQ(1u, Template().Documents().size());
    EXPECT_EQ(L"Note2", Template().Documents().front()->GetTitle());
}

TEST_F(NoteAppTest, StatusBarSaysReadyAndItsCommandHidesIt)
{
    StartApp();
    HWND bar = GetDlgItem(MainWindow(), kIdStatusBar);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(4, SendMessageW(bar, SB_GETPARTS, 0, 0));
    wchar_t text[64] = {};
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(L"Ready", text);

    RECT before = {};
    GetClientRect(app_->MainFrame()->MDIClient(), &before);
    EXPECT_EQ((std::vector<int>{1}), EnabledStates({kIdViewStatusBar}));
    Command(kIdViewStatusBar);
    EXPECT_EQ(0, GetWindowLongW(bar, GWL_STYLE) & WS_VISIBLE);
    RECT after = {};
    GetClientRect(app_->MainFrame()->MDIClient(), &after);
    EXPECT_GT(after.bottom, before.bottom) << "the MDI client takes the bar's place";

    ScopedMenu popup(CreatePopupMenu());
    AppendMenuW(popup.Get(), MF_STRING | MF_CHECKED, kIdViewStatusBar, L"Status Bar");
    SendMessageW(MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), 0);
    EXPECT_EQ(0u, GetMenuState(popup.Get(), kIdViewStatusBar, MF_BYCOMMAND) & MF_CHECKED);
}
