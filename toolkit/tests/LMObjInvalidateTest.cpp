// Repaints per window type, at once or posted as the deferred redraw 0x431,
// and the rectangles that travel with it.

#include "LMObjWindowTestSupport.h"
#include "LMPaintBuffer.h"
#include "ScopedWin.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace {

const uint32_t kRed = Bgra(0, 0, 255, 255);
const uint32_t kMarker = 0x11223344;

using Redraws = std::vector<PendingRedraw>;

class LMObjInvalidate : public ToolkitWindowTest {
protected:
    // A shown, realized window object at (300, 200) with a 40 x 30 state.
    void MakeWindow(InputObj& obj, LMVisualState* state)
    {
        obj.AddState(state);
        obj.MoveTo(300, 200);
        obj.Realize();
        obj.Show();
        UpdateWindow(obj.Window);
        DispatchRedraws(obj.Window);
        obj.Invalidates.clear();
        obj.Repaints.clear();
    }
    void FillBackBuffer(InputObj& obj, uint32_t value)
    {
        LMBitmap& buffer = *obj.BackBuffer;
        for (int y = 0; y < buffer.Height; ++y) {
            for (int x = 0; x < buffer.Width; ++x)
                *buffer.PixelAt(x, y) = value;
        }
    }
};

}  // namespace

TEST_F(LMObjInvalidate, ARectangleOutsideTheFrameDoesNothing)
{
    InputObj layered(LMObjLayered);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    EXPECT_EQ(0, layered.InvalidateRect(40, 0, 10, 10, LMRepaintDeferred));
    EXPECT_EQ(0, layered.InvalidateRect(-10, -10, 10, 10, LMRepaintDeferred));
    EXPECT_EQ(0, layered.InvalidateRect(5, 5, 0, 10, LMRepaintDeferred));
    EXPECT_EQ(0, layered.InvalidateRect(INT32_MAX - 1, 0, INT32_MAX, 10, LMRepaintDeferred));
    EXPECT_TRUE(PeekRedraws(layered.Window).empty());
    EXPECT_EQ(0u, LiveRectsAdded());
}

TEST_F(LMObjInvalidate, HiddenOrUnrealizedObjectsDoNotRepaint)
{
    InputObj layered(LMObjLayered);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    layered.Hide();
    EXPECT_EQ(0, layered.InvalidateRect(0, 0, 10, 10, LMRepaintDeferred));
    InputObj loose;
    loose.AddState(SolidState(L"Default", 5, 5, kRed), 1);
    EXPECT_EQ(0, loose.Invalidate(LMRepaintNow));
    EXPECT_EQ(0, loose.InvalidateRect(0, 0, 5, 5, LMRepaintNow));
}

TEST_F(LMObjInvalidate, ADeferredLayeredRepaintPostsTheClipAndRedrawsOnlyIt)
{
    InputObj layered(LMObjLayered);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    EXPECT_EQ(1, layered.InvalidateRect(35, 25, 10, 10, LMRepaintDeferred));
    EXPECT_EQ((Redraws{{RECT{35, 25, 5, 5}, true, LMRedrawFrameRect}}),
              PeekRedraws(layered.Window));
    EXPECT_EQ(1u, LiveRectsAdded());

    FillBackBuffer(layered, kMarker);
    layered.AnchorX = 500;
    layered.AnchorY = 450;
    layered.Repaints.clear();
    EXPECT_EQ(1, DispatchRedraws(layered.Window));
    EXPECT_EQ((std::vector<RepaintRequest>{{35, 25, 5, 5, LMRepaintNow}}), layered.Repaints)
        << "the receiver hands the rectangle back unchanged";
    LMBitmap& buffer = *layered.BackBuffer;
    EXPECT_EQ(kRed, *buffer.PixelAt(35, 25));
    EXPECT_EQ(kRed, *buffer.PixelAt(39, 29));
    EXPECT_EQ(kMarker, *buffer.PixelAt(34, 29));
    EXPECT_EQ(kMarker, *buffer.PixelAt(39, 24));
    EXPECT_EQ((RECT{500, 450, 540, 480}), WindowRect(layered.Window))
        << "the layered update places the window at the bounds";
    EXPECT_EQ(0u, LiveRectsAdded());
}

TEST_F(LMObjInvalidate, ALayeredRepaintNowRedrawsTheClipIntoTheBackBuffer)
{
    InputObj layered(LMObjLayered);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    FillBackBuffer(layered, kMarker);
    EXPECT_EQ(1, layered.InvalidateRect(2, 3, 4, 5, LMRepaintNow));
    EXPECT_EQ(kRed, *layered.BackBuffer->PixelAt(2, 3));
    EXPECT_EQ(kRed, *layered.BackBuffer->PixelAt(5, 7));
    EXPECT_EQ(kMarker, *layered.BackBuffer->PixelAt(6, 7));
    EXPECT_TRUE(PeekRedraws(layered.Window).empty());
}

TEST_F(LMObjInvalidate, ABackBufferSmallerThanTheFrameIsClippedNotOverrun)
{
    InputObj layered(LMObjLayered);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    layered.BackBuffer = std::make_unique<LMBitmap>(10, 10, LMBitmapHasAlpha);
    EXPECT_EQ(1, layered.InvalidateRect(0, 0, 40, 30, LMRepaintNow));
    EXPECT_EQ(kRed, *layered.BackBuffer->PixelAt(9, 9));
}

TEST_F(LMObjInvalidate, APlainHolderPostsItsClientRectangle)
{
    InputObj holder(LMObjPlainWindow);
    MakeWindow(holder, HitState(L"Default", 40, 30, LMHitNever));
    holder.ClientOffsetX = 4;
    holder.ClientOffsetY = 6;
    EXPECT_EQ(1, holder.InvalidateRect(10, 10, 50, 50, LMRepaintDeferred));
    EXPECT_EQ((Redraws{{RECT{6, 4, 40, 30}, true, LMRedrawClientRect}}),
              PeekRedraws(holder.Window));
    holder.DrawViaBuffer.clear();
    EXPECT_EQ(1, DispatchRedraws(holder.Window));
    ASSERT_FALSE(holder.DrawViaBuffer.empty());
    EXPECT_EQ(1, holder.DrawViaBuffer[0]) << "through the paint buffer";
    EXPECT_EQ(0, holder.PaintViaBuffer);
    EXPECT_EQ(0u, LiveRectsAdded());

    holder.Repaints.clear();
    EXPECT_EQ(1, holder.Invalidate(LMRepaintDeferred));
    EXPECT_EQ((std::vector<RepaintRequest>{{4, 6, 40, 30, LMRepaintDeferred}}), holder.Repaints);
    EXPECT_EQ((Redraws{{RECT{0, 0, 40, 30}, true, LMRedrawClientRect}}),
              PeekRedraws(holder.Window));
    DispatchRedraws(holder.Window);
}

TEST_F(LMObjInvalidate, APlainHolderPaintsAtOnceThroughThePaintBuffer)
{
    InputObj holder(LMObjPlainWindow);
    MakeWindow(holder, HitState(L"Default", 40, 30, LMHitNever));
    holder.DrawViaBuffer.clear();
    EXPECT_EQ(1, holder.InvalidateRect(0, 0, 40, 30, LMRepaintNow));
    EXPECT_EQ(std::vector<int>{1}, holder.DrawViaBuffer);
    EXPECT_EQ(0, holder.PaintViaBuffer) << "set only during the paint";
    EXPECT_TRUE(PeekRedraws(holder.Window).empty());
}

TEST_F(LMObjInvalidate, ARegionShapedWindowTakesTheShapeOfItsOpaquePixels)
{
    InputObj shaped(LMObjRegionShaped);
    auto bitmap = MakeBitmap(4, 2, LMBitmapHasAlpha, {kRed, kRed, 0, kRed, 0, kRed, 0, 0});
    auto* state = new LMBitmapState(L"Default", bitmap.release());
    EXPECT_EQ(0, shaped.RegionShaped);
    MakeWindow(shaped, state);
    EXPECT_EQ(1, shaped.RegionShaped);
    ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, GetWindowRgn(shaped.Window, region.Get()));
    const bool opaque[2][4] = {{true, true, false, true}, {false, true, false, false}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            EXPECT_EQ(opaque[y][x], PtInRegion(region.Get(), x, y) != 0);
        }
    }
    EXPECT_EQ(1, state->Bitmap->NoBlend) << "drawn without blending from now on";

    EXPECT_EQ(1, shaped.Invalidate(LMRepaintDeferred));
    EXPECT_EQ((Redraws{{RECT{}, false, LMRedrawWhole}}), PeekRedraws(shaped.Window));
    EXPECT_EQ(1, DispatchRedraws(shaped.Window));
    EXPECT_EQ(1, shaped.InvalidateRect(1, 0, 2, 2, LMRepaintDeferred));
    EXPECT_EQ((Redraws{{RECT{1, 0, 3, 2}, true, LMRedrawClientRect}}), PeekRedraws(shaped.Window));
    DispatchRedraws(shaped.Window);
    EXPECT_EQ(0u, LiveRectsAdded());
}

TEST_F(LMObjInvalidate, BeforeItsFirstRegionAShapedWindowShapesOnAnyRepaint)
{
    InputObj shaped(LMObjRegionShaped);
    shaped.AddState(SolidState(L"Default", 4, 4, kRed));
    shaped.Realize();
    shaped.Shown = 1;
    EXPECT_EQ(1, shaped.InvalidateRect(0, 0, 1, 1, LMRepaintDeferred));
    EXPECT_EQ((std::vector<int>{LMRepaintDeferred}), shaped.Invalidates);
    EXPECT_EQ((Redraws{{RECT{}, false, LMRedrawWhole}}), PeekRedraws(shaped.Window));
    DispatchRedraws(shaped.Window);
    EXPECT_EQ(1, shaped.RegionShaped);
}

TEST_F(LMObjInvalidate, AWindowlessChildPassesItsRectangleToItsParent)
{
    InputObj holder(LMObjPlainWindow);
    auto* frame = HitState(L"Default", 40, 30, LMHitNever);
    frame->InsetLeft = 3;
    frame->InsetTop = 2;
    MakeWindow(holder, frame);
    InputObj child;
    child.AddState(SolidState(L"Default", 10, 10, kRed));
    child.SetParent(&holder);
    child.MoveTo(10, 5);
    child.Realize();
    child.Show();
    holder.Repaints.clear();
    EXPECT_EQ(1, child.InvalidateRect(2, 1, 5, 4, LMRepaintNow));
    EXPECT_EQ((std::vector<RepaintRequest>{{15, 8, 5, 4, LMRepaintNow}}), holder.Repaints);
    holder.Repaints.clear();
    EXPECT_EQ(1, child.InvalidateRect(8, 8, 5, 5, LMRepaintDeferred));
    EXPECT_EQ((std::vector<RepaintRequest>{{21, 15, 2, 2, LMRepaintDeferred}}), holder.Repaints)
        << "clipped to the child's frame first";
    DispatchRedraws(holder.Window);

    InputObj orphan;
    orphan.AddState(SolidState(L"Default", 10, 10, kRed), 1);
    orphan.Realize();
    orphan.Show();
    EXPECT_EQ(0, orphan.InvalidateRect(0, 0, 5, 5, LMRepaintNow));
}

// A new picture of the same size in the same place must reach the screen.
TEST_F(LMObjInvalidate, AWindowlessChildRepaintsWhenItsStateChangesInPlace)
{
    InputObj holder(LMObjPlainWindow);
    MakeWindow(holder, HitState(L"Default", 40, 30, LMHitNever));
    InputObj child;
    child.AddState(SolidState(L"Default", 10, 10, kRed));
    child.AddState(SolidState(L"Pressed", 10, 10, Bgra(255, 0, 0, 255)));
    child.SetParent(&holder);
    child.MoveTo(10, 5);
    child.Realize();
    child.Show();
    for (const wchar_t* state : {L"Pressed", L"Default"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(state)));
        holder.Repaints.clear();
        child.ChangeState(state);
        EXPECT_EQ((std::vector<RepaintRequest>{{10, 5, 10, 10, LMRepaintNow}}), holder.Repaints);
    }
}

// Where no object lies, an adopted child window shows its parent's
// background (here the parent class's brush), not what the shared paint
// buffer last held.
TEST_F(LMObjInvalidate, AnAdoptedChildWindowShowsItsParentsBackground)
{
    const COLORREF background = RGB(10, 200, 30);
    ScopedBrush brush(CreateSolidBrush(background));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush.Get();
    windowClass.lpszClassName = L"LMTestParentBackground";
    RegisterClassW(&windowClass);
    ScopedWindow parent(CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP,
                                        300, 200, 100, 60, nullptr, nullptr, windowClass.hInstance,
                                        nullptr));
    ScopedWindow host(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, 10, 60, 40,
                                      parent.Get(), nullptr, windowClass.hInstance, nullptr));
    InputObj adopted(host.Get());
    adopted.Realize();
    adopted.Show();
    InputObj child;
    child.AddState(SolidState(L"Default", 10, 10, kRed));
    child.SetParent(&adopted);
    child.MoveTo(0, 0);
    child.Realize();
    child.Show();
    ShowWindow(parent.Get(), SW_SHOWNOACTIVATE);
    UpdateWindow(parent.Get());
    EnsurePaintBuffer(60, 40);
    const RECT whole{0, 0, 60, 40};
    FillRect(PaintBuffer.Dc.Get(), &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(1, adopted.Invalidate(LMRepaintNow));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(PaintBuffer.Dc.Get(), 5, 5)) << "the object";
    EXPECT_EQ(background, GetPixel(PaintBuffer.Dc.Get(), 30, 20)) << "the parent's background";
    host.Reset();
    parent.Reset();
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

TEST_F(LMObjInvalidate, ARepaintFromAnotherThreadIsPosted)
{
    InputObj layered(LMObjLayered);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    int result = 0;
    std::thread([&] { result = layered.SetPosition(300, 200, LMPosMove | LMPosRepaint); }).join();
    EXPECT_EQ(1, result);
    EXPECT_EQ(std::vector<int>{LMRepaintDeferred}, layered.Invalidates);
    EXPECT_EQ((Redraws{{RECT{0, 0, 40, 30}, true, LMRedrawFrameRect}}),
              PeekRedraws(layered.Window));
    EXPECT_EQ(1u, LiveRectsAdded());
    DispatchRedraws(layered.Window);
    EXPECT_EQ(0u, LiveRectsAdded());
}

TEST_F(LMObjInvalidate, UnrealizeTakesBackTheRectanglesOfPendingRedraws)
{
    InputObj layered(LMObjLayered), holder(LMObjPlainWindow);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    MakeWindow(holder, HitState(L"Default", 40, 30, LMHitNever));
    layered.InvalidateRect(0, 0, 5, 5, LMRepaintDeferred);
    layered.InvalidateRect(5, 5, 5, 5, LMRepaintDeferred);
    holder.InvalidateRect(0, 0, 5, 5, LMRepaintDeferred);
    holder.Invalidate(LMRepaintDeferred);
    EXPECT_EQ(4u, LiveRectsAdded());
    HWND layeredWindow = layered.Window;
    layered.Unrealize();
    holder.Unrealize();
    EXPECT_EQ(0u, LiveRectsAdded());
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, layeredWindow, LMMsgDeferredRedraw, LMMsgDeferredRedraw,
                              PM_NOREMOVE));
}

TEST_F(LMObjInvalidate, AnAdoptedWindowRedrawsClientRectanglesAndFreesTheOthers)
{
    ScopedWindow host(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 300, 200, 60, 30,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    InputObj adopted(host.Get());
    adopted.Realize();
    adopted.Show();
    ShowWindow(host.Get(), SW_SHOWNOACTIVATE);
    UpdateWindow(host.Get());
    adopted.DrawViaBuffer.clear();
    EXPECT_EQ(1, adopted.Invalidate(LMRepaintDeferred));
    EXPECT_EQ((Redraws{{RECT{0, 0, 60, 30}, true, LMRedrawClientRect}}), PeekRedraws(host.Get()));
    RECT frame{1, 1, 2, 2};
    LMPostRedraw(host.Get(), &frame, LMRedrawFrameRect);
    LMPostRedraw(host.Get(), nullptr, LMRedrawWhole);
    EXPECT_EQ(2u, LiveRectsAdded());
    EXPECT_EQ(3, DispatchRedraws(host.Get()));
    EXPECT_EQ(std::vector<int>{1}, adopted.DrawViaBuffer);
    EXPECT_EQ(0u, LiveRectsAdded());

    adopted.Invalidate(LMRepaintDeferred);
    adopted.Unrealize();
    EXPECT_EQ(0u, LiveRectsAdded()) << "the host's own procedure never sees them";
}

TEST_F(LMObjInvalidate, StrayRedrawMessagesAreIgnored)
{
    InputObj holder(LMObjPlainWindow);
    MakeWindow(holder, HitState(L"Default", 40, 30, LMHitNever));
    RECT foreign{0, 0, 10, 10};
    WPARAM forged = reinterpret_cast<WPARAM>(&foreign);
    holder.DrawViaBuffer.clear();
    holder.Invalidates.clear();
    EXPECT_EQ(0, SendMessageW(holder.Window, LMMsgDeferredRedraw, forged, LMRedrawClientRect));
    EXPECT_EQ(0, SendMessageW(holder.Window, LMMsgDeferredRedraw, forged, LMRedrawFrameRect));
    EXPECT_EQ(0, SendMessageW(holder.Window, LMMsgDeferredRedraw, 12345, 7));
    EXPECT_TRUE(holder.DrawViaBuffer.empty()) << "a rectangle this program did not post";
    EXPECT_EQ(10, foreign.right) << "and it is not freed";

    RECT* live = LMAllocPostedRect(RECT{0, 0, 1, 1});
    EXPECT_EQ(0,
              SendMessageW(holder.Window, LMMsgDeferredRedraw, reinterpret_cast<WPARAM>(live), 9));
    EXPECT_EQ(0u, LiveRectsAdded()) << "an unknown lParam still frees a live rectangle";

    holder.Unrealize();
    RECT rect{0, 0, 1, 1};
    EXPECT_EQ(0, LMPostRedraw(holder.Window, &rect, LMRedrawClientRect)) << "no window";
    EXPECT_EQ(0u, LiveRectsAdded());
}

TEST_F(LMObjInvalidate, ARedrawPostedToADestroyedWindowIsTakenBack)
{
    HWND window = nullptr;
    {
        InputObj layered(LMObjLayered);
        MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
        window = layered.Window;
        layered.InvalidateRect(0, 0, 5, 5, LMRepaintDeferred);
        DestroyWindow(window);
        EXPECT_EQ(nullptr, layered.Window);
        EXPECT_EQ(0u, LiveRectsAdded());
        EXPECT_EQ(0, layered.InvalidateRect(0, 0, 5, 5, LMRepaintDeferred));
        EXPECT_EQ(0u, LiveRectsAdded());
    }
    RECT rect{0, 0, 1, 1};
    EXPECT_EQ(0, LMPostRedraw(window, &rect, LMRedrawFrameRect));
    EXPECT_EQ(0u, LiveRectsAdded());
}

TEST_F(LMObjInvalidate, AReceiverThatIsNoLongerRealizedStillFreesTheRectangle)
{
    InputObj layered(LMObjLayered);
    MakeWindow(layered, SolidState(L"Default", 40, 30, kRed));
    layered.InvalidateRect(0, 0, 5, 5, LMRepaintDeferred);
    layered.Realized = 0;
    EXPECT_EQ(1, DispatchRedraws(layered.Window));
    EXPECT_EQ(0u, LiveRectsAdded());
    layered.Realized = 1;
}
