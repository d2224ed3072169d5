// The panes' plain rules: where a scroll request leads, and how the colour
// slider turns hues.

#include "HueShift.h"
#include "LMBitmap.h"
#include "ThemePaneLayout.h"

#include <gtest/gtest.h>

using namespace cpl;

TEST(PaneRulesTest, ScrollRequestsStepToMultiplesWithinTheRange)
{
    struct Row {
        int Code, From, Step, To;
    } rows[] = {
        {SB_LINEDOWN, 150, 74, 222}, {SB_LINEUP, 150, 74, 74},    {SB_LINEUP, 30, 74, 0},
        {SB_PAGEDOWN, 296, 74, 300}, {SB_PAGEUP, 0, 74, 0},       {SB_TOP, 150, 74, 0},
        {SB_BOTTOM, 10, 74, 300},    {SB_THUMBTRACK, 5, 74, 123}, {SB_ENDSCROLL, 150, 74, 150},
        {SB_LINEDOWN, 150, 0, 150},  // no preview yet: no rows to step by
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "code " << row.Code << " from " << row.From);
        EXPECT_EQ(row.To, ScrollTarget(row.Code, row.From, row.Step, 0, 300, 123));
    }
}

TEST(PaneRulesTest, HuesTurnAndWrapOnceByTheBitmapsAlpha)
{
    struct Row {
        int Hue, Shift;
        bool Alpha;
        int Shifted;
    } rows[] = {
        {120, 60, true, 20},   {120, 60, false, 180}, {30, 100, true, 130},
        {30, 100, false, 130}, {30, -6, false, 24},   {30, 256 * 4000 + 6, false, 36},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.Hue << " + " << row.Shift << ", alpha " << row.Alpha);
        EXPECT_EQ(row.Shifted, ShiftedHue(row.Hue, row.Shift, row.Alpha));
    }

    // Grey, white and the colour key keep their bytes; a saturated pixel turns.
    struct Pixel {
        int Flags;
        uint32_t Value;
        bool Turns;
    } pixels[] = {
        {0, 0x00808080, false},
        {0, 0x00FFFFFF, false},
        {0, 0x00FF00FF, false},
        {0, 0x00FF2020, true},
        {LMBitmapHasAlpha, 0x80808080, false},
        {LMBitmapHasAlpha, 0xFFFF00FF, true},
        {LMBitmapHasAlpha, 0xC02060E0, true},
    };
    for (const Pixel& pixel : pixels) {
        SCOPED_TRACE(testing::Message() << std::hex << pixel.Value << ", flags " << pixel.Flags);
        LMBitmap bitmap(1, 1, pixel.Flags);
        *bitmap.PixelAt(0, 0) = pixel.Value;
        EXPECT_EQ(1, bitmap.AdjustColors(60, 0, 0));
        uint32_t after = *bitmap.PixelAt(0, 0);
        EXPECT_EQ(pixel.Turns, after != pixel.Value);
        EXPECT_EQ(pixel.Value >> 24, after >> 24);
    }
}
