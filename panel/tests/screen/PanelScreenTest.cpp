// The panel as a user meets it: every page, sub-tab and small dialog read
// back from the screen (screenshots/panel-*.png), and what real mouse input
// does to the pictures of its buttons, hover bars, scroll thumbs and shadow
// preview.

#include "PanelScreenFixture.h"

using namespace panel_screen;

namespace {

using PanelScreenshot = PanelScreen;
using PanelOnScreen = PanelScreen;

}  // namespace

// Each page over its own panel picture with what it lists; the theme
// cursors page with the theme's pictures; the three settings sub-tabs.
TEST_F(PanelScreenshot, EveryPageAndSubTabIsDrawn)
{
    WriteLibrary();
    Open();
    const struct {
        int Tab;
        int Page;
        int PagePng;
        const wchar_t* Screenshot;
    } pages[] = {
        {kThemesTab, kThemesPage, kPngPageList.Id, L"panel-themes.png"},
        {kEffectsTab, kEffectsPage, kPngPageTwoLists.Id, L"panel-effects.png"},
        {kTrailsTab, kTrailsPage, kPngPageList.Id, L"panel-trails.png"},
        {kSoundsTab, kSoundsPage, kPngPageTwoLists.Id, L"panel-sounds.png"},
        {kOnlineTab, kOnlineThemesPage, kPngPagePlain.Id, L"panel-online-themes.png"},
        {kAboutTab, kAboutPage, kPngPagePlain.Id, L"panel-about.png"},
        {kSettingsTab, kSettingsPage, kPngPageSettings.Id, L"panel-settings-appearance.png"},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(page.Screenshot)));
        ShowPage(page.Tab);
        const LMObj* panel = Library.Pages[static_cast<size_t>(page.Page)];
        EXPECT_TRUE(ShowsSkin(panel, kPlainSpot, page.PagePng, kPlainSpot)) << "its panel";
        EXPECT_TRUE(ShowsWhatARepaintShows(dialog_));
        if (page.Page == kThemesPage) {
            EXPECT_GT(ColourOn(Library.ThemeList.Container, kAspen), 100);
            EXPECT_GT(ColourOn(Library.ThemeList.Container, kJuniper), 100);
        }
        Screenshot(page.Screenshot);
    }
    // Each sub-tab shows its own panel: the hot key's push button on
    // General, sliders on the other two.
    const struct {
        int Index;
        const wchar_t* Screenshot;
    } subTabs[] = {{1, L"panel-settings-shadow.png"}, {2, L"panel-settings-general.png"}};
    std::unique_ptr<DibCanvas> shown = CopyClientFromScreen(dialog_);
    for (const auto& subTab : subTabs) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(subTab.Screenshot)));
        Click(PanelShell.SubTabs[static_cast<size_t>(subTab.Index)]);
        std::unique_ptr<DibCanvas> now = CopyClientFromScreen(dialog_);
        EXPECT_FALSE(SamePixels(*shown, *now));
        EXPECT_TRUE(ShowsWhatARepaintShows(dialog_));
        shown = std::move(now);
        Screenshot(subTab.Screenshot);
    }
    EXPECT_TRUE(
        ShowsSkin(Control(92), {3, Control(92)->VisibleHeight / 2}, kPngButtonDefault.Id, {3, 7}));

    ShowPage(kThemesTab);
    ClickMouse(ThemeRow(1));
    PumpMessagesFor(800);  // the row buttons wait 750 ms after a row click
    Click(Library.RowButtons.Cursors);
    EXPECT_TRUE(
        ShowsSkin(Library.Pages[kThemeCursorsPage], kPlainSpot, kPngPageCursors.Id, kPlainSpot));
    EXPECT_GT(ColourOn(Library.CursorGrid, kAspen), 100) << "Aspen's pictures in the grid";
    Screenshot(L"panel-theme-cursors.png");
}

// The theme properties and the hot-key dialog over the panel.
TEST_F(PanelScreenshot, TheSmallDialogsAreDrawn)
{
    WriteLibrary();
    Open();
    ClickMouse(ThemeRow(2));
    PumpMessagesFor(800);
    MoveMouseTo(Centre(Library.RowButtons.Properties));
    std::unique_ptr<DibCanvas> properties = PictureOfModalDialog(
        L"Theme properties", IDCANCEL, [&] { ClickMouse(Centre(Library.RowButtons.Properties)); });
    ASSERT_NE(nullptr, properties) << "the properties dialog showed";
    EXPECT_TRUE(HasMoreThanOneColour(*properties));
    EXPECT_TRUE(WriteScreenshot(L"panel-theme-properties.png", *properties));

    ShowPage(kSettingsTab);
    Click(PanelShell.SubTabs[2]);
    std::unique_ptr<DibCanvas> hotKey =
        PictureOfModalDialog(UiText(68), IDCANCEL, [&] { ClickMouse(Centre(Control(92))); });
    ASSERT_NE(nullptr, hotKey) << "the hot-key dialog showed";
    EXPECT_TRUE(HasMoreThanOneColour(*hotKey));
    EXPECT_TRUE(WriteScreenshot(L"panel-hot-key.png", *hotKey));
}

// Hovered "Over", pressed "Down", released "Over" again and "Default" once
// the pointer has gone, on every page's push buttons.
TEST_F(PanelOnScreen, PushButtonsShowOverDownAndDefault)
{
    WriteLibrary();
    Open();
    const struct {
        int Tab, SubTab, Id;
        const wchar_t* Dialog;  // the button opens it
    } buttons[] = {
        {kThemesTab, -1, 93, nullptr},     {kThemesTab, -1, 26, nullptr},
        {kEffectsTab, -1, 90, nullptr},    {kTrailsTab, -1, 91, nullptr},
        {kSoundsTab, -1, 105, nullptr},    {kSettingsTab, 0, 95, nullptr},
        {kSettingsTab, 2, 92, L"Hot key"},
    };
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.Id);
        ShowPage(button.Tab);
        if (button.SubTab >= 0)
            Click(PanelShell.SubTabs[static_cast<size_t>(button.SubTab)]);
        const CQVObj* control = Control(button.Id);
        ASSERT_NE(nullptr, control);
        // The left border column keeps the picture's own pixels.
        const POINT edge{3, control->VisibleHeight / 2};
        auto shows = [&](int pngId) { return ShowsSkin(control, edge, pngId, {3, 7}); };
        EXPECT_TRUE(shows(kPngButtonDefault.Id));
        MoveMouseTo(Centre(control));
        EXPECT_TRUE(shows(kPngButtonOver.Id)) << "hovered";
        PressMouse(Centre(control));
        EXPECT_TRUE(shows(kPngButtonDown.Id)) << "pressed";
        {
            std::unique_ptr<DialogWatch> watch;
            if (button.Dialog)
                watch = std::make_unique<DialogWatch>(button.Dialog, IDCANCEL, 5000);
            ReleaseMouse(Centre(control));
        }
        if (!button.Dialog) {
            EXPECT_TRUE(shows(kPngButtonOver.Id)) << "released";
        }
        MoveAway();
        EXPECT_TRUE(shows(kPngButtonDefault.Id)) << "left";
    }
}

// A list's hover bar goes out when the pointer jumps straight to another
// control; a row button the pointer jumps onto acts on its own row.
TEST_F(PanelOnScreen, HoverBarsFollowThePointerAndRowButtonsTheirRow)
{
    WriteLibrary();
    Open();
    const LMObj* bar = Library.ThemeList.HoverBar;
    const POINT onRow = At(Library.ThemeList.Container, 5, 2 * 62 + 31);
    const uint32_t unlit = ScreenPixel(onRow);
    MoveMouseTo(ThemeRow(2));
    EXPECT_TRUE(bar->Shown);
    EXPECT_NE(unlit, ScreenPixel(onRow)) << "lit on row 2";
    MoveMouseTo(Centre(Library.SideTabs[kEffectsTab]));
    PumpMessagesFor(200);
    EXPECT_FALSE(bar->Shown);
    EXPECT_EQ(unlit, ScreenPixel(onRow)) << "out when the pointer jumps to a side tab";
    EXPECT_TRUE(ShowsWhatARepaintShows(dialog_));

    ClickMouse(ThemeRow(1));
    PumpMessagesFor(800);
    MoveMouseTo(ThemeRow(2));
    const size_t launches = world_.Launches.size();
    ClickMouse(Centre(Library.RowButtons.Edit));
    ASSERT_EQ(launches + 1, world_.Launches.size()) << "the first click counts";
    EXPECT_EQ(L"\"" + themes_.File(L"Aspen.Trivane") + L"\"",
              world_.Launches.back().Parameters.value_or(L""))
        << "the row the button rides on";
}

// The wheel over a list that fits leaves its thumb, like the list, at the top.
TEST_F(PanelOnScreen, TheWheelLeavesAListThatFitsAtItsTop)
{
    WriteLibrary();
    Open();
    ShowPage(kTrailsTab);
    const LMObj* thumb = Library.TrailList.Thumb;
    const int top = thumb->VisibleY;
    TurnWheel(Centre(Library.TrailList.Container), -3);
    WaitUntilStill(dialog_);
    EXPECT_EQ(top, thumb->VisibleY);
    EXPECT_TRUE(ShowsSkin(thumb, {8, 5}, kPngScrollThumb.Id, {8, 5}));
    EXPECT_EQ(0, Library.TrailList.Container->VisibleY);
}

// The settings page's preview is redrawn by every slider and by an apply
// of another theme.
TEST_F(PanelOnScreen, TheShadowPreviewFollowsItsSlidersAndTheAppliedTheme)
{
    WriteLibrary();
    Open();
    ClickMouse(ThemeRow(1));
    ClickMouse(ThemeRow(1));  // a quick second click applies Aspen
    ASSERT_TRUE(PumpMessagesUntil([] { return PanelCurrentTheme != nullptr; }, 3000));
    ClickMouse(ThemeRow(2));  // Juniper chosen, not applied
    ShowPage(kSettingsTab);
    Click(PanelShell.SubTabs[1]);
    const LMObj* preview = ShadowPage.Preview;
    ASSERT_NE(nullptr, preview);
    EXPECT_GT(ColourOn(preview, kAspen), 100);
    // The shadow lies around the picture.
    const RECT around = ScreenRectOf(preview, 24);
    std::unique_ptr<DibCanvas> before = CopyScreen(around);

    const LMObj* darkness = Slider(19);
    ASSERT_NE(nullptr, darkness);
    DragMouse(Centre(darkness), {Centre(darkness).x + 60, Centre(darkness).y});
    MoveAway();
    EXPECT_FALSE(SamePixels(*before, *CopyScreen(around))) << "a darker shadow";
    EXPECT_TRUE(ShowsWhatARepaintShows(dialog_));

    Click(Control(95));
    EXPECT_GT(ColourOn(preview, kJuniper), 100) << "the theme Apply composed";
    EXPECT_EQ(0, ColourOn(preview, kAspen));
    EXPECT_TRUE(ShowsWhatARepaintShows(dialog_));
}
