#pragma once
// The toolkit's windows: the "%sLMTopObj" class and its procedure, adopted
// host windows, the anchor popup and the hover cursors.

#include <windows.h>

#include <cstdint>

#include <string>
#include <vector>

class LMObj;

// Layer bits.
constexpr int32_t LMLayerBelowAnchor = 2;
constexpr int32_t LMLayerTopmost = 8;

// Registers "%sLMTopObj" once per program; 1 when it is registered.
int RegisterTopObjClass();
// Unregisters it (a library does so before it is unloaded); 0 when it was not registered.
int UnregisterTopObjClass();
// The class name it was registered under.
const wchar_t* LMTopObjClassName();
LRESULT CALLBACK LMObjWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Adopted host windows: their procedure is replaced by LMSubclassProc while
// their object is realized.
struct AdoptedWindow {
    HWND Window;
    LMObj* Object;
    WNDPROC PrevProc;
};
extern std::vector<AdoptedWindow> AdoptedWindowTable;
LRESULT CALLBACK LMSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Subclasses the object's window and records it; 1 when done.
int AdoptWindow(LMObj* object);
// Gives an adopted window its procedure back; 0 when it is not in the table.
int ReleaseAdoptedWindow(LMObj* object);

// Input that both window procedures handle alike.
void LMOnFocusLost();
// Another window took the mouse during a press (a menu, a program that came
// forward): the press ends without a release, and so does a drag; the
// next move hovers again.
void LMOnCaptureLost();
void LMForwardKey(UINT message, WPARAM wParam, LPARAM lParam);

// The control window ("%s-Ctrl") follows the window last activated by a
// click; without a control window these do nothing.
bool LMControlIsToolWindow();
void LMCoverActivatedWindow();

// Properties on an object's window naming windows stacked with it:
// "KVHDL-1", "KVHDL-2", ... without gaps.
std::wstring LMStackedWindowProp(unsigned long number);

// Blends a layered object's back buffer into its window at the object's place.
void LMPresentLayered(LMObj& obj);

// Creates the anchor popup once and returns it.
HWND GetTopmostAnchorWindow();
// Where a window goes when nothing is above it in its layer.
HWND LMDefaultInsertAfter(int32_t layer);

// The cursor shown over an object: LoadCursorW(null, id) of its CursorIndex;
// an index outside the 15 entries shows the arrow.
constexpr int kLMCursorCount = 15;
LPCWSTR LMCursorIdForIndex(int index);
// Sets the hovered object's cursor; 0 when nothing is hovered.
int LMSetHoverCursor();

// Handles the deferred redraw message for an own toolkit window.
void LMHandleDeferredRedraw(LMObj& object, HWND hwnd, WPARAM wParam, LPARAM lParam);
// WM_PAINT of an adopted window.
int PaintAdoptedWindow(LMObj* object, HWND hwnd);

// Runs a handler so that nothing it throws crosses a window procedure; false
// when it threw.
template <typename Handler> bool LMGuarded(Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (...) {
        return false;
    }
}
