#pragma once
// The control panel's program-wide values, one set per process and used on
// the dialog's thread only. The window build and the pages fill them in; the
// widget factories read them.

#include "CTheme.h"
#include "FactorySupport.h"
#include "LMBitmapState.h"
#include "Language.h"
#include "LibraryEntry.h"
#include "PanelControlIds.h"
#include "ScopedWin.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CQVSliderObj;
class LMObj;

// Text sizes in points, as the text factories are given them.
struct PanelTextSizes {
    int LabelSize = 11;     // buttons, links, settings texts, the combo font
    int RowSize = 12;       // list labels, row texts
    int SmallSize = 10;     // author and version labels, role labels
    int TabSize = 12;       // side-tab captions
    int PageTextSize = 11;  // page descriptions, About texts
};

extern PanelTextSizes PanelSizes;

// The module whose "PNG" resources skin the panel; null is the program.
extern HINSTANCE PanelModule;
// PanelModule, or the program's own module when it is null: where the
// skin images and the dialogs are.
HMODULE PanelResourceModule();

// Where sliders report a value: OnSliderValue, or a test's recorder.
using SliderReportFunction = void (*)(CQVSliderObj* slider, int value);
extern SliderReportFunction PanelSliderReport;

// The panel's handler of slider values (the shadow settings).
void OnSliderValue(CQVSliderObj* slider, int value);

// The folders the library pages list and the panel's settings key under
// HKEY_CURRENT_USER. LoadPanelLocations fills the folders and the
// current-theme path; tests put their own.
extern wchar_t PanelThemesFolder[MAX_PATH];
extern wchar_t PanelSoundsFolder[MAX_PATH];
extern std::wstring PanelSettingsKey;
void LoadPanelLocations();

// The current theme; null is no theme.
extern std::unique_ptr<CTheme> PanelCurrentTheme;
// The user picked "No theme": only then may Apply delete the current theme
// file (a current theme that did not load is not the user's choice).
extern bool PanelNoThemeChosen;

// The dialog: owner of the questions and of the engine's start.
extern HWND PanelDialog;
// The autostart key under HKEY_CURRENT_USER; tests put their own.
extern std::wstring PanelRunKey;
// "CurrentTheme.Trivane", as the world last gave it.
extern wchar_t PanelCurrentThemePath[MAX_PATH];
void RefreshCurrentThemePath();

// The registered numbers of the engine messages the panel sends or names;
// 0 until registered (or when registration failed).
struct PanelMessageNumbers {
    UINT Reapply = 0;
    UINT Shutdown = 0;
    UINT ApplyValues = 0;
    UINT Trail = 0;
};
extern PanelMessageNumbers PanelMessages;
void RegisterPanelMessages();

// The panel's shadow settings, with its own defaults (not the engine's).
struct PanelShadowValues {
    int32_t ShadowX = 5;
    int32_t ShadowY = 5;
    int32_t ShadowDark = 128;
    int32_t ShadowSharpness = 9;
    int32_t DisableShadow = 0;
};
extern PanelShadowValues ShadowValues;

// One scrollable list: its container, its two bars and scroll parts, the
// rows the selection and the pointer are on (-2 none), the step the builder
// set for its scroll arrows and wheel, and the row objects of the latest
// build (trail, effect and sound-file lists).
struct PanelList {
    LMObj* Container = nullptr;
    LMObj* HoverBar = nullptr;
    LMObj* SelectionBar = nullptr;
    LMObj* ScrollFrame = nullptr;
    LMObj* Thumb = nullptr;
    int32_t Selected = -2;
    int32_t Hovered = -2;
    int32_t RowStep = 1;
    std::vector<LMObj*> Rows;
};

// The buttons that ride on the theme list's selection bar, by id.
struct ThemeRowButtons {
    LMObj* Properties = nullptr;  // 44
    LMObj* Delete = nullptr;      // 50
    LMObj* Website = nullptr;     // 8
    LMObj* Email = nullptr;       // 7
    LMObj* Cursors = nullptr;     // 6
    LMObj* Edit = nullptr;        // 5
};

// List focus: where the last selection on the effects or sounds page was.
constexpr int32_t kFocusNone = 0;
constexpr int32_t kFocusSlots = 1;
constexpr int32_t kFocusLibrary = 2;

// The library pages: the objects the window build makes for them, and what
// the list builders and selections keep. The tree owns every object.
struct LibraryPagesState {
    std::array<LMObj*, kPanelPageCount> Pages{};
    std::array<LMObj*, kSideTabCount> SideTabs{};
    PanelList ThemeList;
    PanelList TrailList;
    PanelList EffectSlots;
    PanelList EffectLibrary;
    PanelList SoundSlots;
    PanelList SoundFiles;
    int32_t AppliedThemeRow = -1;  // the current theme's row; -1 none
    int32_t ListFocus = kFocusNone;
    int32_t TrailSpriteRate = kDefaultTrailsPerSecond;  // of the trail previewed
    // When a list row was last clicked, shared by all lists, and when the
    // trail preview last dropped a sprite (LMClockNowMs).
    DWORD LastRowClick = 0;
    DWORD LastTrailSprite = 0;
    // Themes page: the cursor strip (id 51) and the selection bar's buttons.
    LMObj* CursorStrip = nullptr;
    ThemeRowButtons RowButtons;
    // Trails page: the preview area (id 89), the objects of the slider group
    // shown for the ghost trail, the caption, and the trail theme previewed.
    LMObj* TrailPreviewArea = nullptr;
    std::vector<LMObj*> TrailSliders;
    LMObj* TrailCaption = nullptr;
    std::unique_ptr<CTheme> LoadedTrailTheme;
    // Theme cursors page: the grid (id 11), what it shows, and the caption.
    LMObj* CursorGrid = nullptr;
    std::vector<LMObj*> CursorGridObjects;
    LMObj* CursorGridCaption = nullptr;
    // One record per row after the fixed rows of each library list.
    std::vector<LibraryEntry> Themes;
    std::vector<LibraryEntry> Effects;
    std::vector<LibraryEntry> Trails;
    // The copy of a theme row's entry that the properties dialog shows.
    LibraryEntry Properties;
};

extern LibraryPagesState Library;

constexpr int kCursorCellCount = 6;

// What shows the current theme: the themes page's cursor cells and name
// label, the effect slots' previews and the sound slots' icons with their
// second objects. The tree owns every object.
struct CurrentThemeViews {
    std::array<LMObj*, kCursorCellCount> CursorCells{};
    LMObj* NameLabel = nullptr;
    std::array<LMObj*, kMouseEventCount> EffectPreviews{};
    std::array<LMObj*, kMouseEventCount> SoundIcons{};
    std::array<LMObj*, kMouseEventCount> SoundMarks{};
};

extern CurrentThemeViews ThemeViews;

// The settings page's shadow preview: the unshadowed arrow of the current
// theme ("ori"), the object showing it shadowed ("mod"), and the two parts
// of the page the shadow mode switches between.
struct ShadowPageState {
    LMObj* Preview = nullptr;
    std::unique_ptr<LMBitmapState> Original;
    int32_t Mode = 0;             // 0 offset part shown, 1 light part
    LMObj* LightLink = nullptr;   // 16: shows the light part
    LMObj* OffsetLink = nullptr;  // 17: shows the offset part
    LMObj* LightPart = nullptr;
    LMObj* OffsetPart = nullptr;
    LMObj* OffsetText = nullptr;  // UI text 20
    LMObj* LightText = nullptr;   // UI text 21
};

extern ShadowPageState ShadowPage;

// The main dialog's own objects and what its messages need. The tree owns
// the objects; the handles are the dialog's for its life.
struct PanelShellState {
    HINSTANCE Instance = nullptr;
    bool Nt6OrLater = false;      // Windows Vista and later
    OwnedObject<LMObj> Root;      // adopts the dialog window; owns the window's objects
    LMObj* Background = nullptr;  // the side bar's picture, under everything
    LMObj* FrameImage = nullptr;  // drawn again when the desktop composition changes
    HWND LanguageCombo = nullptr;
    // 1 when the chosen language has a file of its own, 0 on the English one.
    int32_t OwnLanguageFile = 0;
    // When a scroll arrow was pressed (LMClockNowMs); its timer repeats
    // only once 300 ms have passed.
    DWORD ScrollRepeatStart = 0;
    UINT_PTR ScrollRepeatTimer = 0;  // the held arrow's timer, 0 when none
    // The theme cursors page: the grid's scroll frame and thumb 10, and the
    // back image and link (35) hidden until a theme's cursors show.
    LMObj* CursorGridFrame = nullptr;
    LMObj* CursorGridThumb = nullptr;
    LMObj* BackImage = nullptr;
    LMObj* BackLink = nullptr;
    // The settings page: sub-tabs 30, 31, 58, the pictures under them, the
    // panels they show, and the no-shadow toggle 78 with its caption.
    std::array<LMObj*, 3> SubTabs{};
    std::array<LMObj*, 3> SubTabPictures{};
    std::array<LMObj*, 3> SubPanels{};
    LMObj* ShadowToggle = nullptr;
    LMObj* ShadowToggleCaption = nullptr;
    ScopedFont ComboFont;
    ScopedIcon SmallIcon;
    ScopedIcon BigIcon;
};

extern PanelShellState PanelShell;

// Back to how the program started: the window's objects freed, the lists,
// views and pages emptied, no current theme, the default shadow values and
// no dialog. The program's instance and its language file stay.
void ResetPanelState();

// Where the interface texts and the "Language" setting come from: the
// program's own folder and settings unless a test put its own.
extern LanguageSource PanelLanguage;
LanguageSource PanelLanguageSource();
