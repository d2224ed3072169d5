#pragma once
// Where the main frame opens: large enough that a document frame (which
// always opens at 960 x 700) fits in its client area without scroll bars,
// centred in the monitor's work area, or maximised when it cannot fit.

#include <windows.h>

struct MainFramePlacement {
    bool Maximize = false;
    RECT Window{};  // when not maximised
};

// chrome: the main window's size less its MDI client area's (borders,
// caption, menu, status bar).
MainFramePlacement PlaceMainFrame(SIZE documentFrame, SIZE chrome, const RECT& workArea);

// Moves the created, still hidden main frame there; the show command that
// opens it (SW_SHOWMAXIMIZED when it cannot fit, else the one given).
int PlaceMainFrameWindow(HWND frame, HWND mdiClient, int showCommand);
