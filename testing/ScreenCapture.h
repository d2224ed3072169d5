#pragma once
// What is on the screen, read back the way Wine drew it (the screen DC,
// not an X capture), and written as a screenshot for people to look at.

#include "DibCanvas.h"
#include "ScreenCopy.h"

#include <memory>
#include <string>

// Where a colour shows in a screen rectangle: how many pixels have exactly
// that colour (0xRRGGBB) and the screen point at their centre.
struct ColourOnScreen {
    int Count = 0;
    POINT Centre{};
};
ColourOnScreen FindColourOnScreen(const RECT& area, uint32_t rgb);

// True when the picture holds more than one colour: something is drawn.
bool HasMoreThanOneColour(const DibCanvas& picture);

// True when both canvases are of one size and hold the same colours (the
// unused top byte aside).
bool SamePixels(const DibCanvas& a, const DibCanvas& b);

// True when the window shows what a full repaint of it (and its children)
// shows: nothing stale is left on the screen from an earlier state.
bool ShowsWhatARepaintShows(HWND window);

// Pumps this thread's messages until the window's client area shows the
// same picture twice 150 ms apart (fades and animations have ended), or the
// deadline passes; false then.
bool WaitUntilStill(HWND window, DWORD timeoutMs = 8000);

// Writes the canvas as screenshots\<name> in the build folder (created when
// missing); false when it cannot be written.
bool WriteScreenshot(const std::wstring& name, const DibCanvas& canvas);

// True when two colours (0x00RRGGBB, the top byte ignored) differ by at most
// tolerance in each channel.
bool NearColour(uint32_t a, uint32_t b, int tolerance = 2);
