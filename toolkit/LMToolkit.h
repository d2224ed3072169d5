#pragma once
// Toolkit start-up and the toolkit-wide values it sets (one set per process).

#include "LMFrameTimer.h"
#include "LMObj.h"
#include "ScopedWin.h"

#include <cstdint>
#include <memory>
#include <string>

// Start-up flags.
constexpr int LMInitNoLayered = 1;
constexpr int LMInitReserved = 2;
constexpr int LMInitNoMutex = 4;
constexpr int LMInitDrivenFrames = 8;

// OS feature words.
constexpr int32_t LMOsWin9x = 0x100;
constexpr int32_t LMOsNT4 = 0x100010;
constexpr int32_t LMOs2000 = 0x10011;
constexpr int32_t LMOsXPAndLater = 0x1011;  // the one word with visual styles

struct LMScreenMetrics {
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t VirtualLeft = 0;
    int32_t VirtualTop = 0;
    int32_t VirtualWidth = 0;
    int32_t VirtualHeight = 0;
    bool MultiMonitor = false;
};

extern std::wstring LMAppName;
extern HINSTANCE LMAppInstance;
extern int LMDrivenFrames;
extern int32_t LMOsFeatures;
extern std::unique_ptr<uint8_t[]> LMAlphaTable;
extern HWND LMControlWindow;
extern ScopedKernelHandle LMMutex;
extern DWORD LMStartThreadId;
extern LMScreenMetrics LMScreen;
extern std::unique_ptr<LMFrameTimer> LMScheduler;
extern std::unique_ptr<LMObj> LMRootObj;
// How many times larger texts are drawn before they are box-filtered down;
// start-up keeps 1 to 4 and makes any other value 3.
extern int LMSupersampleFactor;

// 1, or 0 when the Windows version is unknown (then nothing is created).
// A repeated call keeps what the first made and only takes the new name,
// instance and a missing mutex.
int LMInitialize(HINSTANCE instance, const wchar_t* appName, int flags);
int LMInitializeWithVersion(HINSTANCE instance, const wchar_t* appName, int flags,
                            const OSVERSIONINFOW& version);

// The feature word for a platform and version; `current` when unknown.
int32_t LMOsFeatureWord(DWORD platform, DWORD major, DWORD minor, int32_t current);

int LMUpdateScreenMetrics();
void LMBuildAlphaTable();

// "%sMutex" and the like, for the current application name.
std::wstring LMAppDerivedName(const wchar_t* suffix);
