#include "ShadowSettings.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ClampShadowSettings, KeepsEveryValueInTheRangeTheShadowDrawingTakes)
{
    struct Case {
        const char* Name;
        ShadowSettings In;
        ShadowSettings Out;
    };
    const Case cases[] = {
        {"defaults untouched", {8, 8, 192, 8}, {8, 8, 192, 8}},
        {"panel defaults untouched", {5, 5, 128, 9}, {5, 5, 128, 9}},
        {"limits untouched", {-512, 512, 0, 100}, {-512, 512, 0, 100}},
        {"offsets beyond the limits", {-1000000, 1000000, 255, 0}, {-512, 512, 255, 0}},
        {"darkness below 0", {0, 0, -1, 8}, {0, 0, 0, 8}},
        {"darkness above 255", {0, 0, 10000, 8}, {0, 0, 255, 8}},
        {"sharpness above 100", {0, 0, 192, 10000}, {0, 0, 192, 100}},
        {"negative sharpness still means no shadow", {0, 0, 192, -1}, {0, 0, 192, -1}},
        {"extremes", {INT_MIN, INT_MAX, INT_MIN, INT_MAX}, {-512, 512, 0, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ShadowSettings out = ClampShadowSettings(c.In);
        EXPECT_EQ(c.Out.ShadowX, out.ShadowX);
        EXPECT_EQ(c.Out.ShadowY, out.ShadowY);
        EXPECT_EQ(c.Out.ShadowDark, out.ShadowDark);
        EXPECT_EQ(c.Out.ShadowSharpness, out.ShadowSharpness);
    }
}
