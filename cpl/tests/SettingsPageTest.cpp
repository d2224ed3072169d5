// The page in the test program: set-up from the stored setting, the bar's
// commands, Properties, the Apply road, and what a closed page leaves behind.

#include "ChildProcess.h"
#include "CplTestSupport.h"

#include "CThemePane.h"
#include "CplModule.h"
#include "CplResources.h"
#include "LMObjGlobals.h"
#include "LMObjWindow.h"
#include "LMPaintBuffer.h"
#include "LMTextState.h"
#include "LMToolkit.h"
#include "SettingsPage.h"
#include "TempFolder.h"
#include "ThemeLocations.h"

#include <cwchar>

using namespace cpl;

namespace {

std::string Text(const wchar_t* text)
{
    return std::string(reinterpret_cast<const char*>(text), (wcslen(text) + 1) * sizeof(wchar_t));
}

bool Shown(int32_t id)
{
    return PageState.Buttons[id] && PageState.Buttons[id]->Shown != 0;
}

// A left release on the button, or on an object of that id when no button has it.
void Click(int32_t id)
{
    CQVObj other(LMObjWindowless);
    other.Id = id;
    CQVObj* target = id > 0 && id < kBarButtonEnd ? PageState.Buttons[id] : &other;
    target->OnLButtonUp(1, 1, 0);
}

RECT RectInPage(HWND window, HWND page)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Launched with the page as parent, no verb, parameters or folder, shown
// normally, with no environment strings expanded (mask 0).
void ExpectPlainLaunch(const RecordingWorld::Launch& launch, HWND page)
{
    EXPECT_EQ(page, launch.Owner);
    EXPECT_TRUE(!launch.Verb && !launch.Parameters && !launch.Folder);
    EXPECT_EQ(SW_SHOWNORMAL, launch.Show);
    EXPECT_EQ(0u, launch.Mask);
}

}  // namespace

using SettingsPageTest = PageFixture;

TEST_F(SettingsPageTest, SetUpShowsTheStoredDisabledSetting)
{
    struct Row {
        const char* Label;
        DWORD Type;
        std::string Bytes;
        int32_t Greyed;
    } rows[] = {
        {"missing", REG_NONE, "", 0},
        {"DWORD 0", REG_DWORD, Dword(0), 0},
        {"DWORD 1", REG_DWORD, Dword(1), 1},
        {"REG_QWORD reads the default", REG_QWORD, Dword(1) + Dword(0), 0},
        {"REG_SZ over 4 bytes reads the default", REG_SZ, Text(L"on"), 0},
        {"one-character REG_SZ is 4 non-zero bytes", REG_SZ, Text(L"0"), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        settings_.Set(L"Disabled", row.Type, row.Bytes);
        ASSERT_NE(nullptr, OpenPage());
        EXPECT_EQ(row.Greyed, PageState.Greyed);
        EXPECT_EQ(row.Greyed != 0, Shown(kBarEnable));
        EXPECT_EQ(row.Greyed == 0, Shown(kBarDisable));
        EXPECT_TRUE(Shown(kBarOptions) && !Shown(kBarThemes) && PageState.Bar->Shown);
        ClosePage();
    }
}

TEST_F(SettingsPageTest, SetUpMakesTheKeyPlacesThePanesAndCountsThePage)
{
    TestSettingsKey missing(false);
    PageSettings().Key = missing.Key();
    ASSERT_NE(nullptr, OpenPage());
    EXPECT_TRUE(missing.Exists());
    EXPECT_EQ(L"TrivaneCpl", LMAppName);
    EXPECT_EQ(1, ObjectCount());

    RECT paneArea = RectInPage(GetDlgItem(page_, IDC_CPL_PANE_AREA), page_);
    RECT barArea = RectInPage(GetDlgItem(page_, IDC_CPL_BAR_AREA), page_);
    RECT themes = RectInPage(PageState.ThemePaneWindow, page_);
    RECT options = RectInPage(PageState.OptionsHost, page_);
    RECT bar = RectInPage(PageState.BarWindow, page_);
    EXPECT_TRUE(EqualRect(&paneArea, &themes) && EqualRect(&paneArea, &options));
    EXPECT_TRUE(EqualRect(&barArea, &bar));
    EXPECT_TRUE(HasVisibleStyle(PageState.ThemePaneWindow));
    EXPECT_FALSE(HasVisibleStyle(PageState.OptionsHost));

    // "<< Themes" ends where "Options >>" ends.
    CQVObj& optionsButton = *PageState.Buttons[kBarOptions];
    const CQVObj& themesButton = *PageState.Buttons[kBarThemes];
    EXPECT_EQ(optionsButton.VisibleX + optionsButton.VisibleWidth,
              themesButton.VisibleX + themesButton.VisibleWidth);
    auto* away = static_cast<LMTextState*>(optionsButton.FindState(L"Away"));
    auto* over = static_cast<LMTextState*>(optionsButton.FindState(L"Over"));
    ASSERT_TRUE(away && over && optionsButton.CurrentState == away);
    EXPECT_TRUE(away->TextColor == 0xFF0000 && over->TextColor == 0xFF3333);
    EXPECT_TRUE(optionsButton.HoverMode == 1 && optionsButton.CursorIndex == 14);
    ClosePage();
    EXPECT_EQ(0, ObjectCount());
}

TEST_F(SettingsPageTest, BarCommandsSwapButtonsPanesAndTheGreyedFlag)
{
    struct Row {
        std::vector<int32_t> Commands;
        int32_t Greyed;
        bool Options;  // the options host instead of the theme pane
        size_t Changes;
    } rows[] = {
        {{kBarDisable}, 1, false, 1},        {{kBarDisable, kBarEnable}, 0, false, 2},
        {{kBarOptions}, 0, true, 0},         {{kBarOptions, kBarThemes}, 0, false, 0},
        {{42, kBarProperties}, 0, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "last command " << row.Commands.back());
        ASSERT_NE(nullptr, OpenPage());
        SheetChanges.clear();
        for (int32_t command : row.Commands)
            Click(command);
        EXPECT_EQ(row.Greyed, PageState.Greyed);
        EXPECT_EQ(row.Greyed != 0, Shown(kBarEnable));
        EXPECT_EQ(row.Greyed == 0, Shown(kBarDisable));
        EXPECT_EQ(row.Options, HasVisibleStyle(PageState.OptionsHost));
        EXPECT_EQ(!row.Options, HasVisibleStyle(PageState.ThemePaneWindow));
        EXPECT_EQ(row.Options, Shown(kBarThemes));
        EXPECT_EQ(!row.Options, Shown(kBarOptions));
        EXPECT_EQ(std::vector<WPARAM>(row.Changes, reinterpret_cast<WPARAM>(page_)), SheetChanges);
        EXPECT_TRUE(world_.Launches.empty() && boxes_.Boxes().empty());
        ClosePage();
    }
    ASSERT_NE(nullptr, OpenPage());
    Click(kBarMoreThemes);
    ASSERT_EQ(1u, world_.Launches.size());
    EXPECT_EQ(kThemeLibraryAddress, world_.Launches[0].File);
    ExpectPlainLaunch(world_.Launches[0], page_);
}

TEST_F(SettingsPageTest, PropertiesDescribesTheChosenTheme)
{
    struct Row {
        const wchar_t* Name;
        const wchar_t* Path;
        const wchar_t* Text;  // null: no box
    } rows[] = {
        {L"Glass", L"C:\\t\\Glass.TRIVANE",
         L"Theme name: Glass\rPath: C:\\t\\Glass.TRIVANE\rFormat: Version 2"},
        {L"Old", L"C:\\t\\Old.pvlttheme",
         L"Theme name: Old\rPath: C:\\t\\Old.pvlttheme\rFormat: Version 1"},
        {L"Bare", L".Trivane", nullptr},
        {L"", L"", nullptr},
    };
    ASSERT_NE(nullptr, OpenPage());
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Path);
        size_t before = boxes_.Boxes().size();
        wcscpy(ThemePane.ChosenTheme.Title, row.Name);
        wcscpy(ThemePane.ChosenPath, row.Path);
        Click(kBarProperties);
        ASSERT_EQ(before + (row.Text ? 1 : 0), boxes_.Boxes().size());
        if (!row.Text)
            continue;
        const RecordedMessageBox& box = boxes_.Boxes().back();
        EXPECT_EQ(page_, box.Owner);
        EXPECT_EQ(row.Text, box.Text);
        EXPECT_EQ(L"Trivane", box.Caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), box.Type);
    }
    ThemePane.ChosenTheme = ThemeListEntry{};
    ThemePane.ChosenPath[0] = L'\0';
}

TEST_F(SettingsPageTest, ApplyStoresDisabledThenTellsOrStartsTheEngine)
{
    const UINT reapply = RegisterWindowMessageW(L"WM_TRV_REAPPLY");
    const UINT shutdown = RegisterWindowMessageW(L"WM_TRV_SHUTDOWN");
    HWND engine = reinterpret_cast<HWND>(0x4321);
    wchar_t themePath[MAX_PATH];
    GetCurrentThemePath(themePath);
    std::string themeBefore, themeAfter;
    ReadBytesFromFile(themePath, &themeBefore);
    struct Row {
        const char* Label;
        DWORD StoredType;
        std::string Stored;
        std::vector<int32_t> Commands;
        bool EngineRuns;
        DWORD Disabled;
        UINT Posted;  // 0: nothing posted
        bool Launched;
    } rows[] = {
        {"re-applied", REG_DWORD, Dword(0), {kBarDisable, kBarEnable}, true, 0, reapply, false},
        {"stopped", REG_DWORD, Dword(1), {}, true, 1, shutdown, false},
        {"started", REG_DWORD, Dword(1), {kBarEnable}, false, 0, 0, true},
        {"none to stop", REG_DWORD, Dword(0), {kBarDisable}, false, 1, 0, false},
        {"a text value becomes a DWORD", REG_SZ, Text(L"on"), {}, true, 0, reapply, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        settings_.Set(L"Disabled", row.StoredType, row.Stored);
        world_.Clear();
        world_.EngineWindow = row.EngineRuns ? engine : nullptr;
        ASSERT_NE(nullptr, OpenPage());
        for (int32_t command : row.Commands)
            Click(command);
        Apply();

        std::string bytes;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), settings_.Read(L"Disabled", &bytes));
        EXPECT_EQ(Dword(row.Disabled), bytes);
        EXPECT_EQ(static_cast<DWORD>(REG_NONE), settings_.Read(L"DisableShadow", &bytes));
        ASSERT_EQ(row.Posted ? 1u : 0u, world_.Posts.size());
        if (row.Posted) {
            const auto& [window, message, wParam, lParam] = world_.Posts[0];
            EXPECT_TRUE(window == engine && message == row.Posted);
            EXPECT_TRUE(wParam == 0 && lParam == 0);
        }
        ASSERT_EQ(row.Launched ? 1u : 0u, world_.Launches.size());
        if (row.Launched) {
            EXPECT_EQ(TestProgramFolder() + L"\\Trivane.exe", world_.Launches[0].File);
            ExpectPlainLaunch(world_.Launches[0], page_);
        }
        ClosePage();
    }
    ReadBytesFromFile(themePath, &themeAfter);
    EXPECT_EQ(themeBefore, themeAfter);
}

TEST_F(SettingsPageTest, TheLastPageLeavesNoTimerWindowOrClassBehind)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_NE(nullptr, OpenPage());
        // What a page in use arms: a paint through the buffer, an animation,
        // a window of the toolkit's own class, the anchor popup.
        ASSERT_TRUE(RegisterTopObjClass());
        EnsurePaintBuffer(16, 16);
        LMScheduler->Add(PageState.Buttons[kBarOptions], 50);
        GetTopmostAnchorWindow();
        EXPECT_TRUE(PaintBuffer.TimerId && LMScheduler->TimerId() && AnchorPopup);

        ClosePage();
        WNDCLASSEXW info{};
        info.cbSize = sizeof(info);
        EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TrivaneCplLMTopObj", &info));
        EXPECT_EQ(0u, PaintBuffer.TimerId);
        EXPECT_TRUE(!LMScheduler && !LMRootObj && !AnchorPopup);
        EXPECT_EQ(0, ObjectCount());
    }
}

TEST_F(SettingsPageTest, APageOpenedBesideAnotherStaysEmpty)
{
    ASSERT_NE(nullptr, OpenPage());
    HWND second = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CPL_PAGE),
                                     host_, SettingsPageProc, 0);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(page_, LivePageWindow());
    EXPECT_EQ(2, ObjectCount());
    EXPECT_EQ(nullptr, FindWindowExW(second, nullptr, L"#32770", nullptr));
    DestroyWindow(second);
    EXPECT_EQ(1, ObjectCount());
    Click(kBarDisable);
    EXPECT_TRUE(Shown(kBarEnable));
}
