#pragma once
// Resource and command numbers of the editor.

#include <windows.h>

// The main frame's title, menu, icon and accelerators.
constexpr UINT kIdMainFrame = 128;
// The theme document's string, menu and icon.
constexpr UINT kIdThemeDocument = 129;
// PNG of empty items.
constexpr UINT kIdPlaceholderPng = 134;

// The view's commands.
constexpr UINT kIdApply = 32771;
constexpr UINT kIdThemeProperties = 32772;
constexpr UINT kIdSaveAndApply = 32777;

// The "Frames" box of the property panes.
constexpr UINT kIdFramesBox = 1003;

// The style of every document frame: a visible child with a caption, sizing
// border and buttons, titled after its document.
constexpr DWORD kChildFrameStyle = 0x50CF8000;
// Every document frame opens here in the MDI client.
constexpr RECT kChildFrameRect = {0, 0, 960, 700};
