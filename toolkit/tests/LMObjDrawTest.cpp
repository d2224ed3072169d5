// Drawing an object tree into a memory DIB, and the shared paint buffer.

#include "DibCanvas.h"
#include "LMObjWindowTestSupport.h"
#include "LMPaintBuffer.h"
#include "LMProcs.h"
#include "SoftwareBlendScope.h"

#include <gtest/gtest.h>

namespace {

const uint32_t kRed = Bgra(0, 0, 255, 255);
const uint32_t kBlue = Bgra(255, 0, 0, 255);
const uint32_t kGreen = Bgra(0, 255, 0, 255);
const uint32_t kBackground = 0x00000000;

uint32_t Colour(uint32_t pixel)
{
    return pixel & 0x00FFFFFF;
}

// A realized, shown windowless object; a parent frame of 40 x 30.
class LMObjDraw : public ToolkitWindowTest {
protected:
    void Prepare(InputObj& obj, LMVisualState* state, int x, int y, LMObj* owner = nullptr)
    {
        obj.AddState(state);
        if (owner)
            obj.SetParent(owner);
        obj.MoveTo(x, y);
        obj.Realize();
        obj.Show();
    }

    SoftwareBlendScope blend;
    DibCanvas canvas{60, 40};
    InputObj parent;
};

}  // namespace

TEST_F(LMObjDraw, NothingIsDrawnUnlessRealizedAndShown)
{
    InputObj obj;
    obj.AddState(SolidState(L"Default", 4, 4, kRed), 1);
    canvas.Fill(kBackground);
    EXPECT_EQ(0, obj.DrawOpaque(canvas.Dc(), 0, 0, 0, 0, 4, 4)) << "unrealized";
    obj.Realize();
    EXPECT_EQ(0, obj.DrawOpaque(canvas.Dc(), 0, 0, 0, 0, 4, 4)) << "hidden";
    EXPECT_EQ(kBackground, canvas.Pixel(0, 0));
    obj.Show();
    EXPECT_EQ(1, obj.DrawOpaque(canvas.Dc(), 0, 0, 0, 0, 4, 4));
    EXPECT_EQ(kRed, Colour(canvas.Pixel(0, 0)) | 0xFF000000);
}

TEST_F(LMObjDraw, TheLaterChildLiesOnTop)
{
    InputObj first, second;
    Prepare(parent, HitState(L"Frame", 40, 30, LMHitNever), 0, 0);
    Prepare(first, SolidState(L"Default", 10, 10, kRed), 5, 5, &parent);
    Prepare(second, SolidState(L"Default", 10, 10, kBlue), 10, 10, &parent);
    canvas.Fill(kBackground);
    EXPECT_EQ(1, parent.DrawOpaque(canvas.Dc(), 0, 0, 0, 0, 40, 30));
    EXPECT_EQ(Colour(kRed), Colour(canvas.Pixel(7, 7)));
    EXPECT_EQ(Colour(kBlue), Colour(canvas.Pixel(12, 12))) << "the overlap";
    EXPECT_EQ(Colour(kBlue), Colour(canvas.Pixel(19, 19)));
    EXPECT_EQ(kBackground, canvas.Pixel(20, 20));
    second.Hide();
    canvas.Fill(kBackground);
    parent.DrawOpaque(canvas.Dc(), 0, 0, 0, 0, 40, 30);
    EXPECT_EQ(Colour(kRed), Colour(canvas.Pixel(12, 12))) << "a hidden child does not draw";
}

TEST_F(LMObjDraw, AChildLandsPastItsParentsInsets)
{
    auto* frame = HitState(L"Frame", 40, 30, LMHitNever);
    frame->InsetLeft = 3;
    frame->InsetTop = 2;
    Prepare(parent, frame, 0, 0);
    InputObj child;
    auto bitmap = MakeBitmap(2, 2, LMBitmapHasAlpha, {kGreen, kRed, kRed, kRed});
    auto* state = new LMBitmapState(L"Default", bitmap.release());
    Prepare(child, state, 10, 5, &parent);
    RECT bounds;
    child.GetBounds(&bounds);
    ASSERT_EQ(10, bounds.left);
    ASSERT_EQ(5, bounds.top);
    canvas.Fill(kBackground);
    parent.DrawOpaque(canvas.Dc(), 0, 0, 0, 0, 40, 30);
    EXPECT_EQ(Colour(kGreen), Colour(canvas.Pixel(13, 7)));
    EXPECT_EQ(Colour(kRed), Colour(canvas.Pixel(14, 8)));
    EXPECT_EQ(kBackground, canvas.Pixel(12, 7));

    canvas.Fill(kBackground);
    parent.DrawOpaque(canvas.Dc(), 10, 4, 10, 4, 10, 10);
    EXPECT_EQ(Colour(kGreen), Colour(canvas.Pixel(3, 3))) << "a part drawn at an origin";
    canvas.Fill(kBackground);
    parent.DrawOpaque(canvas.Dc(), 0, 0, 14, 0, 10, 30);
    EXPECT_EQ(kBackground, canvas.Pixel(13, 7)) << "outside the requested part";
    EXPECT_EQ(Colour(kRed), Colour(canvas.Pixel(14, 8)));
}

TEST_F(LMObjDraw, ChildrenGetTheirParentsRampAlpha)
{
    Prepare(parent, HitState(L"Frame", 40, 30, LMHitNever), 0, 0);
    InputObj middle, leaf;
    LMBitmapState* ramp = SolidState(L"Default", 10, 10, kRed);
    ramp->RampStart = 67;
    Prepare(middle, ramp, 0, 0, &parent);
    Prepare(leaf, SolidState(L"Default", 4, 4, kBlue), 1, 1, &middle);
    ASSERT_EQ(67, middle.GetCurrentAlpha());
    parent.Draw(canvas.Dc(), 0, 0, 0, 0, 40, 30, 128.0f);
    ASSERT_EQ(1u, middle.DrawAlpha.size());
    EXPECT_FLOAT_EQ(128.0f, middle.DrawAlpha[0]);
    ASSERT_EQ(1u, leaf.DrawAlpha.size());
    EXPECT_FLOAT_EQ(128.0f * 67 / 255, leaf.DrawAlpha[0]);
}

TEST_F(LMObjDraw, AStateWithAMaskLayerShowsItsChildrenOnlyWhereItsFrameIsOpaque)
{
    // The children blend into the layer with the platform's AlphaBlend, which
    // writes the layer's alpha (the software blend leaves it as it was).
    LMProcs::BindLayered();
    ASSERT_NE(nullptr, LMProcs::AlphaBlend);
    Prepare(parent, HitState(L"Frame", 40, 30, LMHitNever), 0, 0);
    InputObj masked, inside;
    auto shape = MakeBitmap(4, 1, LMBitmapHasAlpha, {kRed, kRed, 0, 0});
    auto* state = new LMBitmapState(L"Default", shape.release());
    state->MaskLayer = std::make_unique<LMBitmap>(4, 1, LMBitmapHasAlpha);
    Prepare(masked, state, 0, 0, &parent);
    Prepare(inside, SolidState(L"Default", 4, 1, kBlue), 0, 0, &masked);
    canvas.Fill(kBackground);
    parent.DrawOpaque(canvas.Dc(), 0, 0, 0, 0, 40, 30);
    EXPECT_EQ(Colour(kBlue), Colour(canvas.Pixel(0, 0))) << "the child, not the state's red";
    EXPECT_EQ(Colour(kBlue), Colour(canvas.Pixel(1, 0)));
    EXPECT_EQ(kBackground, canvas.Pixel(2, 0)) << "outside the opaque part";
}

TEST(LMPaintBuffer, GrowsWithHeadroomAndIsFreedWhenUnused)
{
    FreePaintBuffer();
    EXPECT_EQ(1, EnsurePaintBuffer(64, 33));
    EXPECT_EQ(70, PaintBuffer.Width);
    EXPECT_EQ(36, PaintBuffer.Height);
    EXPECT_NE(0u, PaintBuffer.TimerId);
    EXPECT_NE(nullptr, PaintBuffer.Dc.Get());
    EXPECT_EQ(0, EnsurePaintBuffer(70, 20));
    EXPECT_EQ(1, EnsurePaintBuffer(71, 20));
    EXPECT_EQ(78, PaintBuffer.Width);
    EXPECT_EQ(36, PaintBuffer.Height);
    BITMAP dib{};
    GetObjectW(GetCurrentObject(PaintBuffer.Dc.Get(), OBJ_BITMAP), sizeof(dib), &dib);
    EXPECT_EQ(78, dib.bmWidth);
    EXPECT_EQ(32, dib.bmBitsPixel);

    ++PaintBuffer.InUse;
    EXPECT_EQ(0, FreePaintBuffer());
    EXPECT_EQ(78, PaintBuffer.Width);
    EXPECT_NE(0u, PaintBuffer.TimerId);
    --PaintBuffer.InUse;
    EXPECT_EQ(1, FreePaintBuffer());
    EXPECT_EQ(0, PaintBuffer.Width);
    EXPECT_EQ(0u, PaintBuffer.TimerId);
    EXPECT_EQ(nullptr, PaintBuffer.Dib.Get());
}

TEST(LMPaintBuffer, EmptyOrImpossibleSizesMakeNothing)
{
    FreePaintBuffer();
    EXPECT_EQ(0, EnsurePaintBuffer(0, 10));
    EXPECT_EQ(0, EnsurePaintBuffer(10, -1));
    EXPECT_EQ(0, EnsurePaintBuffer(200000, 200000));
    EXPECT_FALSE(PaintBufferFits(1, 1));
    FreePaintBuffer();
}

TEST_F(LMObjDraw, AForcedPaintGoesThroughTheBufferAndASystemPaintDoesNot)
{
    InputObj window(LMObjPlainWindow);
    window.AddState(SolidState(L"Default", 40, 30, kRed));
    window.MoveTo(300, 200);
    window.Realize();
    window.Show();
    UpdateWindow(window.Window);
    FreePaintBuffer();
    window.DrawDc.clear();
    window.DrawViaBuffer.clear();
    EXPECT_EQ(1, window.InvalidateRect(0, 0, 40, 30, LMRepaintNow));
    ASSERT_EQ(1u, window.DrawDc.size());
    EXPECT_EQ(PaintBuffer.Dc.Get(), window.DrawDc[0]);
    EXPECT_EQ(1, window.DrawViaBuffer[0]);
    EXPECT_EQ(0, window.PaintViaBuffer);
    EXPECT_EQ(0, PaintBuffer.InUse);
    EXPECT_EQ(44, PaintBuffer.Width);

    ::InvalidateRect(window.Window, nullptr, FALSE);
    UpdateWindow(window.Window);
    ASSERT_EQ(2u, window.DrawDc.size());
    EXPECT_NE(PaintBuffer.Dc.Get(), window.DrawDc[1]);
    EXPECT_EQ(0, window.DrawViaBuffer[1]);
    FreePaintBuffer();
}
