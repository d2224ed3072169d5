#include "BitmapFixtures.h"
#include "LMBitmapState.h"
#include "LMObjGlobals.h"
#include "LMObjTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A 31 x 16 frame with insets L4 T2 R6 B4 (visible 21 x 10) drawn at (-5, 3).
TestState* MakeGeometryState()
{
    auto* state = new TestState(L"Default", 31, 16);
    state->InsetLeft = 4;
    state->InsetTop = 2;
    state->InsetRight = 6;
    state->InsetBottom = 4;
    state->OffsetX = -5;
    state->OffsetY = 3;
    return state;
}

// The state is made current directly, so no position has been computed yet.
void GiveGeometry(LMObj& obj)
{
    TestState* state = MakeGeometryState();
    obj.AddState(state);
    obj.CurrentState = state;
    obj.AnchorX = 200;
    obj.AnchorY = 100;
    obj.HAlign = 1;
    obj.VAlign = 2;
}

RECT VisibleOf(LMObj& obj)
{
    RECT rect;
    obj.GetVisibleRect(&rect);
    return rect;
}

RECT BoundsOf(LMObj& obj)
{
    RECT rect;
    obj.GetBounds(&rect);
    return rect;
}

}  // namespace

TEST(LMObjGeometry, VisibleRectAndBoundsFollowAlignmentInsetsAndOffsets)
{
    RecordingObj obj;
    GiveGeometry(obj);
    EXPECT_EQ((RECT{190, 90, 211, 100}), VisibleOf(obj));
    EXPECT_EQ((RECT{181, 91, 212, 107}), BoundsOf(obj));
}

TEST(LMObjGeometry, EachAlignmentPlacesTheVisibleRectAgainstTheAnchor)
{
    struct Row {
        int hAlign, vAlign, left, top;
    } rows[] = {
        {0, 0, 200, 100 },
        {1, 0, 190, 100 },
        {2, 0, 179, 100 },
        {0, 1, 200, 95 },
        {2, 2, 179, 90 },
        {3, 3, 200, 100 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "HAlign " << row.hAlign << " VAlign " << row.vAlign);
        RecordingObj obj;
        GiveGeometry(obj);
        obj.HAlign = row.hAlign;
        obj.VAlign = row.vAlign;
        EXPECT_EQ((RECT{row.left, row.top, row.left + 21, row.top + 10}), VisibleOf(obj));
        EXPECT_EQ((RECT{row.left - 9, row.top + 1, row.left + 22, row.top + 17}), BoundsOf(obj));
    }
}

TEST(LMObjGeometry, MoveAlignedAndSetPositionAgreeOnTheAnchor)
{
    RecordingObj aligned, positioned;
    GiveGeometry(aligned);
    GiveGeometry(positioned);
    aligned.AnchorX = aligned.AnchorY = positioned.AnchorX = positioned.AnchorY = 0;
    EXPECT_EQ(1, aligned.MoveAligned(200, 100));
    EXPECT_EQ(200, aligned.AnchorX);
    EXPECT_EQ(100, aligned.AnchorY);
    EXPECT_EQ(1, positioned.SetPosition(190, 90, LMPosMove));
    EXPECT_EQ(200, positioned.AnchorX);
    EXPECT_EQ(100, positioned.AnchorY);
    EXPECT_EQ(190, positioned.VisibleX);
    EXPECT_EQ(90, positioned.VisibleY);
}

TEST(LMObjGeometry, WithoutAStateBothRectanglesAreEmptyAtTheAnchor)
{
    RecordingObj obj;
    obj.AnchorX = 200;
    obj.AnchorY = 100;
    obj.HAlign = 1;
    obj.VAlign = 2;
    EXPECT_EQ((RECT{200, 100, 200, 100}), VisibleOf(obj));
    EXPECT_EQ((RECT{200, 100, 200, 100}), BoundsOf(obj));
    RECT insets{1, 1, 1, 1 };
    int dx = 7, dy = 7;
    obj.GetStateMargins(&insets, &dx, &dy);
    EXPECT_EQ((RECT{0, 0, 0, 0}), insets);
    EXPECT_EQ(0, dx);
    EXPECT_EQ(0, dy);
}

TEST(LMObjGeometry, SetPositionReportsMovesSizesAndVisibility)
{
    RecordingObj obj;
    GiveGeometry(obj);
    EXPECT_EQ(1, obj.SetPosition(190, 90, LMPosMove | LMPosShow));
    ASSERT_EQ(1u, obj.Positions.size());
    EXPECT_EQ((PositionReport{200, 100, 21, 10, 7}), obj.Positions[0]);
    EXPECT_EQ(1, obj.Shown);
    EXPECT_EQ((RECT{181, 91, 212, 107}), obj.LastBounds);
    EXPECT_EQ((RECT{190, 90, 211, 100}), obj.LastVisibleRect);

    obj.SetPosition(190, 90, LMPosMove);
    EXPECT_EQ(1u, obj.Positions.size()) << "nothing changed, nothing reported";

    EXPECT_EQ(1, obj.Hide());
    ASSERT_EQ(2u, obj.Positions.size());
    EXPECT_EQ((PositionReport{200, 100, 21, 10, 8}), obj.Positions[1]);
    EXPECT_EQ(0, obj.Shown);

    obj.SetPosition(0, 0, LMPosShow | LMPosQuiet);
    EXPECT_EQ(2u, obj.Positions.size()) << "flag 0x10 silences the hook";
    EXPECT_EQ(1, obj.Shown);
}

TEST(LMObjGeometry, ChildWindowObjectsIgnoreShowAndHide)
{
    RecordingObj obj(LMObjChildWindow);
    GiveGeometry(obj);
    obj.SetPosition(0, 0, LMPosShow);
    EXPECT_EQ(0, obj.Shown);
    obj.Shown = 1;
    obj.SetPosition(0, 0, LMPosHide);
    EXPECT_EQ(1, obj.Shown);
}

TEST(LMObjGeometry, TheRootIsNeverPositioned)
{
    ASSERT_NE(nullptr, RootObject);
    int anchorX = RootObject->AnchorX;
    EXPECT_EQ(0, RootObject->SetPosition(50, 60, LMPosMove | LMPosHide));
    EXPECT_EQ(anchorX, RootObject->AnchorX);
    EXPECT_EQ(1, RootObject->Shown);
}

TEST(LMObjGeometry, OffsetsWalkUpToTheWindowHolder)
{
    RecordingObj holder(LMObjPlainWindow), child, grandchild;
    TestState* state = MakeGeometryState();
    holder.AddState(state);
    holder.CurrentState = state;
    holder.ClientOffsetX = 3;
    holder.ClientOffsetY = 4;
    holder.VisibleX = 100;
    holder.VisibleY = 50;
    child.VisibleX = 10;
    child.VisibleY = 20;
    grandchild.VisibleX = 5;
    grandchild.VisibleY = 6;
    holder.SetParent(RootObject);
    child.SetParent(&holder);
    grandchild.SetParent(&child);

    EXPECT_EQ(&holder, grandchild.FindWindowObj());
    EXPECT_EQ(nullptr, RootObject->FindWindowObj());
    int x = 0, y = 0;
    grandchild.GetScreenOffset(&x, &y);
    EXPECT_EQ(16, x) << "5 + 10, then the holder's left inset 4 less its client offset 3";
    EXPECT_EQ(24, y);
    POINT point{200, 300 };
    grandchild.AddClientOffsets(&point);
    EXPECT_EQ(88, point.x);
    EXPECT_EQ(228, point.y);
    point = POINT{200, 300};
    grandchild.AddParentOffsets(&point);
    EXPECT_EQ(93, point.x);
    EXPECT_EQ(234, point.y);
    grandchild.SetParent(nullptr);
    child.SetParent(nullptr);
    holder.SetParent(nullptr);
}

TEST(LMObjGeometry, AnObjectWithoutParentStopsTheWalkSilently)
{
    RecordingObj lone;
    lone.VisibleX = 7;
    lone.VisibleY = 9;
    int x = -1, y = -1;
    EXPECT_EQ(1, lone.GetScreenOffset(&x, &y));
    EXPECT_EQ(7, x);
    EXPECT_EQ(9, y);
}

TEST(LMObjAlpha, ABitmapStateRampsItsOpacityOverItsFrames)
{
    RecordingObj obj;
    auto* state = new LMBitmapState(L"Fade", MakeBitmap(40, 8, LMBitmapHasAlpha).release());
    state->SetFrames(4, 50, 0);
    state->RampStart = 100;
    state->RampEnd = 0;
    obj.AddState(state, 1);
    const int expected[] = {100, 67, 34, 0 };
    for (int frame = 0; frame < 4; ++frame) {
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        ASSERT_EQ(1, obj.SetFrame(frame));
        EXPECT_EQ(expected[frame], obj.GetCurrentAlpha());
    }
    state->RampEnd = -1;
    EXPECT_EQ(100, obj.GetCurrentAlpha()) << "no ramp: the start value";
}

TEST(LMObjAlpha, OtherKindsAreOpaque)
{
    RecordingObj obj;
    EXPECT_EQ(255, obj.GetCurrentAlpha()) << "no state";
    TestState* state = MakeState(L"Rect", 4);
    state->RampStart = 100;
    state->RampEnd = 0;
    obj.AddState(state, 1);
    obj.SetFrame(3);
    EXPECT_EQ(255, obj.GetCurrentAlpha());
}

TEST(LMObjHitTest, OnlyAShownObjectAsksItsState)
{
    RecordingObj obj;
    EXPECT_EQ(0, obj.HitTest(1, 1)) << "no state";
    TestState* state = MakeState(L"Solid");
    state->HitMode = LMHitWholeFrame;
    obj.AddState(state, 1);
    EXPECT_EQ(0, obj.HitTest(1, 1)) << "hidden";
    obj.Shown = 1;
    EXPECT_EQ(1, obj.HitTest(1, 1));
}
