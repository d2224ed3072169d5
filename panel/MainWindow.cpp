// Building the main window, step by step: text sizes, title, icons and the
// combo box's font, the client size, the settings key, the objects of the
// layout, the current theme, the lists, the start rows and the watcher.

#include "PanelShell.h"

#include "Composition.h"
#include "EngineWorld.h"
#include "FactorySupport.h"
#include "FolderWatch.h"
#include "LibraryLists.h"
#include "LibraryLoads.h"
#include "LibraryRows.h"
#include "LibraryViews.h"
#include "ListSelection.h"
#include "MainWindow.h"
#include "PanelFactories.h"
#include "PanelImages.h"
#include "PanelResources.h"
#include "PanelSettings.h"
#include "PanelState.h"
#include "RegistryWrites.h"
#include "ThemeLists.h"
#include "ThemeLocations.h"
#include "ThemesFolderWatcher.h"
#include "WindowLayout.h"

#include <shlwapi.h>

namespace {

ThemesFolderWatcher& FolderWatcher()
{
    static ThemesFolderWatcher watcher;
    return watcher;
}

constexpr PanelTextSizes kWindowsXpSizes{9, 10, 9, 10, 10};
constexpr int kSideTabCaptionRight = 120;
constexpr int kSideTabBand = 41;
constexpr int kSideTabIconX = 124;
constexpr int kFirstSideTab = 62;
constexpr int kSideTabStep = 40;
constexpr int kIconInset = 5;

void ChooseTextSizes()
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    World().GetVersionExW(&version);
    PanelShell.Nt6OrLater = version.dwMajorVersion >= 6;
    const bool xp = version.dwMajorVersion == 5 && version.dwMinorVersion == 1;
    PanelSizes = xp ? kWindowsXpSizes : PanelTextSizes{};
}

void SetTitleAndIcons(HWND dialog)
{
    SetWindowTextW(dialog, UiText(kUiPanelTitle));
    auto icon = [](int sizeX, int sizeY) {
        return ScopedIcon(static_cast<HICON>(
            LoadImageW(PanelResourceModule(), MAKEINTRESOURCEW(kPanelIconId), IMAGE_ICON,
                       GetSystemMetrics(sizeX), GetSystemMetrics(sizeY), 0)));
    };
    PanelShell.SmallIcon = icon(SM_CXSMICON, SM_CYSMICON);
    PanelShell.BigIcon = icon(SM_CXICON, SM_CYICON);
    SendMessageW(dialog, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(PanelShell.SmallIcon.Get()));
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PanelShell.BigIcon.Get()));
}

void SetComboFont(HWND dialog)
{
    PanelShell.LanguageCombo = GetDlgItem(dialog, IDC_PANEL_LANGUAGE);
    const int height = PanelSizes.LabelSize * 120 / 72;
    PanelShell.ComboFont.Reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                           ANTIALIASED_QUALITY, DEFAULT_PITCH, kPanelFace));
    SendMessageW(PanelShell.LanguageCombo, WM_SETFONT,
                 reinterpret_cast<WPARAM>(PanelShell.ComboFont.Get()), TRUE);
}

void SetClientSize(HWND dialog)
{
    RECT frame{0, 0, kPanelClientWidth, kPanelClientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void PrepareSettings()
{
    // The user's folders, unless a test put its own.
    if (!PanelThemesFolder[0])
        World().GetThemesFolder(PanelThemesFolder);
    if (!PanelSoundsFolder[0])
        GetSoundsFolder(PanelSoundsFolder);
    RefreshThemeListsFrom(PanelThemesFolder);
    RefreshCurrentThemePath();
    EnsureRegistryKey(HKEY_CURRENT_USER, PanelSettingsKey.c_str(), KEY_ALL_ACCESS);
    LoadShadowSettings();
}

// The root adopts the dialog; the side bar's picture lies under all.
bool BuildRoot(HWND dialog)
{
    PanelShell.Root.reset(new CQVObj(dialog));
    LMObj* root = PanelShell.Root.get();
    root->Realize();
    PanelShell.Background = CreateImageObject(root, 0, 0, kPngSideBar.Id);
    if (!PanelShell.Background)
        return false;
    PanelShell.Background->CurrentState->SetHitMode(LMHitNever);
    const int pageX = PanelShell.Background->VisibleWidth - 1;
    PanelShell.FrameImage = CreateImageObject(root, pageX, 0, kPngPagePlain.Id);
    return true;
}

struct SideTab {
    int Caption;
    int IconPng;
    int Id;
};

const SideTab kSideTabs[kSideTabCount] = {
    {34, kPngTabIconThemes.Id, kIdThemesTab}, {51, kPngTabIconEffects.Id, kIdEffectsTab},
    {62, kPngTabIconTrails.Id, kIdTrailsTab}, {79, kPngTabIconSounds.Id, kIdSoundsTab},
    {35, kPngTabIconOnline.Id, kIdOnlineTab}, {12, kPngTabIconSettings.Id, kIdSettingsTab},
    {36, kPngTabIconAbout.Id, kIdAboutTab},
};

void BuildSideBar()
{
    LMObj* const* bar = &PanelShell.Background;
    const LayoutRow logo[] = {ImageRow(bar, 0, 33, 14, kPngLogo.Id)};
    BuildLayout(logo);
    for (int i = 0; i < kSideTabCount; ++i) {
        LayoutRow caption = LabelRow(bar, 0, kSideTabCaptionRight, kFirstSideTab + kSideTabStep * i,
                                     kSideTabs[i].Caption, TextLook::Tab, 0,
                                     kLayoutRightAligned | kLayoutCentredInBand);
        caption.Height = kSideTabBand;
        BuildLayout(&caption, 1);
    }
    for (int i = 0; i < kSideTabCount; ++i) {
        const LayoutRow icon =
            ImageRow(bar, 0, kSideTabIconX, kFirstSideTab + kIconInset + kSideTabStep * i,
                     kSideTabs[i].IconPng);
        BuildLayout(&icon, 1);
    }
    for (int i = 0; i < kSideTabCount; ++i) {
        CQVObj* tab = CreateSideTab(PanelShell.Background, kFirstSideTab + kSideTabStep * i);
        if (tab)
            tab->ControlId = kSideTabs[i].Id;
        Library.SideTabs[i] = tab;
    }
}

const int kPagePictures[kPanelPageCount] = {
    kPngPageList.Id,     kPngPageCursors.Id, kPngPageTwoLists.Id, kPngPageList.Id,
    kPngPageTwoLists.Id, kPngPagePlain.Id,   kPngPageSettings.Id, kPngPagePlain.Id,
};

void BuildPages()
{
    const int pageX = PanelShell.Background->VisibleWidth - 1;
    for (int page = 0; page < kPanelPageCount; ++page)
        Library.Pages[page] = CreatePagePanel(PanelShell.Root.get(), pageX, kPagePictures[page]);
    if (auto* about = static_cast<CQVObj*>(Library.Pages[kAboutPage]))
        about->ControlId = kIdAboutPanel;
}

void BuildLayoutObjects(HWND dialog)
{
    if (!BuildRoot(dialog))
        return;
    BuildSideBar();
    BuildPages();
    BuildThemesPages();
    BuildLibraryPages();
    BuildInfoPages();
    FillLanguageComboFrom(PanelShell.LanguageCombo, PanelLanguageSource());
    ShowThemesPage();
}

// The slot lists start on their first row; the first event's sound plays.
void ShowStartRows()
{
    SelectEffectSlot(0);
    SelectSoundSlot(0);
    HideIfShown(Library.EffectSlots.HoverBar);
    HideIfShown(Library.SoundSlots.HoverBar);
    ShowIfHidden(Library.EffectSlots.SelectionBar);
    ShowIfHidden(Library.SoundSlots.SelectionBar);
    if (PanelShell.FrameImage)
        PanelShell.FrameImage->Show();
    if (PanelShell.Root)
        PanelShell.Root->Show();
}

}  // namespace

void BuildMainWindow()
{
    HWND dialog = PanelDialog;
    ChooseTextSizes();
    SetTitleAndIcons(dialog);
    SetComboFont(dialog);
    SetClientSize(dialog);
    PrepareSettings();
    RegisterPanelMessages();
    BuildLayoutObjects(dialog);
    // The current theme first, so that its row is the applied one.
    if (PanelCurrentThemePath[0] && PathFileExistsW(PanelCurrentThemePath))
        ComposeCurrentTheme(1, PanelCurrentThemePath, 0, 1);
    CreateDirectoryW((std::wstring(PanelThemesFolder) + L"\\Preview").c_str(), nullptr);
    BuildLibraryLists();
    ShowStartRows();
    FolderWatcher().Start(PanelThemesFolder, dialog, kThemesFolderChanged);
    World().SetProcessWorkingSetSize(World().GetCurrentProcess(), static_cast<SIZE_T>(-1),
                                     static_cast<SIZE_T>(-1));
}

void BuildLibraryLists()
{
    LibraryBuildScope build(PanelDialog);
    BuildThemeList();
    BuildEffectList();
    BuildSoundList();
    BuildTrailList();
}

// A box shown during a build runs a message loop, and the folder timer with
// it: a rebuild asked for then comes after this one, never inside it (it
// would free the rows and lists the running one walks).
void RebuildLibraryLists()
{
    static bool building = false;
    if (building) {
        World().SetTimer(PanelDialog, kRefreshListsTimer, kRefreshListsDelayMs, nullptr);
        return;
    }
    building = true;
    struct EndOfBuild {
        ~EndOfBuild() { building = false; }
    } end;
    RefreshThemeListsFrom(PanelThemesFolder);
    BuildLibraryLists();
}

void ReleaseMainWindow()
{
    FolderWatcher().Stop();
    ResetPanelState();
}
