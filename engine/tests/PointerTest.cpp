// The pointer object with real themes and a real engine window.

#include "CPointer.h"
#include "CTheme.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

class PointerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetEngineState();
        EngineInstance = GetModuleHandleW(nullptr);
        path_ = folder_.File(L"CurrentTheme.Trivane");
    }
    void TearDown() override { ResetEngineState(); }

    LMVisualState* State(const wchar_t* name) { return LMAsVisualState(pointer_->FindState(name)); }

    TempFolder folder_;
    std::wstring path_;
    std::unique_ptr<CPointer> pointer_ = std::make_unique<CPointer>();
};

TEST_F(PointerTest, ANewPointerShowsBlank)
{
    ASSERT_EQ(1, pointer_->StateCount());
    EXPECT_EQ(L"blank", pointer_->States[0]->Name);
    EXPECT_EQ(LMObjLayered, pointer_->TypeWord);
    EXPECT_EQ(1, pointer_->StatesNotOwned);
    EXPECT_EQ(8, pointer_->Layer);
}

TEST_F(PointerTest, NoCurrentFileGivesNoThemeAndNoWindow)
{
    EXPECT_EQ(0, pointer_->LoadThemeFrom(path_.c_str()));
    EXPECT_EQ(nullptr, CurrentTheme);
    EXPECT_EQ(nullptr, pointer_->Window);
    EXPECT_EQ(nullptr, static_cast<HWND>(EngineWindow));
    EXPECT_EQ(0, pointer_->StateCount());
    EXPECT_EQ(0, pointer_->Realized);
}

TEST_F(PointerTest, AFileThatDoesNotLoadGivesNoThemeAndNoWindow)
{
    ASSERT_TRUE(WriteBytesToFile(path_, "not a theme", 11));
    EXPECT_EQ(0, pointer_->LoadThemeFrom(path_.c_str()));
    EXPECT_EQ(nullptr, CurrentTheme);
    EXPECT_EQ(nullptr, pointer_->Window);
}

TEST_F(PointerTest, CursorsFollowBlankInFileOrder)
{
    ASSERT_TRUE(SaveTestTheme(path_, {{3, 1}, {0, 2}}));
    EXPECT_EQ(1, pointer_->LoadThemeFrom(path_.c_str()));
    ASSERT_NE(nullptr, CurrentTheme);
    std::vector<std::wstring> names;
    for (LMState* state : pointer_->States)
        names.push_back(state->Name);
    EXPECT_EQ((std::vector<std::wstring>{L"blank", L"3-1", L"0-2"}), names);
    EXPECT_EQ(1, pointer_->Realized);
    ASSERT_NE(nullptr, pointer_->CurrentState);
    EXPECT_EQ(L"blank", pointer_->CurrentState->Name);
    EXPECT_NE(nullptr, pointer_->Window);
    EXPECT_EQ(pointer_->Window, static_cast<HWND>(EngineWindow));
}

TEST_F(PointerTest, TheDefaultShadowGrowsACursorRightAndDown)
{
    ASSERT_TRUE(SaveTestTheme(path_, {{0, 1}}));
    ASSERT_EQ(1, pointer_->LoadThemeFrom(path_.c_str()));
    LMVisualState* state = State(L"0-1");
    ASSERT_NE(nullptr, state);
    EXPECT_EQ(44, state->FrameWidth);
    EXPECT_EQ(44, state->FrameHeight);
    EXPECT_EQ(0, state->InsetLeft);
    EXPECT_EQ(0, state->InsetTop);
    EXPECT_EQ(12, state->InsetRight);
    EXPECT_EQ(12, state->InsetBottom);
}

TEST_F(PointerTest, OnlyTheFirstNormalAndLeftPressedCursorsGetAShadow)
{
    // The second 0-1 is never found by role and state, so it keeps its size.
    ASSERT_TRUE(SaveTestTheme(path_, {{0, 1}, {0, 2}, {0, 4}, {0, 6}, {0, 1}}));
    ASSERT_EQ(1, pointer_->LoadThemeFrom(path_.c_str()));
    const int expected[] = {44, 44, 32, 32, 32};
    for (int i = 0; i < 5; ++i) {
        CThemeCursor* cursor = CurrentTheme->GetCursorAt(i);
        SCOPED_TRACE(testing::Message() << "cursor " << i << " state " << cursor->State);
        ASSERT_NE(nullptr, cursor->Animation);
        EXPECT_EQ(expected[i], cursor->Animation->FrameWidth);
    }
}

TEST_F(PointerTest, DisableShadowLeavesEveryCursorAsItIs)
{
    ShadowSettings.DisableShadow = 1;
    ASSERT_TRUE(SaveTestTheme(path_, {{0, 1}, {0, 2}}));
    ASSERT_EQ(1, pointer_->LoadThemeFrom(path_.c_str()));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(testing::Message() << "cursor " << i);
        EXPECT_EQ(32, CurrentTheme->GetCursorAt(i)->Animation->FrameWidth);
        EXPECT_EQ(0, CurrentTheme->GetCursorAt(i)->Animation->InsetRight);
    }
}

TEST_F(PointerTest, TheEngineWindowIsAHiddenClickThroughPopup)
{
    ASSERT_TRUE(SaveTestTheme(path_, {{0, 1}}));
    ASSERT_EQ(1, pointer_->LoadThemeFrom(path_.c_str()));
    HWND window = EngineWindow;
    ASSERT_NE(nullptr, window);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    EXPECT_STREQ(L"Pavolt", className);
    EXPECT_EQ(static_cast<LONG_PTR>(WS_POPUP),
              GetWindowLongPtrW(window, GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_CAPTION));
    const LONG_PTR exStyles = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST;
    EXPECT_EQ(exStyles, GetWindowLongPtrW(window, GWL_EXSTYLE) & exStyles);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(0, GetWindowTextLengthW(window));
    EXPECT_EQ(EngineActiveMark, GetWindowLongPtrW(window, GWLP_USERDATA));
}

TEST_F(PointerTest, ReloadingReplacesTheStatesAndDeletingTheObjectTheWindow)
{
    ASSERT_TRUE(SaveTestTheme(path_, {{0, 1}}));
    ASSERT_EQ(1, pointer_->LoadThemeFrom(path_.c_str()));
    ASSERT_TRUE(SaveTestTheme(path_, {{5, 1}, {6, 1}}));
    ASSERT_EQ(1, pointer_->LoadThemeFrom(path_.c_str()));
    EXPECT_EQ(3, pointer_->StateCount());
    EXPECT_EQ(nullptr, pointer_->FindState(L"0-1"));
    HWND window = pointer_->Window;
    pointer_.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, static_cast<HWND>(EngineWindow));
}

}  // namespace
