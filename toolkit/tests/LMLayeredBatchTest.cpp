// A batch gives each layered window one call for everything a step did to
// it, and leaves the window showing what the calls made at once would show.

#include "LMLayeredBatch.h"
#include "LMObjWindowTestSupport.h"
#include "LMProcs.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// What the windows were sent, per window.
struct WindowCalls {
    int Layered = 0;
    int Moves = 0;
    std::vector<uint32_t> Pixels;  // of the last layered update
};
std::map<HWND, WindowCalls> g_calls;
decltype(LMProcs::UpdateLayeredWindow) g_realLayered = nullptr;
decltype(LMProcs::SetWindowPos) g_realMove = nullptr;

std::vector<uint32_t> PixelsOf(HDC dc)
{
    DIBSECTION dib{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(dib), &dib);
    const auto* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
    return bits ? std::vector<uint32_t>(bits, bits + dib.dsBm.bmWidth * dib.dsBm.bmHeight)
                : std::vector<uint32_t>{};
}

BOOL WINAPI CountLayered(HWND window, HDC screen, POINT* at, SIZE* size, HDC source, POINT* from,
                         COLORREF key, BLENDFUNCTION* blend, DWORD flags)
{
    ++g_calls[window].Layered;
    g_calls[window].Pixels = PixelsOf(source);
    return g_realLayered(window, screen, at, size, source, from, key, blend, flags);
}

BOOL WINAPI CountMove(HWND window, HWND after, int x, int y, int width, int height, UINT flags)
{
    if (!(flags & SWP_NOMOVE))
        ++g_calls[window].Moves;
    return g_realMove(window, after, x, y, width, height, flags);
}

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
        g_calls.clear();
        g_realLayered = LMProcs::UpdateLayeredWindow;
        g_realMove = LMProcs::SetWindowPos;
        ASSERT_NE(nullptr, g_realLayered);
        LMProcs::UpdateLayeredWindow = CountLayered;
        LMProcs::SetWindowPos = CountMove;
    }
    void TearDown() override
    {
        LMProcs::UpdateLayeredWindow = g_realLayered;
        LMProcs::SetWindowPos = g_realMove;
        ToolkitWindowTest::TearDown();
    }
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
        g_calls.clear();
        TakeStep(atOnce, step);
        {
            LMLayeredBatch batch;
            TakeStep(batched, step);
            EXPECT_EQ(0, g_calls[batched.Window].Layered + g_calls[batched.Window].Moves)
                << "nothing reaches the window before the batch closes";
        }
        const WindowCalls& made = g_calls[batched.Window];
        EXPECT_EQ(step.Layered, made.Layered);
        EXPECT_EQ(step.Moves, made.Moves);
        EXPECT_EQ(step.LayeredAtOnce, g_calls[atOnce.Window].Layered);
        EXPECT_EQ(step.MovesAtOnce, g_calls[atOnce.Window].Moves);
        EXPECT_EQ(WindowRect(atOnce.Window), WindowRect(batched.Window));
        if (step.Layered) {
            EXPECT_EQ(g_calls[atOnce.Window].Pixels, made.Pixels);
        }
        EXPECT_EQ(PixelsOf(atOnce.BackBuffer->GetDC()), PixelsOf(batched.BackBuffer->GetDC()));
    }
}

TEST_F(LMLayeredBatchTest, NestedBatchesFlushOnceAndAGoneWindowIsSkipped)
{
    LMObj kept(LMObjLayered);
    auto gone = std::make_unique<LMObj>(LMObjLayered);
    Prepare(kept);
    Prepare(*gone);
    g_calls.clear();
    {
        LMLayeredBatch outer;
        {
            LMLayeredBatch inner;
            kept.MoveAligned(310, 210);
            gone->MoveAligned(310, 210);
        }
        EXPECT_EQ(0, g_calls[kept.Window].Moves) << "the inner batch does not flush";
        kept.Update(g_testNow);
        gone.reset();
    }
    EXPECT_EQ(1, g_calls[kept.Window].Layered);
    EXPECT_EQ(0, g_calls[kept.Window].Moves);
    EXPECT_EQ(1u, g_calls.size()) << "only the window that is still there";
}
