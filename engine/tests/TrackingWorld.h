#pragma once
// The recorded fake world with windows, a system pointer and an environment
// that tests describe, and a fixture that runs the tracking step in it with a
// pointer object holding a test theme's cursors.

#include "CPointer.h"
#include "EngineTestSupport.h"
#include "FakeWorld.h"
#include "TestThemes.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class CThemeCursor;

class TrackingWorld : public FakeWorld {
public:
    struct Window {
        std::wstring Class;
        RECT Rect = {};
        DWORD Style = 0;
        DWORD ExStyle = 0;
        bool Visible = true;
        HWND Root = nullptr;   // GetAncestor(GA_ROOT); null: the window itself
        HWND Above = nullptr;  // GetWindow(GW_HWNDPREV)
        HWND Child = nullptr;  // what ChildWindowFromPointEx finds in it
    };
    // A handle missing here is a window that has gone: every question fails.
    std::map<HWND, Window> Windows;
    HWND Under = nullptr;  // WindowFromPoint
    POINT Cursor = {100, 200};
    HCURSOR ShownCursor = nullptr;
    DWORD CursorFlags = CURSOR_SHOWING;
    POINT HotSpot = {19, 23};
    BOOL IconInfoReads = TRUE;
    DWORD ConsoleMode = 0;
    BOOL ConsoleModeReads = TRUE;
    bool DesktopOpens = true;
    BOOL ScreenSaverRunning = FALSE;
    int RemoteSession = 0;
    int ScreenWidth = 1280;
    int ScreenHeight = 1024;
    // The cursor queries throw, as a failing step would.
    bool CursorPosThrows = false;

    BOOL GetCursorPos(POINT* point) override;
    BOOL GetCursorInfo(CURSORINFO* info) override;
    BOOL GetIconInfo(HICON icon, ICONINFO* info) override;
    HWND WindowFromPoint(POINT point) override;
    HWND GetAncestor(HWND window, UINT flags) override;
    HWND ChildWindowFromPointEx(HWND window, POINT point, UINT flags) override;
    BOOL ScreenToClient(HWND window, POINT* point) override;
    int GetClassNameW(HWND window, wchar_t* buffer, int chars) override;
    LONG_PTR GetWindowLongPtrW(HWND window, int index) override;
    BOOL GetWindowRect(HWND window, RECT* rect) override;
    HWND GetWindow(HWND window, UINT relation) override;
    BOOL IsWindowVisible(HWND window) override;
    BOOL GetConsoleDisplayMode(DWORD* flags) override;
    HDESK OpenInputDesktop(DWORD flags, BOOL inherit, ACCESS_MASK access) override;
    BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pvParam, UINT winIni) override;
    int GetSystemMetrics(int index) override;
};

// The pointer object, with its moves and visibility changes written down.
class RecordingPointer : public CPointer {
public:
    int Show() override;
    int Hide() override;
    int MoveAligned(int x, int y) override;

    std::vector<std::string> Calls;
};

class TrackingFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh engine in a fresh world, for the next case of a table.
    void Restart();
    // A theme of those cursors, each a state of the pointer object.
    void UseTheme(const std::vector<TestCursor>& cursors);
    CThemeCursor* Entry(int role, int state);
    // The entry loses its pixels, as one read from a file without them.
    void StripPixels(int role, int state);
    // The dummy of a slot, and the system showing it.
    void InstallDummy(int slot);
    void ShowDummy(int slot);
    // An engine that has been drawing the normal cursor of slot 0.
    void DrawArrow();
    // The world's calls and the pointer's, from here on.
    void ClearCalls();
    const wchar_t* PointerState() const;
    int Role(CThemeCursor* entry) const;

    TrackingWorld world_;
    ScopedWorld scope_{&world_};
    RecordingPointer* pointer_ = nullptr;
    const HWND engineWindow_ = reinterpret_cast<HWND>(0x1000);
};

// A fake window handle.
HWND FakeWindow(uintptr_t value);
