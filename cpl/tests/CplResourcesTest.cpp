// The library's resources (linked into the test program) and the factories
// that make the page's objects from them.

#include "CplResources.h"
#include "CplModule.h"
#include "LMBitmapState.h"
#include "LMRectangularState.h"
#include "LMToolkit.h"
#include "ObjectFactories.h"

#include <gtest/gtest.h>

#include <memory>

using namespace cpl;

namespace {

class CplResourcesTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetModule(GetModuleHandleW(nullptr));
        LMInitialize(GetModuleHandleW(nullptr), L"TrivaneCpl", LMInitReserved | LMInitNoMutex);
    }
};

int CountTranslucent(const LMBitmap& bitmap)
{
    int count = 0;
    for (int y = 0; y < bitmap.Height; ++y) {
        for (int x = 0; x < bitmap.Width; ++x)
            count += (*bitmap.PixelAt(x, y) >> 24) < 255 ? 1 : 0;
    }
    return count;
}

}  // namespace

TEST_F(CplResourcesTest, ImagesHaveAlphaAndFitWhereThePanesPutThem)
{
    // Minimum sizes: nine-grids are wider and taller than their margins, the
    // selection frame is exact, the colour layers fit the 300 x 40 strip
    // (118 at its top, 119 twelve pixels down, 120 over the whole).
    struct Row {
        int Id;
        int MinWidth, MinHeight, MaxWidth, MaxHeight;
    } rows[] = {
        {IDP_CPL_SLIDER_TRACK, 21, 1, 240, 40},    {IDP_CPL_SLIDER_KNOB, 1, 1, 40, 40},
        {IDP_CPL_OPTIONS_FRAME, 15, 15, 380, 340}, {IDP_CPL_ORIGINAL_COLORS, 1, 1, 300, 12},
        {IDP_CPL_PROCESSED_COLORS, 1, 1, 300, 28}, {IDP_CPL_COLOR_STRIP_FRAME, 1, 1, 300, 40},
        {IDP_CPL_SELECTION_FRAME, 72, 98, 72, 98}, {IDP_CPL_PREVIEW_FRAME, 15, 15, 360, 186},
        {IDP_CPL_STRIP_FRAME, 15, 15, 400, 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Id);
        std::unique_ptr<LMBitmap> bitmap(LoadPngResourceBitmap(row.Id));
        ASSERT_NE(nullptr, bitmap);
        EXPECT_TRUE(bitmap->HasAlpha);
        EXPECT_GE(bitmap->Width, row.MinWidth);
        EXPECT_GE(bitmap->Height, row.MinHeight);
        EXPECT_LE(bitmap->Width, row.MaxWidth);
        EXPECT_LE(bitmap->Height, row.MaxHeight);
        if (row.Id != IDP_CPL_ORIGINAL_COLORS && row.Id != IDP_CPL_PROCESSED_COLORS) {
            EXPECT_GT(CountTranslucent(*bitmap), 0);
        }
    }
    EXPECT_EQ(nullptr, LoadPngResourceBitmap(999));
}

TEST_F(CplResourcesTest, FactoriesPlaceOneDefaultStateOfTheirKind)
{
    LMObj parent(LMObjWindowless);
    struct Row {
        const char* Label;
        std::unique_ptr<CQVObj> Object;
        int Kind;
        int HitMode;
        int Width, Height;  // 0: measured
    } rows[] = {
        {"text", CreateTextObj(&parent, 3, 4, L"Label", L"Segoe UI", 9, 0, 0, 2), LMStateKindText,
         0, 0, 0},
        {"bitmap", CreateBitmapObj(&parent, 3, 4, IDP_CPL_SELECTION_FRAME), LMStateKindBitmap,
         LMHitNever, 72, 98},
        {"frame", CreateFrameObj(&parent, 3, 4, 120, 50, 7, 7, 7, 7, IDP_CPL_STRIP_FRAME),
         LMStateKindBitmap, LMHitNever, 120, 50},
        {"rectangle", CreateRectObj(&parent, 3, 4, 30, 20, 0xA0A0A0, 0xFFFFFF),
         LMStateKindRectangle, LMHitWholeFrame, 30, 20},
        {"blank", CreateBlankObj(&parent, 3, 4, 360, 186), LMStateKindBlank, LMHitWholeFrame, 360,
         186},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.Label);
        CQVObj& object = *row.Object;
        ASSERT_EQ(1, object.StateCount());
        ASSERT_NE(nullptr, object.CurrentState);
        EXPECT_EQ(L"Default", object.CurrentState->Name);
        EXPECT_EQ(row.Kind, object.CurrentState->Kind);
        EXPECT_EQ(row.HitMode, object.CurrentState->HitMode);
        if (row.Width) {
            EXPECT_EQ(row.Width, object.VisibleWidth);
            EXPECT_EQ(row.Height, object.VisibleHeight);
        }
        EXPECT_EQ(&parent, object.Parent);
        EXPECT_EQ(3, object.VisibleX);
        EXPECT_EQ(4, object.VisibleY);
        EXPECT_TRUE(object.Shown && object.Realized);
    }
    auto* rectangle = static_cast<LMRectangularState*>(rows[3].Object->CurrentState);
    EXPECT_EQ(192, rectangle->BorderAlpha);
    EXPECT_EQ(255, rectangle->FillAlpha);
    EXPECT_EQ(0, rectangle->PassThrough);
}
