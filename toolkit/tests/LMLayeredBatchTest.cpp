// A batch gives each layered window one call for everything a step did to
// it, and leaves the window showing what the calls made at once would show.

#include "LMLayeredBatch.h"
#include "LMObjWindowTestSupport.h"
#include "WindowCallCounter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A two-frame looping state whose frames differ; "b" is larger than "a".
LMBitmapState* Strip(const wchar_t* name, int side, uint8_t shade)
{
    auto bitmap = MakeBitmap(2 * side, side, LMBitmapHasAlpha);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < 2 * side; ++x)
            *bitmap->PixelAt(x, y) = Bgra(shade, static_cast<uint8_t>(x), 0, x < side ? 255 : 128);
    }
    auto* state = new LMBitmapState(name, bitmap.release());
    state->SetFrames(2, 10, LMFrameInterruptible | LMFrameLoop);
    state->OffsetX = -3;
    state->OffsetY = -5;
    return state;
}

class LMLayeredBatchTest : public ToolkitWindowTest {
protected:
    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        ASSERT_TRUE(counter_.Bound());
    }

    WindowCallCounter counter_;
    std::map<HWND, WindowCalls>& calls_ = WindowCallCounter::Calls;
};

struct Step {
    const char* Name;
    bool Switch, Move, Frame;
    int Layered, Moves;  // in a batch
    int LayeredAtOnce, MovesAtOnce;
};

void Prepare(LMObj& obj)
{
    obj.AddState(Strip(L"a", 20, 40));
    obj.AddState(Strip(L"b", 30, 90));
    obj.MoveAligned(300, 200);
    obj.Realize();
    obj.Show();
    obj.ChangeState(L"a");
}

void TakeStep(LMObj& obj, const Step& step)
{
    if (step.Switch)
        obj.ChangeState(L"b");
    if (step.Move)
        obj.MoveAligned(307, 203);
    if (step.Frame)
        obj.Update(g_testNow);
}

}  // namespace

TEST_F(LMLayeredBatchTest, EachWindowGetsOneCallAndShowsWhatSeparateCallsShow)
{
    const Step steps[] = {
        {"still", false, false, false, 0, 0, 0, 0},
        {"move only", false, true, false, 0, 1, 0, 1},
        {"frame only", false, false, true, 1, 0, 1, 0},
        {"move and frame", false, true, true, 1, 0, 1, 1},
        {"switch, move and frame", true, true, true, 1, 0, 2, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Name);
        LMObj atOnce(LMObjLayered);
        LMObj batched(LMObjLayered);
        Prepare(atOnce);
        Prepare(batched);
        calls_.clear();
        TakeStep(atOnce, step);
        {
            LMLayeredBatch batch;
            TakeStep(batched, step);
            EXPECT_EQ(0, calls_[batched.Window].Layered + calls_[batched.Window].Moves)
                << "nothing reaches the window before the batch closes";
        }
        const WindowCalls& made = calls_[batched.Window];
        EXPECT_EQ(step.Layered, made.Layered);
        EXPECT_EQ(step.Moves, made.Moves);
        EXPECT_EQ(step.LayeredAtOnce, calls_[atOnce.Window].Layered);
        EXPECT_EQ(step.MovesAtOnce, calls_[atOnce.Window].Moves);
        EXPECT_EQ(WindowRect(atOnce.Window), WindowRect(batched.Window));
        if (step.Layered) {
            EXPECT_EQ(calls_[atOnce.Window].Pixels, made.Pixels);
        }
        EXPECT_EQ(SelectedPixels(atOnce.BackBuffer->GetDC()),
                  SelectedPixels(batched.BackBuffer->GetDC()));
    }
}

TEST_F(LMLayeredBatchTest, NestedBatchesFlushOnceAndAGoneWindowIsSkipped)
{
    LMObj kept(LMObjLayered);
    auto gone = std::make_unique<LMObj>(LMObjLayered);
    Prepare(kept);
    Prepare(*gone);
    calls_.clear();
    {
        LMLayeredBatch outer;
        {
            LMLayeredBatch inner;
            kept.MoveAligned(310, 210);
            gone->MoveAligned(310, 210);
        }
        EXPECT_EQ(0, calls_[kept.Window].Moves) << "the inner batch does not flush";
        kept.Update(g_testNow);
        gone.reset();
    }
    EXPECT_EQ(1, calls_[kept.Window].Layered);
    EXPECT_EQ(0, calls_[kept.Window].Moves);
    EXPECT_EQ(1u, calls_.size()) << "only the window that is still there";
}

TEST_F(LMLayeredBatchTest, AWindowShownInABatchAppearsOnlyWithItsNewPictureAndPlace)
{
    LMObj atOnce(LMObjLayered);
    LMObj batched(LMObjLayered);
    auto reappear = [](LMObj& obj) {
        obj.ChangeState(L"b");
        obj.Show();
        obj.MoveAligned(307, 203);
    };
    for (LMObj* obj : {&atOnce, &batched}) {
        Prepare(*obj);
        obj->Hide();
    }
    calls_.clear();
    reappear(atOnce);
    {
        LMLayeredBatch batch;
        reappear(batched);
        EXPECT_FALSE(IsWindowVisible(batched.Window)) << "not with the picture it had when hidden";
    }
    const WindowCalls& made = calls_[batched.Window];
    EXPECT_TRUE(IsWindowVisible(batched.Window));
    EXPECT_EQ(1, made.Layered);
    EXPECT_EQ(1, made.LayeredWhenShown) << "shown after its new picture";
    EXPECT_EQ(WindowRect(atOnce.Window), WindowRect(batched.Window));
    EXPECT_EQ(calls_[atOnce.Window].Pixels, made.Pixels);
}
