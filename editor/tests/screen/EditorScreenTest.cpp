// The editor as a user meets it: the main frame with a theme open, each of
// its four tabs chosen with the mouse, the theme's Properties dialog and the
// open dialog, read back from the screen (screenshots/editor-*.png).

#include "CEditorMFCView.h"
#include "DialogWatch.h"
#include "DocViewIds.h"
#include "DocViewTexts.h"
#include "EditorIds.h"
#include "EditorTestSupport.h"
#include "MessagePump.h"
#include "MouseInput.h"
#include "ScreenCapture.h"
#include "SoundFixtures.h"
#include "TestThemes.h"

#include <commctrl.h>

#include <functional>
#include <memory>

namespace {

constexpr uint32_t kArrow = 0xD0452F, kHelp = 0x3A9E4C, kGrey = 0x808080;
constexpr POINT kAway{1270, 1010};

TestCursor Flat(int32_t role, uint32_t rgb)
{
    TestCursor cursor;
    cursor.Role = role;
    cursor.Colour = 0xFF000000u | rgb;
    return cursor;
}

RECT ScreenRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class EditorScreenshot : public EditorAppTest {
protected:
    void SetUp() override { MoveMouseTo(kAway); }

    void OpenTheme()
    {
        std::unique_ptr<CTheme> theme = MakeTestTheme({Flat(0, kArrow), Flat(1, kHelp)});
        AddTestEffect(*theme, 0);
        AddTestTrail(*theme, 0);
        AddTestSound(*theme, 0, MakeWave(64));
        const std::wstring path = folder_.File(L"Meadow.Trivane");
        ASSERT_TRUE(SaveTestTheme(path, *theme));
        ASSERT_TRUE(Start(L"\"" + path + L"\"", SW_SHOWNORMAL));
        SetForegroundWindow(MainWindow());
        ASSERT_FALSE(Document(0)->Views().empty());
        view_ = dynamic_cast<CEditorMFCView*>(Document(0)->Views().front());
        ASSERT_NE(nullptr, view_);
        ASSERT_TRUE(WaitUntilStill(MainWindow()));
    }

    void ChooseTab(int tab)
    {
        HWND tabs = GetDlgItem(view_->TabHost, kIdTabControl);
        RECT item{};
        SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(tab),
                     reinterpret_cast<LPARAM>(&item));
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&item), 2);
        ClickMouse({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        MoveMouseTo(kAway);
        EXPECT_TRUE(WaitUntilStill(MainWindow()));
    }

    CEditorMFCView* view_ = nullptr;
};

}  // namespace

// Each tab shows its page with the theme's pictures where its grid lies;
// the cursors page's right column is in view, with no scroll bar.
TEST_F(EditorScreenshot, EachTabShowsItsPage)
{
    OpenTheme();
    HWND client = app_->MainFrame()->MDIClient();
    RECT visible{};
    GetClientRect(client, &visible);
    MapWindowPoints(client, nullptr, reinterpret_cast<POINT*>(&visible), 2);
    for (UINT control : {kIdCenterButton, kIdAlternateCheck}) {
        SCOPED_TRACE(control);
        EXPECT_TRUE(Inside(ScreenRect(GetDlgItem(view_->CursorPane, control)), visible));
    }
    const struct {
        int Tab;
        HWND Scene;
        uint32_t Colour;
        int Pixels;
        const wchar_t* Screenshot;
    } tabs[] = {
        {kCursorsTab, view_->CursorsSceneHost, kHelp, 32 * 32, L"editor-cursors.png"},
        {kEffectsTab, view_->EffectsSceneHost, kGrey, 8 * 8, L"editor-effects.png"},
        {kTrailsTab, view_->TrailsSceneHost, kGrey, 4 * 4, L"editor-trails.png"},
        {kSoundsTab, nullptr, 0, 0, L"editor-sounds.png"},
    };
    for (const auto& tab : tabs) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(tab.Screenshot)));
        ChooseTab(tab.Tab);
        EXPECT_EQ(tab.Tab, view_->CurrentTab);
        if (tab.Scene) {
            // The hot-spot marker lies over a corner of each picture.
            EXPECT_GE(FindColourOnScreen(ScreenRect(tab.Scene), tab.Colour).Count, tab.Pixels / 3)
                << "the theme's picture in the grid";
        } else {
            EXPECT_TRUE(IsWindowVisible(view_->SoundsPage));
        }
        EXPECT_TRUE(ShowsWhatARepaintShows(MainWindow()));
        EXPECT_TRUE(WriteScreenshot(tab.Screenshot, *CopyClientFromScreen(MainWindow())));
    }
}

// The theme's Properties dialog and the open dialog over the editor.
TEST_F(EditorScreenshot, ItsDialogsAreDrawn)
{
    OpenTheme();
    boxes_.SetAnswer(IDCANCEL);
    const struct {
        const wchar_t* Caption;
        UINT Command;
        const wchar_t* Screenshot;
    } dialogs[] = {{L"Theme properties", kIdThemeProperties, L"editor-properties.png"},
                   {kTextOpenTitle, kIdFileOpen, L"editor-open-dialog.png"}};
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(dialog.Screenshot)));
        std::unique_ptr<DibCanvas> picture =
            PictureOfModalDialog(dialog.Caption, IDCANCEL, [&] { Command(dialog.Command); });
        ASSERT_NE(nullptr, picture) << "the dialog showed";
        EXPECT_TRUE(HasMoreThanOneColour(*picture));
        EXPECT_TRUE(WriteScreenshot(dialog.Screenshot, *picture));
    }
}
