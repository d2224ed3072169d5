#pragma once
// Start-up, the tick timer, the hook library, shutdown and restart of the
// engine, and the small helpers other programs share.

#include "EngineWindowLookup.h"
#include "RunProgram.h"

#include <windows.h>

#include <mmsystem.h>

#include <vector>

// 1 started, 0 quit (another engine runs, "Disabled", or nothing to show).
int InitInstance(HINSTANCE instance);
// 1 started (the engine window exists), 0 not started.
int StartEngine(HINSTANCE instance);
// Non-zero when the current theme file is a readable theme. Re-reads the
// shadow values; *changed (may be null) becomes 1 when DisableShadow changed.
int ReadSettings(int* changed);
// Toolkit, pointer object with the current theme, hook library, working set.
void CreatePointer(HINSTANCE instance);
// Unmaps and closes the shared cursor record; nothing when it is not open.
void CloseSharedCursorRecord();
// This program's full path into a buffer of kPathChars; false, and an empty
// path, when it does not fit.
bool GetOwnProgramPath(wchar_t* path);

// Always 1; a missing library or entry is silent.
int LoadHookLibrary();
void UnloadHookLibrary();

// 1 started, 0 already running (or the system gave no timer).
int StartUpdateTimer();
// 1 stopped, 0 not running.
int StopUpdateTimer();
void CALLBACK UpdateTimerProc(UINT id, UINT message, DWORD_PTR user, DWORD_PTR, DWORD_PTR);

// Stops everything, starts a successor when asked, and ends the message
// loop with 1. Only the first call does anything.
void ShutdownEngine(int restart);

// Tells the control panel's dialog, the first window with its mark, to reload
// the current theme; stops the enumeration there.
BOOL CALLBACK NotifyThemeListEnumProc(HWND window, LPARAM);

// Diagnostic texts go nowhere.
void DebugLog(const wchar_t* text);

// The message loop; the quit message's wParam.
int RunMessageLoop();

// The steps of a shutdown, in order.
enum class ShutdownStep {
    DisableEngine,
    RestoreCursors,  // dummies still in while the engine counts as disabled
    StopTimer,
    MarkShutdown,  // title "Shutdown", mark 0, hot key gone
    UnloadHook,
    StopSounds,
    UnmapShared,
    DeletePointer,
    DeleteTheme,
    ReleaseMutex,
    RunSuccessor,
    PostQuit,
};

struct ShutdownFacts {
    bool AlreadyStopped = false;
    bool Enabled = false;
    bool HasPointer = false;
    bool Restart = false;
    bool DummiesInstalled = false;
};

// Nothing at all once stopped. Installed dummies always go, whatever the
// enabled flag says. Sounds stop before the theme that holds them goes, and
// the mutex is gone before a successor looks for it.
std::vector<ShutdownStep> PlanShutdown(const ShutdownFacts& facts);
