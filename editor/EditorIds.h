#pragma once
// Resource and command numbers of the editor.

#include <windows.h>

// The main frame's title, menu, icon and accelerators.
constexpr UINT kIdMainFrame = 128;
// The theme document's string, menu and icon.
constexpr UINT kIdThemeDocument = 129;
// PNG of empty items.
constexpr UINT kIdPlaceholderPng = 134;
// PNGs of the view: hover and selection frames of a grid cell, the cursors
// background, the hot-spot marker and the title bar of each pane.
constexpr UINT kIdHoverFramePng = 135;
constexpr UINT kIdSelectionFramePng = 136;
constexpr UINT kIdCursorsBackgroundPng = 137;
constexpr UINT kIdHotSpotMarkerPng = 138;
constexpr UINT kIdPaneTitlePng = 140;

// The view's dialogs.
constexpr UINT kIdCursorsPage = 130;
constexpr UINT kIdBlankHost = 131;
constexpr UINT kIdEffectsPage = 133;
constexpr UINT kIdTabHost = 134;
constexpr UINT kIdTrailsPage = 135;
constexpr UINT kIdCursorPane = 136;
constexpr UINT kIdEffectPane = 137;
constexpr UINT kIdTrailPane = 138;
constexpr UINT kIdSoundsPage = 139;
constexpr UINT kIdThemePropertiesDialog = 132;

// Controls of the view's dialogs.
constexpr UINT kIdPageScrollBar = 1007;
constexpr UINT kIdSceneArea = 1008;
constexpr UINT kIdTabControl = 1012;
constexpr UINT kIdPaneTitleArea = 1018;
constexpr UINT kIdSoundList = 1020;

// The view's commands.
constexpr UINT kIdApply = 32771;
constexpr UINT kIdThemeProperties = 32772;
constexpr UINT kIdSaveAndApply = 32777;

// Boxes and buttons of the property panes.
constexpr UINT kIdFramesBox = 1003;
constexpr UINT kIdHotSpotXBox = 1004;
constexpr UINT kIdHotSpotYBox = 1005;
constexpr UINT kIdImportButton = 1006;
constexpr UINT kIdRemoveButton = 1009;
constexpr UINT kIdAlternateCheck = 1010;
constexpr UINT kIdIntervalBox = 1011;
constexpr UINT kIdScriptBox = 1012;
constexpr UINT kIdLoopCheck = 1013;
constexpr UINT kIdTrailsPerSecondBox = 1014;
constexpr UINT kIdCenterButton = 1016;
// Buttons of the sounds page.
constexpr UINT kIdBrowseSoundButton = 1019;
constexpr UINT kIdPlaySoundButton = 1022;

// The style of every document frame: a visible child with a caption, sizing
// border and buttons, titled after its document.
constexpr DWORD kChildFrameStyle = 0x50CF8000;
// Every document frame opens here in the MDI client.
constexpr RECT kChildFrameRect = {0, 0, 960, 700};

// Boxes of "Theme properties".
constexpr UINT kIdThemeNameBox = 1017;
constexpr UINT kIdThemeAuthorBox = 1018;
constexpr UINT kIdThemeVersionBox = 1019;
constexpr UINT kIdThemeWebsiteBox = 1020;
constexpr UINT kIdThemeEmailBox = 1021;
constexpr UINT kIdThemeDescriptionBox = 1011;
