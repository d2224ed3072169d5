#include "DefaultTheme.h"
#include "CTheme.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

uint32_t Alpha(uint32_t pixel)
{
    return pixel >> 24;
}

TEST(DefaultThemeTest, ItsCursorsSurviveASaveAndLoad)
{
    TempFolder folder;
    std::wstring path = folder.File(L"Default.Trivane");
    ASSERT_EQ(1, MakeDefaultTheme()->Save(path.c_str(), 1));
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    struct Case {
        int32_t Role;
        int32_t State;
        int Frames;
    };
    for (const Case& c :
         {Case{0, 1, 1}, Case{0, 2, 1}, Case{3, 1, 8}, Case{4, 1, 1}, Case{5, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << "role " << c.Role << " state " << c.State);
        CThemeCursor* cursor = theme.FindCursor(c.Role, c.State, 1);
        ASSERT_NE(nullptr, cursor);
        ASSERT_NE(nullptr, cursor->Animation);
        EXPECT_EQ(c.Frames, cursor->Animation->FrameCount);
        EXPECT_EQ(32, cursor->Animation->FrameWidth);
        EXPECT_EQ(c.Frames > 1, (cursor->Animation->FrameFlags & LMFrameLoop) != 0);
    }
}

TEST(DefaultThemeTest, PixelsArePremultipliedAndTheArrowPointsAtItsHotSpot)
{
    auto theme = MakeDefaultTheme();
    for (int i = 0; CThemeCursor* cursor = theme->GetCursorAt(i); ++i) {
        SCOPED_TRACE(testing::Message() << "cursor " << i);
        LMBitmap* bitmap = cursor->Animation->Bitmap;
        int opaque = 0;
        for (int y = 0; y < bitmap->Height; ++y) {
            for (int x = 0; x < bitmap->Width; ++x) {
                uint32_t pixel = *bitmap->PixelAt(x, y);
                for (int shift : {0, 8, 16})
                    ASSERT_LE((pixel >> shift) & 0xFF, Alpha(pixel)) << x << "," << y;
                opaque += Alpha(pixel) == 255;
            }
        }
        EXPECT_GT(opaque, 20);
    }
    CThemeCursor* arrow = theme->FindCursor(0, 1, 1);
    EXPECT_GT(Alpha(*arrow->Animation->Bitmap->PixelAt(arrow->HotSpotX, arrow->HotSpotY)), 0u);
}

}  // namespace
