#include "DefaultTheme.h"
#include "CTheme.h"
#include "SystemCursorTable.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

uint32_t Alpha(uint32_t pixel)
{
    return pixel >> 24;
}

// Every system pointer the engine replaces has its look, and the arrow a
// pressed one.
TEST(DefaultThemeTest, ItsCursorsSurviveASaveAndLoad)
{
    TempFolder folder;
    std::wstring path = folder.File(L"Default.Trivane");
    ASSERT_EQ(1, MakeDefaultTheme()->Save(path.c_str(), 1));
    CTheme theme;
    ASSERT_EQ(1, theme.Load(path.c_str(), 0));
    std::vector<std::pair<int32_t, int32_t>> looks = {{0, 2}};
    for (const SystemCursorSlot& slot : SystemCursorSlots)
        looks.push_back({slot.Role, 1});
    for (auto [role, state] : looks) {
        SCOPED_TRACE(testing::Message() << "role " << role << " state " << state);
        CThemeCursor* cursor = theme.FindCursor(role, state, 1);
        ASSERT_NE(nullptr, cursor);
        ASSERT_NE(nullptr, cursor->Animation);
        const int frames = role == 2 || role == 3 ? 8 : 1;
        EXPECT_EQ(frames, cursor->Animation->FrameCount);
        EXPECT_EQ(32, cursor->Animation->FrameWidth);
        EXPECT_EQ(frames > 1, (cursor->Animation->FrameFlags & LMFrameLoop) != 0);
    }
    EXPECT_EQ(16, theme.CursorCount());
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
