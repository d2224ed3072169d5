// The page's dialog procedure, its set-up in the order the bar and panes
// need, and its tear-down, which leaves nothing of the library on the thread
// once the last page is gone.

#include "SettingsPage.h"

#include "COptionsPane.h"
#include "CThemePane.h"
#include "ChildDialogs.h"
#include "CplModule.h"
#include "CplResources.h"
#include "CplSettings.h"
#include "EngineMessages.h"
#include "EngineWorld.h"
#include "LMMessageBox.h"
#include "LMObjWindow.h"
#include "LMProcs.h"
#include "LMToolkit.h"
#include "ObjectFactories.h"
#include "RegistrySettings.h"
#include "RegistryWrites.h"
#include "ScopedWin.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace cpl {

const wchar_t kSheetCaption[] = L"Trivane configuration";

SettingsPageState PageState;

namespace {

constexpr int kButtonTop = 2;

struct BarButtonSpec {
    int32_t Id;
    int X;
    const wchar_t* Text;
    int Flags;
};

// "<< Themes" is placed afterwards, right-aligned with "Options >>".
constexpr BarButtonSpec kBarButtons[] = {
    {kBarDisable, 5, L"Disable Trivane", 0},        {kBarEnable, 5, L"Enable Trivane", 0},
    {kBarMoreThemes, 135, L"More themes...", 0},    {kBarProperties, 245, L"Properties", 0},
    {kBarOptions, 333, L"Options >>", kButtonBold}, {kBarThemes, 0, L"<< Themes", kButtonBold},
};

void BuildPanes(HWND page)
{
    PageState.ThemePaneWindow = CreateChildDialog(page, IDD_CPL_THEME_PANE, ThemePaneScrollProc);
    PlaceOver(PageState.ThemePaneWindow, page, IDC_CPL_PANE_AREA, true);
    PageState.OptionsHost = CreateChildDialog(page, IDD_CPL_OPTIONS_HOST, PlainDialogProc);
    PlaceOver(PageState.OptionsHost, page, IDC_CPL_PANE_AREA, false);
    OptionsPane.Create(PageState.OptionsHost);
    ThemePane.Create(PageState.ThemePaneWindow);
}

void AddBarButtons(CQVObj& bar)
{
    for (const BarButtonSpec& spec : kBarButtons) {
        CQVObj* button = PageState.Objects.Keep(
            CreateTextButton(&bar, spec.X, kButtonTop, spec.Text, kPageFace, kPageTextSize,
                             kLinkAwayColor, kLinkOverColor, spec.Flags));
        button->Id = spec.Id;
        PageState.Buttons[spec.Id] = button;
    }
    CQVObj& options = *PageState.Buttons[kBarOptions];
    CQVObj& themes = *PageState.Buttons[kBarThemes];
    themes.MoveTo(options.VisibleX + options.VisibleWidth - themes.VisibleWidth, kButtonTop);
    themes.Hide();
}

void BuildBar(HWND page)
{
    HWND window = CreateChildDialog(page, IDD_CPL_BAR, PlainDialogProc);
    PageState.BarWindow = window;
    PlaceOver(window, page, IDC_CPL_BAR_AREA, true);
    CQVObj* bar = PageState.Objects.Keep(std::make_unique<CQVObj>(window));
    bar->Movable = 0;
    bar->Realize();
    PageState.Bar = bar;
    AddBarButtons(*bar);
}

// The bar shows whichever of "Disable Trivane" and "Enable Trivane" the
// stored setting calls for.
void ShowStoredState()
{
    const SettingsLocation& settings = PageSettings();
    int32_t disabled = 0;
    ReadRegistryDword(&disabled, settings.Root, settings.Key.c_str(), L"Disabled", 0);
    PageState.Greyed = disabled != 0 ? 1 : 0;
    // The panes were built first: a preview of the chosen theme greys now.
    if (PageState.Greyed)
        ThemePane.SetPreviewEnabled(0);
    PageState.Buttons[PageState.Greyed ? kBarDisable : kBarEnable]->Hide();
    PageState.Bar->Show();
}

void SetUpPage(HWND page)
{
    PageState.Page = page;
    const SettingsLocation& settings = PageSettings();
    EnsureRegistryKey(settings.Root, settings.Key.c_str());
    LMProcs::EnableTabTexture(page);
    PageState.ReapplyMessage = World().RegisterWindowMessageW(kEngineMessageNames[WM_TRV_REAPPLY]);
    PageState.ShutdownMessage =
        World().RegisterWindowMessageW(kEngineMessageNames[WM_TRV_SHUTDOWN]);
    LMInitialize(Module(), L"TrivaneCpl", LMInitReserved | LMInitNoMutex);
    // Boxes raised inside a load are modal to the page's sheet.
    LMSetDefaultBoxOwner(page);
    BuildPanes(page);
    BuildBar(page);
    ShowStoredState();
    // Some sheets grey Apply again once their first page is made, which
    // loses the change the options pane reported during set-up: it is said
    // once more when the sheet is done.
    PostMessageW(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

// The page's objects die with it, and with the last page the toolkit stops
// its timers and forgets its window class: the library may be unloaded next.
void TearDownPage(HWND page)
{
    if (page != PageState.Page)
        return;
    OptionsPane.Destroy();
    ThemePane.Destroy();
    PageState.Objects.Clear();
    PageState.Bar = nullptr;
    std::fill(std::begin(PageState.Buttons), std::end(PageState.Buttons), nullptr);
    PageState.Page = PageState.ThemePaneWindow = PageState.OptionsHost = nullptr;
    PageState.BarWindow = nullptr;
    PageState.Greyed = 0;
    LMSetDefaultBoxOwner(nullptr);
    LMShutdown();
}

void OnNotify(HWND page, const NMHDR& header)
{
    if (page != PageState.Page)
        return;
    if (header.code == PSN_APPLY) {
        ApplyPage();
    } else if (header.code == PSN_QUERYCANCEL) {
        ThemePane.Cancel();
        OptionsPane.Cancel();
    }
}

}  // namespace

HWND LivePageWindow()
{
    return PageState.Page;
}

void NotifyPageChanged()
{
    HWND page = PageState.Page;
    if (page)
        SendMessageW(GetParent(page), PSM_CHANGED, reinterpret_cast<WPARAM>(page), 0);
}

INT_PTR CALLBACK SettingsPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        // Every page window counts; only the first of several at once is built.
        AddObject();
        if (!PageState.Page && !LMGuarded([&] { SetUpPage(page); }))
            TearDownPage(page);
        break;
    case WM_NOTIFY:
        if (lParam)
            LMGuarded([&] { OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam)); });
        break;
    case WM_DESTROY:
        LMGuarded([&] { TearDownPage(page); });
        ReleaseObject();
        break;
    default:
        break;
    }
    // PSN_APPLY thus reports PSNRET_NOERROR, and PSN_QUERYCANCEL lets the sheet close.
    return FALSE;
}

}  // namespace cpl
