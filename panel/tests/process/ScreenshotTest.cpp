// The picture of the panel: the program over the default theme, copied
// from the screen once its pages have faded in, checked against its skin
// pictures and written to screenshots/control-panel.png in the build
// folder (tools/test.sh -R Screenshot makes it).

#include "PanelProcessFixture.h"

#include "CTheme.h"
#include "DefaultTheme.h"
#include "MessagePump.h"
#include "PanelImages.h"
#include "ScreenCapture.h"
#include "SkinImages.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kWidth = 776;
constexpr int kHeight = 538;
// The pages fade in within a second; a busy machine may take longer.
constexpr DWORD kFadeMs = 1000;
constexpr DWORD kFadeDeadlineMs = 8000;
constexpr int kTolerance = 2;
constexpr int kPageX = 147;  // the side bar's width less one
// The first cell of the themes page's cursor strip, and the preview box of
// the theme list's first theme, in the client area.
constexpr RECT kFirstCell{kPageX + 15 + 8, 135 + 5, kPageX + 15 + 8 + 40, 135 + 5 + 40};
constexpr RECT kFirstPreview{kPageX + 15 + 14, 211 + 62 + 4, kPageX + 15 + 14 + 60,
                             211 + 62 + 4 + 58};

bool SameColour(uint32_t a, uint32_t b)
{
    return NearColour(a, b, kTolerance);
}

uint32_t SkinPixel(int pngId, int x, int y)
{
    std::unique_ptr<LMBitmap> bitmap(LoadSkinBitmap(pngId));
    return bitmap ? *bitmap->PixelAt(x, y) : 0xDEADBEEF;
}

void CopyClientArea(HWND dialog, DibCanvas& canvas)
{
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, kWidth, kHeight, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
}

bool AllBlack(const DibCanvas& canvas)
{
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (canvas.Pixel(x, y) & 0xFFFFFF)
                return false;
        }
    }
    return true;
}

bool DiffersFromPage(const DibCanvas& canvas, const RECT& area)
{
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!SameColour(canvas.Pixel(x, y), SkinPixel(kPngPageList.Id, x - kPageX, y)))
                return true;
        }
    }
    return false;
}

// The side bar and page as their skins draw them, the strip and the list
// with the themes on them.
bool ShowsThePanel(const DibCanvas& canvas)
{
    return !AllBlack(canvas) &&
           SameColour(SkinPixel(kPngSideBar.Id, 10, 520), canvas.Pixel(10, 520)) &&
           SameColour(SkinPixel(kPngPageList.Id, 300 - kPageX, 515), canvas.Pixel(300, 515)) &&
           DiffersFromPage(canvas, kFirstCell) && DiffersFromPage(canvas, kFirstPreview);
}

}  // namespace

TEST_F(PanelProcessTest, Screenshot)
{
    std::unique_ptr<CTheme> theme = MakeDefaultTheme();
    ASSERT_EQ(1, theme->Save(currentPath_.c_str(), 1));
    ASSERT_EQ(1, theme->Save((themesFolder_ + L"\\Default.Trivane").c_str(), 1));
    EngineProcess panel = StartPanel();
    ASSERT_TRUE(panel.IsValid());
    HWND dialog = WaitForPanelWindow(panel.Id(), kPanelStartMs);
    ASSERT_NE(nullptr, dialog);
    // The dialog is found as soon as it is marked, maybe before its layout.
    RECT client{};
    PumpMessagesUntil(
        [&] {
            GetClientRect(dialog, &client);
            return client.right == kWidth && client.bottom == kHeight;
        },
        kFadeDeadlineMs);
    ASSERT_EQ(kWidth, client.right);
    ASSERT_EQ(kHeight, client.bottom);
    DibCanvas canvas(kWidth, kHeight);
    PumpMessagesFor(kFadeMs);
    CopyClientArea(dialog, canvas);
    for (DWORD waited = kFadeMs; !ShowsThePanel(canvas) && waited < kFadeDeadlineMs;
         waited += 250) {
        PumpMessagesFor(250);
        CopyClientArea(dialog, canvas);
    }
    EXPECT_TRUE(WriteScreenshot(L"control-panel.png", canvas));

    EXPECT_FALSE(AllBlack(canvas));
    EXPECT_PRED2(SameColour, SkinPixel(kPngSideBar.Id, 10, 520), canvas.Pixel(10, 520));
    EXPECT_PRED2(SameColour, SkinPixel(kPngPageList.Id, 300 - kPageX, 515), canvas.Pixel(300, 515));
    EXPECT_TRUE(DiffersFromPage(canvas, kFirstCell)) << "the strip shows the current theme";
    EXPECT_TRUE(DiffersFromPage(canvas, kFirstPreview)) << "the list shows the installed theme";

    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(1u, panel.WaitForExit(kPanelExitMs));
}
