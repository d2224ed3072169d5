// Start-up: one engine per session, the settings, the shared cursor record,
// the pointer object and the tick timer.

#include "EngineLifecycle.h"

#include "CPointer.h"
#include "CTheme.h"
#include "EngineSettings.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "LMClock.h"
#include "LMToolkit.h"
#include "TrackingStep.h"

#include <shlwapi.h>

#include <cstring>

namespace {

// How long a start waits for an engine window that is asked to stop.
constexpr UINT kStopRequestTimeoutMs = 2000;
constexpr DWORD kStopRequestPauseMs = 500;

void OpenSharedCursorRecord()
{
    SharedCursorMapping = World().CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                                     0, kSharedCursorBytes, kSharedCursorName);
    if (!SharedCursorMapping)
        return;
    void* view = World().MapViewOfFile(SharedCursorMapping, FILE_MAP_WRITE, 0, 0, 0);
    SharedCursorView = static_cast<SharedCursorPair*>(view);
    if (SharedCursorView)
        memset(SharedCursorView, 0, kSharedCursorBytes);
}

void SetProgramFolder()
{
    wchar_t path[kPathChars] = {};
    GetOwnProgramPath(path);
    PathRemoveFileSpecW(path);
    wcscpy(ProgramFolder, path);
}

// Asks an engine window that holds no mutex to stop, without hanging on it.
void AskOldEngineToStop()
{
    HWND old = FindEngineWindow();
    if (!old)
        return;
    DWORD_PTR result = 0;
    World().SendMessageTimeoutW(old, kEngineStopRequest, 0, 0, SMTO_ABORTIFHUNG,
                                kStopRequestTimeoutMs, &result);
    World().Sleep(kStopRequestPauseMs);
}

}  // namespace

void CloseSharedCursorRecord()
{
    if (SharedCursorView)
        World().UnmapViewOfFile(SharedCursorView);
    SharedCursorView = nullptr;
    if (SharedCursorMapping)
        World().CloseHandle(SharedCursorMapping);
    SharedCursorMapping = nullptr;
}

bool GetOwnProgramPath(wchar_t* path)
{
    DWORD length = World().GetModuleFileNameW(nullptr, path, kPathChars);
    if (length > 0 && length < kPathChars)
        return true;
    path[0] = L'\0';
    return false;
}

int InitInstance(HINSTANCE instance)
{
    HANDLE running = World().OpenMutexW(SYNCHRONIZE, FALSE, kEngineMutexName);
    if (running) {
        World().CloseHandle(running);
        DebugLog(L"Found previous instance. Closing...");
        return 0;
    }
    AskOldEngineToStop();
    EngineMutex = World().CreateMutexW(nullptr, TRUE, kEngineMutexName);
    if (EngineMutex && World().GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another engine took it between our look and our take.
        World().CloseHandle(EngineMutex);
        EngineMutex = nullptr;
        DebugLog(L"Found previous instance. Closing...");
        return 0;
    }
    if (ReadEngineSetting(L"Disabled", 0) != 0) {
        DebugLog(L"HKCU\\Disabled=1. Closing...");
        return 0;
    }
    return StartEngine(instance);
}

int StartEngine(HINSTANCE instance)
{
    OpenSharedCursorRecord();
    LMClockInit();
    SetProgramFolder();
    EngineInstance = instance;
    if (!ReadSettings(nullptr)) {
        CloseSharedCursorRecord();
        return 0;
    }
    CreatePointer(instance);
    if (!EngineWindow) {
        // A theme that peeks but does not load: nothing to show and no window
        // to stop the engine through, so it does not stay.
        DebugLog(L"InitInstance failed");
        EnginePointer.reset();
        CurrentTheme.reset();
        CloseSharedCursorRecord();
        return 0;
    }
    StartUpdateTimer();
    return 1;
}

int ReadSettings(int* changed)
{
    wchar_t path[kPathChars] = {};
    World().GetCurrentThemePath(path);
    int readable = 0;
    {
        CTheme probe;
        readable = probe.PeekKind(path);
    }
    EngineShadowSettings read = ReadShadowSettings();
    if (read.DisableShadow != ShadowSettings.DisableShadow && changed)
        *changed = 1;
    ShadowSettings = read;
    return readable;
}

void CreatePointer(HINSTANCE instance)
{
    LMInitialize(instance, kEngineAppName, kEngineToolkitFlags);
    EnginePointer = std::make_unique<CPointer>();
    EnginePointer->LoadTheme();
    // Without a window the library would have nowhere to report to.
    if (EngineWindow)
        LoadHookLibrary();
    World().GetCursorPos(&PointerPos);
    World().SetProcessWorkingSetSize(World().GetCurrentProcess(), static_cast<SIZE_T>(-1),
                                     static_cast<SIZE_T>(-1));
}
