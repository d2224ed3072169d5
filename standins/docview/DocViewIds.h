#pragma once
// The numbers the document/view layer gives its standard commands, windows and
// texts; programs use them in their menus and accelerator tables.

#include <windows.h>

// File commands.
constexpr UINT kIdFileNew = 57600;
constexpr UINT kIdFileOpen = 57601;
constexpr UINT kIdFileClose = 57602;
constexpr UINT kIdFileSave = 57603;
constexpr UINT kIdFileSaveAs = 57604;
constexpr UINT kIdFileRecentFirst = 57616;  // one id per recent file, up to 16

// Edit commands the layer names but never handles.
constexpr UINT kIdEditCopy = 57634;
constexpr UINT kIdEditCut = 57635;
constexpr UINT kIdEditPaste = 57637;
constexpr UINT kIdEditUndo = 57643;

// Window commands.
constexpr UINT kIdWindowNew = 57648;
constexpr UINT kIdWindowArrange = 57649;
constexpr UINT kIdWindowCascade = 57650;
constexpr UINT kIdWindowTile = 57651;
constexpr UINT kIdNextPane = 57680;
constexpr UINT kIdPrevPane = 57681;

// Application commands.
constexpr UINT kIdAppAbout = 57664;
constexpr UINT kIdAppExit = 57665;
constexpr UINT kIdViewStatusBar = 59393;

// The string with the application's title.
constexpr UINT kIdAppTitle = 57344;

// Status bar and its lock indicators; 0 in an indicator list is the
// stretching message pane.
constexpr UINT kIdStatusBar = 0xE801;
constexpr UINT kIdIndicatorCaps = 0xE701;
constexpr UINT kIdIndicatorNum = 0xE702;
constexpr UINT kIdIndicatorScroll = 0xE703;
constexpr UINT kIdSeparator = 0;

// Child windows of frames.
constexpr UINT kIdMdiClient = 0xE900;
constexpr UINT kIdFirstView = 0xE900;
constexpr UINT kIdFirstMdiChild = 0xFF00;

// A frame style bit: the frame's title names the active document.
constexpr DWORD FWS_ADDTOTITLE = 0x8000;

// The status bar's style: a child along the frame's bottom edge.
constexpr DWORD kStatusBarStyle = 0x50008200;
