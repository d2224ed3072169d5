#pragma once
// The engine's process-wide values and the names and numbers other programs
// know it by. One engine per process, so these are plain globals.

#include "EngineSettings.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>

class CPointer;
class CTheme;

constexpr wchar_t kEngineMutexName[] = L"TrivaneMutex";
constexpr wchar_t kSharedCursorName[] = L"QMWShd0";
constexpr wchar_t kEngineWindowClass[] = L"Pavolt";
constexpr wchar_t kEngineAppName[] = L"Trivane";
constexpr wchar_t kHookLibraryName[] = L"Pvlt0.dll";

// The stop request a running engine window gets before a new engine starts.
constexpr UINT kEngineStopRequest = 0x7B8;
// The window's user-data word while the engine is active.
constexpr LONG_PTR EngineActiveMark = 0x49474542;

constexpr int kPathChars = 260;
constexpr int kArgumentChars = 1024;

// The toolkit start-up of the engine: no toolkit mutex, frames driven by the tick.
constexpr int kEngineToolkitFlags = 14;

// One record of the shared mapping "QMWShd0": the dummy the system shows for a
// pointer, and the copy of the pointer it replaced. Handles are kept to their
// 32 significant bits so the record is the same for 32- and 64-bit readers.
struct SharedCursorPair {
    uint32_t Dummy;
    uint32_t SavedCopy;
};
constexpr int kSharedCursorSlots = 15;
constexpr DWORD kSharedCursorBytes = 120;
static_assert(sizeof(SharedCursorPair) * kSharedCursorSlots == kSharedCursorBytes,
              "the shared record is 120 bytes");

extern HINSTANCE EngineInstance;
extern wchar_t ProgramFolder[kPathChars];
extern std::unique_ptr<CPointer> EnginePointer;
extern std::unique_ptr<CTheme> CurrentTheme;
// Read by the timer thread too.
extern std::atomic<HWND> EngineWindow;
extern int EngineEnabled;
extern int HotKeyOff;
extern int Suspended;
// Set while the per-tick step runs; the timer thread sends no tick meanwhile.
extern std::atomic<int> TickBusy;
extern int ReapplyActive;
extern UINT UpdateTimerId;
// The shadow values as last read (the shadow drawing's own settings type
// shares this name: include its header before this one, or not at all).
extern EngineShadowSettings ShadowSettings;
extern SharedCursorPair* SharedCursorView;
extern HMODULE HookLibrary;

// Kept beside those: the handles behind them and what shutdown must know.
extern HANDLE EngineMutex;
extern HANDLE SharedCursorMapping;
// "Pvlt0_00" was found and called; only then is "Pvlt0_01" looked up.
extern int HookInstalled;
// ShutdownEngine has run; a second call does nothing.
extern int EngineStopped;
// The timer thread's last priority check (only that thread uses them).
extern int TimerThreadChecked;
extern DWORD TimerThreadCheckTime;

// The pointer's flags (1 after WM_TRV_SETVISIBLE 0; 1 while the panel's
// trail preview has the mouse) and the hot key in hot-key-control form.
extern int DrawingHidden;
extern int TrailSuppressed;
extern int16_t EngineHotKey;

// Back to the values of a process that has just started (for tests); the
// pointer and the theme are left to their owners.
void ResetEngineValues();
