// The panel as a user meets it: every page, sub-tab and small dialog read
// back from the screen (screenshots/panel-*.png), and what real mouse input
// does to the pictures of its buttons, hover bars, scroll thumbs and shadow
// preview; and how well every text reads on the skin under it.

#include "CQVSliderObj.h"
#include "DialogWatch.h"
#include "LMObjGlobals.h"
#include "LibraryRows.h"
#include "LibraryTestSupport.h"
#include "MainDialogTestSupport.h"
#include "MessagePump.h"
#include "MouseInput.h"
#include "PanelImages.h"
#include "PanelShell.h"
#include "ScreenCapture.h"
#include "SkinImages.h"
#include "SoundFixtures.h"
#include "TextContrast.h"

#include <functional>
#include <memory>

namespace {

// The two themes' pictures, one colour each (0xRRGGBB).
constexpr uint32_t kAspen = 0xE0307A, kJuniper = 0x2F9FD0;
constexpr int kTolerance = 2;
constexpr POINT kAway{1270, 1010};
// Where every page panel shows its own picture, in its left margin.
constexpr POINT kPlainSpot{5, 300};

TestCursor FlatCursor(uint32_t rgb)
{
    TestCursor cursor;
    cursor.Colour = 0xFF000000u | rgb;
    return cursor;
}

uint32_t SkinPixel(int pngId, int x, int y)
{
    std::unique_ptr<LMBitmap> bitmap(LoadSkinBitmap(pngId));
    return bitmap ? *bitmap->PixelAt(x, y) & 0xFFFFFF : 0xDEADBEEF;
}

uint32_t ScreenPixel(POINT at)
{
    return CopyScreen(RECT{at.x, at.y, at.x + 1, at.y + 1})->Pixel(0, 0) & 0xFFFFFF;
}

// A point of an object on the screen, in the object's own coordinates.
POINT At(const LMObj* object, int x, int y)
{
    auto* holder = const_cast<LMObj*>(object)->FindWindowObj();
    int offsetX = 0, offsetY = 0;
    const_cast<LMObj*>(object)->GetScreenOffset(&offsetX, &offsetY);
    POINT point{offsetX + x, offsetY + y};
    ClientToScreen(holder->Window, &point);
    return point;
}

POINT Centre(const LMObj* object)
{
    return At(object, object->VisibleWidth / 2, object->VisibleHeight / 2);
}

// The object's visible rectangle on the screen, grown by margin on each side.
RECT ScreenRectOf(const LMObj* object, int margin = 0)
{
    const POINT corner = At(object, 0, 0);
    return {corner.x - margin, corner.y - margin, corner.x + object->VisibleWidth + margin,
            corner.y + object->VisibleHeight + margin};
}

// Whether the object's point shows the skin picture's point.
bool ShowsSkin(const LMObj* object, POINT at, int pngId, POINT inPicture)
{
    return NearColour(ScreenPixel(At(object, at.x, at.y)),
                      SkinPixel(pngId, inPicture.x, inPicture.y), kTolerance);
}

class PanelScreen : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        MoveMouseTo(kAway);
    }

    void WriteLibrary()
    {
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Aspen.Trivane"),
                                  *NamedTheme(L"Aspen", {FlatCursor(kAspen)})));
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Juniper.Trivane"),
                                  *NamedTheme(L"Juniper", {FlatCursor(kJuniper)})));
        ASSERT_TRUE(
            SaveTestTheme(themes_.File(L"Ripples.Trivane"), *SpriteTheme(L"Ripples", {0, 3}, {})));
        ASSERT_TRUE(SaveTestTheme(themes_.File(L"Dots.Trivane"), *SpriteTheme(L"Dots", {}, {0})));
        const std::string wave = MakeWave(64);
        ASSERT_TRUE(WriteBytesToFile(sounds_.File(L"Click.wav"), wave.data(), wave.size()));
    }

    void Open()
    {
        ASSERT_NE(nullptr, OpenDialog());
        ShowWindow(dialog_, SW_SHOW);
        SetForegroundWindow(dialog_);
        ASSERT_TRUE(WaitUntilStill(dialog_));
    }

    CQVObj* Control(int id) const { return FindControl(PanelShell.Root.get(), id); }

    static const CQVSliderObj* FindSlider(const LMObj* object, int id)
    {
        const auto* slider = dynamic_cast<const CQVSliderObj*>(object);
        if (slider && slider->ControlId == id)
            return slider;
        for (const LMObj* child : object->Children) {
            if (const CQVSliderObj* found = FindSlider(child, id))
                return found;
        }
        return nullptr;
    }
    const LMObj* Slider(int id) const { return FindSlider(PanelShell.Root.get(), id); }

    // The pointer leaves the dialog; Wine tells the window a moment later.
    void MoveAway()
    {
        MoveMouseTo(kAway);
        PumpMessagesUntil([] { return HoveredObject == nullptr; }, 1000);
        EXPECT_TRUE(WaitUntilStill(dialog_));
    }

    // A side tab clicked, and the page faded in.
    void ShowPage(int tab)
    {
        ClickMouse(Centre(Library.SideTabs[static_cast<size_t>(tab)]));
        MoveAway();
    }

    void Click(const LMObj* object)
    {
        ClickMouse(Centre(object));
        MoveAway();
    }

    // A theme row of the list, 62 pixels each, row 0 for no theme.
    POINT ThemeRow(int row) const { return At(Library.ThemeList.Container, 300, row * 62 + 31); }

    void Screenshot(const wchar_t* name)
    {
        EXPECT_TRUE(WriteScreenshot(name, *CopyClientFromScreen(dialog_)));
    }

    int ColourOn(const LMObj* area, uint32_t rgb) const
    {
        return FindColourOnScreen(ScreenRectOf(area), rgb).Count;
    }

    // Every text shown now on what lies under it; `view` names them.
    void ExpectTextsRead(const char* view)
    {
        ASSERT_TRUE(WaitUntilStill(dialog_));
        ::ExpectTextsRead(ShownTexts(PanelShell.Root.get()), {dialog_}, view);
    }
};

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

// Each page, sub-tab and the theme cursors page, with a list's rows on its
// hover and selection bars and a side tab's band faded in.
TEST_F(PanelOnScreen, EveryTextReadsOnTheSkinUnderIt)
{
    WriteLibrary();
    Open();
    ClickMouse(ThemeRow(1));
    PumpMessagesFor(800);
    MoveMouseTo(ThemeRow(2));
    ExpectTextsRead("themes, rows lit");
    MoveMouseTo(Centre(Library.SideTabs[kEffectsTab]));
    ExpectTextsRead("side tab hovered");
    const std::pair<int, const char*> pages[] = {
        {kEffectsTab, "effects"},      {kTrailsTab, "trails"}, {kSoundsTab, "sounds"},
        {kOnlineTab, "online themes"}, {kAboutTab, "about"},   {kSettingsTab, "settings"}};
    for (const auto& [tab, view] : pages) {
        ShowPage(tab);
        ExpectTextsRead(view);
    }
    Click(PanelShell.SubTabs[1]);
    ExpectTextsRead("settings, shadow");
    Click(PanelShell.SubTabs[2]);
    ExpectTextsRead("settings, general");
    ShowPage(kThemesTab);
    ClickMouse(ThemeRow(1));
    PumpMessagesFor(800);  // the row buttons wait 750 ms after a row click
    Click(Library.RowButtons.Cursors);
    ExpectTextsRead("theme cursors");
}
