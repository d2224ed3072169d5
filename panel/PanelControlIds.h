#pragma once
// The pages of the panel, its side tabs, and the control ids of its drawn
// objects, by which clicks, hovers and leaves are routed.

#include <cstdint>

// The page panels, and the side tabs in their order on the side bar.
enum PanelPageIndex {
    kThemesPage,
    kThemeCursorsPage,
    kEffectsPage,
    kTrailsPage,
    kSoundsPage,
    kOnlineThemesPage,
    kSettingsPage,
    kAboutPage,
    kPanelPageCount
};
enum PanelSideTabIndex {
    kThemesTab,
    kEffectsTab,
    kTrailsTab,
    kSoundsTab,
    kOnlineTab,
    kSettingsTab,
    kAboutTab,
    kSideTabCount
};

// Each list has its list area, a hover bar and a selection bar; the theme
// list's rows carry buttons, and the cursor strip (the current theme)
// carries the same buttons under ids of their own.
enum PanelControlId : int32_t {
    kIdNone = 0,
    // Side tabs, and the two ids that also switch to the theme cursors page
    // (no object of the layout carries them).
    kIdThemesTab = 2,
    kIdOnlineTab = 3,
    kIdAboutTab = 25,
    kIdCursorsPageSwitch = 28,
    kIdSettingsTab = 29,
    kIdCursorsPageSwitchToo = 34,
    kIdEffectsTab = 60,
    kIdTrailsTab = 79,
    kIdSoundsTab = 102,
    // The themes page.
    kIdThemeList = 4,
    kIdRowEdit = 5,
    kIdRowCursors = 6,
    kIdRowEmail = 7,
    kIdRowWebsite = 8,
    kIdThemeThumb = 9,
    kIdThemeScrollFrame = 40,
    kIdThemeHoverBar = 41,
    kIdThemeSelectionBar = 42,
    kIdRowProperties = 44,
    kIdRowDelete = 50,
    kIdCursorStrip = 51,
    kIdStripEdit = 45,
    kIdStripCursors = 46,
    kIdStripEmail = 47,
    kIdStripWebsite = 48,
    kIdStripProperties = 49,
    kIdEditorButton = 26,
    kIdApplyTheme = 93,
    // The theme cursors page.
    kIdCursorGrid = 11,
    kIdBackLink = 35,
    kIdApplyShownTheme = 37,
    kIdApplyShownCursors = 94,
    // The effects page.
    kIdEffectSlotHoverBar = 61,
    kIdEffectLibraryHoverBar = 62,
    kIdEffectSlotSelectionBar = 63,
    kIdEffectLibrarySelectionBar = 64,
    kIdEffectLibraryList = 65,
    kIdEffectSlotList = 66,
    kIdApplyEffects = 90,
    // The trails page.
    kIdTrailHoverBar = 80,
    kIdTrailSelectionBar = 81,
    kIdTrailList = 82,
    kIdTrailPreview = 89,
    kIdApplyTrail = 91,
    // The sounds page.
    kIdSoundSlotList = 103,
    kIdSoundFileList = 104,
    kIdApplySounds = 105,
    kIdSoundSlotHoverBar = 107,
    kIdSoundFileHoverBar = 108,
    kIdSoundSlotSelectionBar = 109,
    kIdSoundFileSelectionBar = 110,
    // The settings page: its sub-tabs, the shadow's parts and sliders.
    kIdShowLightPart = 16,
    kIdShowOffsetPart = 17,
    kIdSharpnessSlider = 18,
    kIdDarknessSlider = 19,
    kIdAppearanceSubTab = 30,
    kIdShadowSubTab = 31,
    kIdShadowXSlider = 32,
    kIdShadowYSlider = 33,
    kIdShadowDefaults = 43,
    kIdGeneralSubTab = 58,
    kIdShadowToggle = 78,
    kIdHotKeyButton = 92,
    kIdApplySettings = 95,
    // The About page's panel, which starts its texts when it shows.
    kIdAboutPanel = 101,
    // Links of the online themes and About pages.
    kIdOnlineLibraryLink = 36,
    kIdProductLink = 53,
    kIdMoreThemesLink = 54,
    kIdHelpLink = 96,
    kIdTranslateLink = 97,
};
