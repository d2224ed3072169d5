#include "LMMessageBox.h"
#include "MessageBoxRecorder.h"

#include <gtest/gtest.h>

TEST(LMMessageBox, GoesToTheRecorderAndReturnsItsAnswer)
{
    MessageBoxRecorder recorder(IDNO);
    EXPECT_EQ(IDNO, LMMessageBox(nullptr, L"Text", L"Caption", MB_YESNO | MB_ICONWARNING));
    ASSERT_EQ(1u, recorder.Boxes().size());
    EXPECT_EQ(L"Text", recorder.Boxes()[0].Text);
    EXPECT_EQ(L"Caption", recorder.Boxes()[0].Caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONWARNING), recorder.Boxes()[0].Type);
}
