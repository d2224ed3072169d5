// Positioning of objects that are realized: their windows move, and a
// windowless child repaints the parent area it leaves and covers.

#include "LMBitmap.h"
#include "LMObjTestSupport.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

const wchar_t kTestWindowClass[] = L"TrivaneLMObjPositionTest";

HWND MakePopup()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kTestWindowClass;
        registered = RegisterClassW(&windowClass) != 0;
    }
    return CreateWindowExW(WS_EX_TOOLWINDOW, kTestWindowClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
        nullptr, GetModuleHandleW(nullptr), nullptr);
}

RECT WindowRectOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// A window object, realized by hand around a window the test owns.
class WindowObject {
public:
    explicit WindowObject(int32_t type)
        : obj(type)
        , window(MakePopup())
    {
        auto* state = new TestState(L"Default", 31, 16);
        state->InsetLeft = 4;
        state->InsetTop = 2;
        state->InsetRight = 6;
        state->InsetBottom = 4;
        state->OffsetX = -5;
        state->OffsetY = 3;
        obj.AddState(state);
        obj.CurrentState = state;
        obj.HAlign = 1;
        obj.VAlign = 2;
        obj.Window = window.Get();
        obj.Realized = 1;
    }
    ~WindowObject()
    {
        obj.Window = nullptr;
        obj.Realized = 0;
    }

    RecordingObj obj;
    ScopedWindow window;
};

// A parent whose frame has insets L4 T2, with a realized 10 x 10 child.
class ParentAndChild : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* frame = new TestState(L"Frame", 200, 200);
        frame->InsetLeft = 4;
        frame->InsetTop = 2;
        parent.AddState(frame);
        parent.CurrentState = frame;
        child.AddState(MakeState(L"Dot"), 1);
        child.SetParent(&parent);
        child.Realized = 1;
        parent.Repaints.clear();
    }
    void TearDown() override { child.SetParent(nullptr); }

    std::vector<RepaintRequest> Move(int x, int y, int flags)
    {
        parent.Repaints.clear();
        child.SetPosition(x, y, flags);
        return parent.Repaints;
    }

    RecordingObj parent;
    RecordingObj child;
};

using Requests = std::vector<RepaintRequest>;

}  // namespace

TEST(LMObjWindowPosition, AWindowGoesToTheBoundsAndShowsOrHides)
{
    WindowObject holder(LMObjPlainWindow);
    ASSERT_NE(nullptr, holder.window.Get());
    EXPECT_EQ(1, holder.obj.SetPosition(190, 90, LMPosMove | LMPosShow));
    EXPECT_EQ((RECT{181, 91, 212, 107}), WindowRectOf(holder.window.Get()));
    EXPECT_TRUE(IsWindowVisible(holder.window.Get()));
    EXPECT_EQ(std::vector<int>{1}, holder.obj.Invalidates);

    holder.obj.Hide();
    EXPECT_FALSE(IsWindowVisible(holder.window.Get()));
    EXPECT_EQ((RECT{181, 91, 212, 107}), WindowRectOf(holder.window.Get()));

    holder.obj.Invalidates.clear();
    holder.obj.SetPosition(0, 0, LMPosRepaint);
    EXPECT_EQ(std::vector<int>{1}, holder.obj.Invalidates) << "0x400 repaints without a change";
}

TEST(LMObjWindowPosition, AMoveIntoADeferBatchHappensWhenTheBatchEnds)
{
    WindowObject holder(LMObjPlainWindow);
    HDWP batch = BeginDeferWindowPos(1);
    ASSERT_NE(nullptr, batch);
    EXPECT_EQ(1, holder.obj.SetPosition(190, 90, LMPosMove, &batch));
    ASSERT_NE(nullptr, batch);
    EXPECT_EQ((RECT{0, 0, 10, 10}), WindowRectOf(holder.window.Get()));
    EXPECT_TRUE(EndDeferWindowPos(batch));
    EXPECT_EQ((RECT{181, 91, 212, 107}), WindowRectOf(holder.window.Get()));
}

TEST(LMObjWindowPosition, ALayeredWindowGetsANewBackBufferAndIsPlacedByItsRepaint)
{
    WindowObject layered(LMObjLayered);
    layered.obj.BackBuffer = std::make_unique<LMBitmap>(1, 1, LMBitmapHasAlpha);
    EXPECT_EQ(1, layered.obj.SetPosition(190, 90, LMPosMove));
    ASSERT_NE(nullptr, layered.obj.BackBuffer);
    EXPECT_EQ(31, layered.obj.BackBuffer->Width);
    EXPECT_EQ(16, layered.obj.BackBuffer->Height);
    EXPECT_EQ(std::vector<int>{1}, layered.obj.Invalidates);
    EXPECT_EQ((RECT{0, 0, 10, 10}), WindowRectOf(layered.window.Get()))
        << "the layered update, not SetWindowPos, moves it";
}

TEST_F(ParentAndChild, ShowingRepaintsTheNewPlace)
{
    EXPECT_EQ((Requests{{24, 32, 10, 10, 1}}), Move(20, 30, LMPosMove | LMPosShow));
}

TEST_F(ParentAndChild, AnOverlappingMoveRepaintsTheUnion)
{
    Move(20, 30, LMPosMove | LMPosShow);
    EXPECT_EQ((Requests{{24, 32, 15, 10, 1}}), Move(25, 30, LMPosMove));
}

TEST_F(ParentAndChild, ADistantMoveRepaintsTheOldPlaceThenTheNew)
{
    Move(25, 30, LMPosMove | LMPosShow);
    EXPECT_EQ(
        (Requests{{29, 32, 10, 10, 1}, {104, 102, 10, 10, 1}}), Move(100, 100, LMPosMove));
    EXPECT_EQ(Requests{}, Move(100, 100, LMPosMove)) << "no change, no repaint";
}

TEST_F(ParentAndChild, HidingRepaintsTheOldPlace)
{
    Move(100, 100, LMPosMove | LMPosShow);
    EXPECT_EQ((Requests{{104, 102, 10, 10, 1}}), Move(0, 0, LMPosHide));
}

TEST_F(ParentAndChild, AnotherThreadRepaintsDeferred)
{
    Requests seen;
    std::thread other([&] { seen = Move(20, 30, LMPosMove | LMPosShow); });
    other.join();
    EXPECT_EQ((Requests{{24, 32, 10, 10, 3}}), seen);
}

TEST_F(ParentAndChild, AnUnrealizedChildRepaintsNothing)
{
    child.Realized = 0;
    EXPECT_EQ(Requests{}, Move(20, 30, LMPosMove | LMPosShow));
    EXPECT_EQ(1, child.Shown);
}
