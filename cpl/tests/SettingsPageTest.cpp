// The page in the test program: set-up from the stored setting, the bar's
// commands, Properties, the Apply road, and what a closed page leaves behind.

#include "CplTestSupport.h"

#include "CThemePane.h"
#include "CplModule.h"
#include "CplResources.h"
#include "LMObjGlobals.h"
#include "LMObjWindow.h"
#include "LMPaintBuffer.h"
#include "LMToolkit.h"
#include "SettingsPage.h"

#include <commctrl.h>
#include <prsht.h>

#include <cwchar>

using namespace cpl;

namespace {

struct StoredValue {
    DWORD Type;  // REG_NONE: no value
    std::string Bytes;
};

StoredValue Dword(DWORD value)
{
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof(value))};
}

StoredValue Text(const wchar_t* text)
{
    return {REG_SZ, std::string(reinterpret_cast<const char*>(text), (wcslen(text) + 1) * 2)};
}

void Store(const TestSettingsKey& key, const StoredValue& value)
{
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key.Key().c_str(), L"Disabled");
    if (value.Type != REG_NONE)
        key.SetRaw(L"Disabled", value.Type, value.Bytes.data(),
                   static_cast<DWORD>(value.Bytes.size()));
}

bool Shown(int32_t id)
{
    return PageState.Buttons[id] && PageState.Buttons[id]->Shown != 0;
}

void Click(int32_t id)
{
    PageState.Buttons[id]->OnLButtonUp(1, 1, 0);
}

RECT RectInPage(HWND window, HWND page)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring EngineBesideProgram()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text = path;
    return text.substr(0, text.find_last_of(L'\\')) + L"\\Trivane.exe";
}

}  // namespace

using SettingsPageTest = PageFixture;

TEST_F(SettingsPageTest, SetUpShowsTheStoredDisabledSetting)
{
    const DWORD kQword[2] = {1, 0};
    struct Row {
        const char* Label;
        StoredValue Value;
        int32_t Greyed;
    } rows[] = {
        {"missing", {REG_NONE, ""}, 0},
        {"DWORD 0", Dword(0), 0},
        {"DWORD 1", Dword(1), 1},
        {"REG_QWORD reads the default",
         {REG_QWORD, std::string(reinterpret_cast<const char*>(kQword), 8)},
         0},
        {"REG_SZ over 4 bytes reads the default", Text(L"on"), 0},
        {"one-character REG_SZ is 4 non-zero bytes", Text(L"0"), 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        Store(settings_, row.Value);
        ASSERT_NE(nullptr, OpenPage());
        EXPECT_EQ(row.Greyed, PageState.Greyed);
        EXPECT_EQ(row.Greyed != 0, Shown(kBarEnable));
        EXPECT_EQ(row.Greyed == 0, Shown(kBarDisable));
        EXPECT_TRUE(Shown(kBarOptions));
        EXPECT_FALSE(Shown(kBarThemes));
        EXPECT_TRUE(PageState.Bar->Shown);
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
    EXPECT_TRUE(EqualRect(&paneArea, &themes));
    EXPECT_TRUE(EqualRect(&paneArea, &options));
    EXPECT_TRUE(EqualRect(&barArea, &bar));
    EXPECT_TRUE(HasVisibleStyle(PageState.ThemePaneWindow));
    EXPECT_FALSE(HasVisibleStyle(PageState.OptionsHost));
    EXPECT_TRUE(HasVisibleStyle(PageState.BarWindow));

    // "<< Themes" ends where "Options >>" ends.
    const CQVObj& optionsButton = *PageState.Buttons[kBarOptions];
    const CQVObj& themesButton = *PageState.Buttons[kBarThemes];
    EXPECT_EQ(optionsButton.VisibleX + optionsButton.VisibleWidth,
              themesButton.VisibleX + themesButton.VisibleWidth);
    EXPECT_EQ(optionsButton.VisibleY, themesButton.VisibleY);

    ClosePage();
    EXPECT_EQ(0, ObjectCount());
}

TEST_F(SettingsPageTest, BarCommandsSwapButtonsAndPanes)
{
    struct Row {
        std::vector<int32_t> Commands;
        int32_t Greyed;
        bool Options;  // the options host instead of the theme pane
        size_t Changes;
    } rows[] = {
        {{kBarDisable}, 1, false, 1}, {{kBarDisable, kBarEnable}, 0, false, 2},
        {{kBarOptions}, 0, true, 0},  {{kBarOptions, kBarThemes}, 0, false, 0},
        {{42}, 0, false, 0},
    };
    Store(settings_, Dword(0));
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "commands ending " << row.Commands.back());
        ASSERT_NE(nullptr, OpenPage());
        size_t changesBefore = Changes().size();
        for (int32_t command : row.Commands)
            RunBarCommand(command);
        EXPECT_EQ(row.Greyed, PageState.Greyed);
        EXPECT_EQ(row.Greyed != 0, Shown(kBarEnable));
        EXPECT_EQ(row.Greyed == 0, Shown(kBarDisable));
        EXPECT_EQ(row.Options, HasVisibleStyle(PageState.OptionsHost));
        EXPECT_EQ(!row.Options, HasVisibleStyle(PageState.ThemePaneWindow));
        EXPECT_EQ(row.Options, Shown(kBarThemes));
        EXPECT_EQ(!row.Options, Shown(kBarOptions));
        ASSERT_EQ(changesBefore + row.Changes, Changes().size());
        for (size_t i = changesBefore; i < Changes().size(); ++i)
            EXPECT_EQ(reinterpret_cast<WPARAM>(page_), Changes()[i]);
        EXPECT_TRUE(world_.Launches.empty());
        ClosePage();
    }
}

TEST_F(SettingsPageTest, MoreThemesOpensTheLibraryPage)
{
    ASSERT_NE(nullptr, OpenPage());
    Click(kBarMoreThemes);
    ASSERT_EQ(1u, world_.Launches.size());
    const Launch& launch = world_.Launches[0];
    EXPECT_EQ(kThemeLibraryAddress, launch.File);
    EXPECT_FALSE(launch.HasVerb || launch.HasParameters || launch.HasDirectory);
    EXPECT_EQ(SW_SHOWNORMAL, launch.Show);
    EXPECT_EQ(0x200u, launch.Mask);
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
        if (!row.Text) {
            EXPECT_EQ(before, boxes_.Boxes().size());
            continue;
        }
        ASSERT_EQ(before + 1, boxes_.Boxes().size());
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
    struct Row {
        const char* Label;
        StoredValue Stored;
        std::vector<int32_t> Commands;
        bool EngineRuns;
        DWORD Disabled;
        UINT Posted;  // 0: nothing posted
        bool Launched;
    } rows[] = {
        {"enabled, re-applied", Dword(0), {kBarDisable, kBarEnable}, true, 0, reapply, false},
        {"disabled, stopped", Dword(1), {}, true, 1, shutdown, false},
        {"enabled, started", Dword(1), {kBarEnable}, false, 0, 0, true},
        {"disabled, none to stop", Dword(0), {kBarDisable}, false, 1, 0, false},
        {"a text value becomes a DWORD", Text(L"on"), {}, true, 0, reapply, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Label);
        Store(settings_, row.Stored);
        world_.EngineWindow = row.EngineRuns ? engine : nullptr;
        world_.Posted.clear();
        world_.Launches.clear();
        ASSERT_NE(nullptr, OpenPage());
        for (int32_t command : row.Commands)
            Click(command);
        Notify(PSN_APPLY);

        std::string bytes;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), settings_.Read(L"Disabled", &bytes));
        EXPECT_EQ(Dword(row.Disabled).Bytes, bytes);
        EXPECT_EQ(static_cast<DWORD>(REG_NONE), settings_.Read(L"DisableShadow", &bytes));
        ASSERT_EQ(row.Posted ? 1u : 0u, world_.Posted.size());
        if (row.Posted) {
            const PostedMessage& posted = world_.Posted[0];
            EXPECT_EQ(engine, posted.Window);
            EXPECT_EQ(row.Posted, posted.Message);
            EXPECT_EQ(0u, posted.WParam);
            EXPECT_EQ(0, posted.LParam);
        }
        ASSERT_EQ(row.Launched ? 1u : 0u, world_.Launches.size());
        if (row.Launched) {
            const Launch& launch = world_.Launches[0];
            EXPECT_EQ(EngineBesideProgram(), launch.File);
            EXPECT_EQ(page_, launch.Parent);
            EXPECT_FALSE(launch.HasVerb || launch.HasParameters || launch.HasDirectory);
            EXPECT_EQ(SW_SHOWNORMAL, launch.Show);
            EXPECT_EQ(0x200u, launch.Mask);
        }
        ClosePage();
    }
}

TEST_F(SettingsPageTest, TheLastPageLeavesNoTimerWindowOrClassBehind)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_NE(nullptr, OpenPage());
        // What a page in use arms: a paint through the buffer, an animation,
        // a window of the toolkit's own class.
        ASSERT_TRUE(RegisterTopObjClass());
        EnsurePaintBuffer(16, 16);
        LMScheduler->Add(PageState.Buttons[kBarOptions], 50);
        GetTopmostAnchorWindow();
        EXPECT_NE(0u, PaintBuffer.TimerId);
        EXPECT_NE(0u, LMScheduler->TimerId());

        ClosePage();
        WNDCLASSEXW info{};
        info.cbSize = sizeof(info);
        EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"TrivaneCplLMTopObj", &info));
        EXPECT_EQ(0u, PaintBuffer.TimerId);
        EXPECT_EQ(nullptr, LMScheduler.get());
        EXPECT_EQ(nullptr, LMRootObj.get());
        EXPECT_EQ(nullptr, AnchorPopup);
        EXPECT_EQ(0, ObjectCount());
    }
}

TEST_F(SettingsPageTest, APageOpenedBesideAnotherStaysEmpty)
{
    ASSERT_NE(nullptr, OpenPage());
    HWND first = page_;
    HWND second = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CPL_PAGE),
                                     host_, SettingsPageProc, 0);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(first, LivePageWindow());
    EXPECT_EQ(2, ObjectCount());
    EXPECT_EQ(nullptr, FindWindowExW(second, nullptr, L"#32770", nullptr));

    DestroyWindow(second);
    EXPECT_EQ(1, ObjectCount());
    EXPECT_EQ(first, LivePageWindow());
    RunBarCommand(kBarDisable);
    EXPECT_TRUE(Shown(kBarEnable));
}
