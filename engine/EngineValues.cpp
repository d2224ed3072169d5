#include "EngineValues.h"

#include "TrackingValues.h"
#include "TrailGate.h"

HINSTANCE EngineInstance = nullptr;
wchar_t ProgramFolder[kPathChars] = {};
std::atomic<HWND> EngineWindow{nullptr};
int EngineEnabled = 0;
int HotKeyOff = 0;
int Suspended = 0;
std::atomic<int> TickBusy{0};
int ReapplyActive = 0;
UINT UpdateTimerId = 0;
EngineShadowSettings ShadowSettings;
SharedCursorPair* SharedCursorView = nullptr;
HMODULE HookLibrary = nullptr;

HANDLE EngineMutex = nullptr;
HANDLE SharedCursorMapping = nullptr;
int HookInstalled = 0;
int EngineStopped = 0;
int TimerThreadChecked = 0;
DWORD TimerThreadCheckTime = 0;

int DrawingHidden = 0;
int TrailSuppressed = 0;
int16_t EngineHotKey = 0x343;

void ResetEngineValues()
{
    EngineInstance = nullptr;
    ProgramFolder[0] = L'\0';
    EngineWindow = nullptr;
    EngineEnabled = 0;
    HotKeyOff = 0;
    Suspended = 0;
    TickBusy = 0;
    ReapplyActive = 0;
    UpdateTimerId = 0;
    ShadowSettings = EngineShadowSettings{};
    SharedCursorView = nullptr;
    HookLibrary = nullptr;
    EngineMutex = nullptr;
    SharedCursorMapping = nullptr;
    HookInstalled = 0;
    EngineStopped = 0;
    TimerThreadChecked = 0;
    TimerThreadCheckTime = 0;
    DrawingHidden = 0;
    TrailSuppressed = 0;
    EngineHotKey = 0x343;
    ResetTrackingValues();
    ResetTrailGateValues();
}
