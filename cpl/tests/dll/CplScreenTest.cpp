// The page in the stand-alone sheet as a user meets it: what the screen
// shows once it has opened, and what the mouse does to it, read back from
// the screen. Writes screenshots/settings-page-*.png for people to look at.

#include "CplLibrary.h"

#include "ArchiveFixtures.h"
#include "MessagePump.h"
#include "MouseInput.h"
#include "PopupMenuWatch.h"
#include "ScreenCapture.h"
#include "TestThemes.h"

#include <gtest/gtest.h>

namespace {

// The themes' pictures, one colour each (0xRRGGBB); the pressed one only
// in Red.
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kAmber = 0xFFAA00;
constexpr int kSide = 32;
constexpr int kPicture = kSide * kSide;
constexpr DWORD kShowMs = 5000;
constexpr DWORD kRefillMs = 8000;
// The templates' controls, and the sheet's Apply button.
constexpr int kBarArea = 1005, kStripArea = 1011, kPreviewArea = 1009, kTabArea = 1008;
constexpr int kStripScroll = 1017, kPreviewScroll = 1010, kApplyButton = 0x3021;
const wchar_t kSettingsKey[] = L"SOFTWARE\\Kelmora\\Trivane";

TestCursor Cursor(int32_t role, int32_t state, uint32_t rgb)
{
    return {role, state, kSide, kSide, 1, 0xFF000000u | rgb};
}

RECT ScreenRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int Shown(const RECT& area, uint32_t rgb)
{
    return FindColourOnScreen(area, rgb).Count;
}

// A child dialog of the page by a control it holds.
HWND ChildHolding(HWND page, int controlId)
{
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgItem(child, controlId))
            return child;
    }
    return nullptr;
}

// Text of the bar's buttons is blue (away colour), whatever font draws it.
int BluePixels(const RECT& area)
{
    std::unique_ptr<DibCanvas> canvas = CopyScreen(area);
    int count = 0;
    for (int y = 0; y < canvas->Height(); ++y) {
        for (int x = 0; x < canvas->Width(); ++x) {
            const uint32_t pixel = canvas->Pixel(x, y);
            if ((pixel & 0xFF) > 160 && ((pixel >> 8) & 0xFF) < 100 && ((pixel >> 16) & 0xFF) < 100)
                ++count;
        }
    }
    return count;
}

DWORD StoredDword(const wchar_t* name)
{
    DWORD value = 0xDEADBEEF, size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

void Screenshot(HWND sheet, const wchar_t* name)
{
    PumpMessagesFor(200);
    EXPECT_TRUE(WriteScreenshot(name, *CopyClientFromScreen(sheet)));
}

std::vector<std::wstring> RightClickMenu(POINT at)
{
    PopupMenuWatch watch(3000);
    ClickMouse(at, MouseButton::Right);
    return watch.Items();
}

class SettingsPageScreenshot : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(nullptr, FindWindowW(L"Pavolt", nullptr));
        // Away from where the sheet opens: nothing is hovered at first.
        MoveMouseTo({1270, 1010});
    }

    void TearDown() override
    {
        if (sheet_)
            CloseSheet(sheet_);
    }

    void WriteThemes()
    {
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Red.Trivane"),
                                  {Cursor(0, 1, kRed), Cursor(0, 2, kGreen), Cursor(1, 1, kRed)}));
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Blue.Trivane"),
                                  {Cursor(0, 1, kBlue), Cursor(5, 1, kBlue)}));
        const std::string archive = SchemeArchive("[Arrow]\r\nFrames=1\r\nStdCursor=0\r\n",
                                                  {{"Arrow.png", PngBytes(kSide, kSide, kAmber)}})
                                        .File;
        ASSERT_TRUE(
            WriteBytesToFile(themes_.File(L"Amber.PvltTheme"), archive.data(), archive.size()));
    }

    void Open()
    {
        ASSERT_TRUE(library_.StandAlone(&sheet_));
        page_ = reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
        themePane_ = ChildHolding(page_, kStripScroll);
        optionsHost_ = ChildHolding(page_, kTabArea);
        ASSERT_TRUE(themePane_ && optionsHost_);
        strip_ = ScreenRect(GetDlgItem(themePane_, kStripArea));
        preview_ = ScreenRect(GetDlgItem(themePane_, kPreviewArea));
        bar_ = ScreenRect(GetDlgItem(page_, kBarArea));
    }

    // The bar's buttons in the Parts' layout: "Options >>" at 333 and
    // "<< Themes" ending where it ends.
    POINT OptionsButton() const { return {bar_.left + 333 + 25, bar_.top + 2 + 7}; }

    SavedSettings settings_;
    SavedThemesFolder themes_;
    TempFolder folder_;
    CplLibrary library_{folder_};
    HWND sheet_ = nullptr, page_ = nullptr, themePane_ = nullptr, optionsHost_ = nullptr;
    RECT strip_{}, preview_{}, bar_{};
};

}  // namespace

// The strip, the preview and the bar show without input; a click chooses
// a theme, a press shows its pressed pictures until the release, and a
// right click offers Delete, also after the strip was refilled.
TEST_F(SettingsPageScreenshot, TheThemePaneShowsItsThemesAndAnswersTheMouse)
{
    WriteThemes();
    Open();
    const DWORD opened = GetTickCount();
    EXPECT_TRUE(PumpMessagesUntil(
        [&] {
            return Shown(strip_, kRed) == kPicture && Shown(strip_, kBlue) == kPicture &&
                   Shown(strip_, kAmber) == kPicture;
        },
        kShowMs))
        << "one cell per theme, the archive's too";
    RecordProperty("shown after ms", static_cast<int>(GetTickCount() - opened));
    EXPECT_GT(BluePixels(bar_), 50) << "the bar's text buttons";
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(themePane_, kStripScroll)) &&
                IsWindowVisible(GetDlgItem(themePane_, kPreviewScroll)));
    EXPECT_EQ(0, Shown(preview_, kRed) + Shown(preview_, kBlue)) << "no theme chosen yet";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet_, kApplyButton)));

    ClickMouse(FindColourOnScreen(strip_, kBlue).Centre);
    EXPECT_EQ(2 * kPicture, Shown(preview_, kBlue)) << "Blue's two roles";
    ClickMouse(FindColourOnScreen(strip_, kRed).Centre);
    EXPECT_EQ(2 * kPicture, Shown(preview_, kRed));
    EXPECT_EQ(0, Shown(preview_, kBlue));
    Screenshot(sheet_, L"settings-page-themes.png");

    // Between the two cells lies the preview list itself.
    const POINT list = FindColourOnScreen(preview_, kRed).Centre;
    PressMouse(list);
    EXPECT_EQ(kPicture, Shown(preview_, kGreen)) << "role 0 pressed, role 1 has no pressed look";
    ReleaseMouse(list);
    EXPECT_EQ(0, Shown(preview_, kGreen));
    EXPECT_EQ(2 * kPicture, Shown(preview_, kRed));

    const std::vector<std::wstring> deleteOnly{L"Delete"};
    EXPECT_EQ(deleteOnly, RightClickMenu(FindColourOnScreen(strip_, kRed).Centre));
    ASSERT_TRUE(DeleteFileW(themes_.File(L"Blue.Trivane").c_str()));
    EXPECT_TRUE(PumpMessagesUntil([&] { return Shown(strip_, kBlue) == 0; }, kRefillMs));
    EXPECT_EQ(deleteOnly, RightClickMenu(FindColourOnScreen(strip_, kRed).Centre))
        << "after the refill";
}

// "Options >>" swaps in the options pane with its tabs; the drags there
// are what Apply stores; "<< Themes" swaps back. The bar shows one of the
// two buttons at a time.
TEST_F(SettingsPageScreenshot, TheOptionsPaneShowsItsTabsAndApplyStoresItsDrags)
{
    WriteThemes();
    Open();
    ASSERT_TRUE(PumpMessagesUntil([&] { return Shown(strip_, kRed) == kPicture; }, kShowMs));
    ClickMouse(FindColourOnScreen(strip_, kRed).Centre);

    ClickMouse(OptionsButton());
    EXPECT_FALSE(IsWindowVisible(themePane_));
    ASSERT_TRUE(IsWindowVisible(optionsHost_));
    const RECT tabs = ScreenRect(GetDlgItem(optionsHost_, kTabArea));
    MoveMouseTo({tabs.right - 5, tabs.bottom - 5});
    EXPECT_TRUE(ShowsWhatARepaintShows(page_)) << "nothing left of the theme pane or the button";
    const struct {
        int TabX;
        const wchar_t* Screenshot;
    } tabRows[] = {{5, L"settings-page-options-opacity.png"},
                   {200, L"settings-page-options-color.png"},
                   {100, L"settings-page-options-shadow.png"}};
    std::vector<std::unique_ptr<DibCanvas>> pictures;
    for (const auto& row : tabRows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.Screenshot)));
        ClickMouse({tabs.left + row.TabX + 15, tabs.top + 8});
        MoveMouseTo({tabs.right - 5, tabs.bottom - 5});
        EXPECT_EQ(kPicture, Shown(tabs, kRed)) << "the chosen theme's first picture";
        EXPECT_TRUE(ShowsWhatARepaintShows(optionsHost_));
        Screenshot(sheet_, row.Screenshot);
        pictures.push_back(CopyScreen(tabs));
    }
    EXPECT_FALSE(SamePixels(*pictures[0], *pictures[1]));
    EXPECT_FALSE(SamePixels(*pictures[1], *pictures[2]));

    // The shadow page's knobs (11 x 19, centred on x + 5) sit where the
    // stored values put them: Sharpness 8 of 0-100 on 20-155, Darkness 192
    // of 0-255 on 235-370, both on the track at 290 of the page.
    const POINT page{tabs.left, tabs.top + 20};
    const int knobY = page.y + 290 - 10 + 9;
    DragMouse({page.x + 20 + 135 * 8 / 100 + 5, knobY}, {page.x + 300, knobY});
    DragMouse({page.x + 235 + 135 * 192 / 255 + 5, knobY}, {tabs.right + 40, knobY});
    const POINT picture = FindColourOnScreen(tabs, kRed).Centre;
    DragMouse(picture, {picture.x + 12, picture.y + 7});
    EXPECT_EQ(kPicture, Shown(tabs, kRed)) << "the picture stays, its shadow moves";
    ClickMouse(Centre(ScreenRect(GetDlgItem(sheet_, kApplyButton))));
    EXPECT_EQ(100u, StoredDword(L"ShadowSharpness"));
    EXPECT_EQ(255u, StoredDword(L"ShadowDark"));
    EXPECT_EQ(8u + 12u, StoredDword(L"ShadowX")) << "the stored 8 moved by the drag";
    EXPECT_EQ(8u + 7u, StoredDword(L"ShadowY"));
    EXPECT_EQ(255u, StoredDword(L"Transparency"));
    EXPECT_EQ(0u, StoredDword(L"Disabled"));

    ClickMouse(OptionsButton());
    EXPECT_TRUE(IsWindowVisible(themePane_));
    EXPECT_FALSE(IsWindowVisible(optionsHost_));
    MoveMouseTo({bar_.right + 40, bar_.bottom + 40});
    EXPECT_TRUE(ShowsWhatARepaintShows(page_));
    EXPECT_EQ(kPicture, Shown(strip_, kRed));
}
