#include "LMToolkit.h"

#include "LMClock.h"
#include "LMDCCache.h"
#include "LMObjGlobals.h"
#include "LMProcs.h"

std::wstring LMAppName;
HINSTANCE LMAppInstance = nullptr;
int LMDrivenFrames = 0;
int32_t LMOsFeatures = 0;
std::unique_ptr<uint8_t[]> LMAlphaTable;
HWND LMControlWindow = nullptr;
ScopedKernelHandle LMMutex;
DWORD LMStartThreadId = 0;
LMScreenMetrics LMScreen;
// Declared in this order so the root goes before the timer it may be in.
std::unique_ptr<LMFrameTimer> LMScheduler;
std::unique_ptr<LMObj> LMRootObj;
int LMSupersampleFactor = 4;

int32_t LMOsFeatureWord(DWORD platform, DWORD major, DWORD minor, int32_t current)
{
    if (platform == VER_PLATFORM_WIN32_WINDOWS)
        return LMOsWin9x;
    if (platform != VER_PLATFORM_WIN32_NT)
        return current;
    if (major == 4)
        return LMOsNT4;
    if (major == 5 && (minor == 0 || minor == 2))
        return LMOs2000;
    if ((major == 5 && minor == 1) || major > 5)
        return LMOsXPAndLater;
    return current;
}

int LMUpdateScreenMetrics()
{
    LMScreen.Width = GetSystemMetrics(SM_CXSCREEN);
    LMScreen.Height = GetSystemMetrics(SM_CYSCREEN);
    LMScreen.VirtualLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    LMScreen.VirtualTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    LMScreen.VirtualWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    LMScreen.VirtualHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    LMScreen.MultiMonitor = GetSystemMetrics(SM_CMONITORS) > 1;
    return 1;
}

void LMBuildAlphaTable()
{
    auto table = std::make_unique<uint8_t[]>(256 * 256);
    for (int a = 0; a < 256; ++a) {
        for (int c = 0; c < 256; ++c)
            table[a * 256 + c] = static_cast<uint8_t>(c * a / 255);
    }
    LMAlphaTable = std::move(table);
}

std::wstring LMAppDerivedName(const wchar_t* suffix)
{
    return LMAppName + suffix;
}

namespace {

bool g_initialized = false;

void TakeNameAndInstance(HINSTANCE instance, const wchar_t* appName)
{
    LMAppName = (appName && *appName) ? appName : L"Lumira";
    LMAppInstance = instance;
    if (LMSupersampleFactor < 1 || LMSupersampleFactor > 4)
        LMSupersampleFactor = 3;
}

void BindProcedures(int flags)
{
    if ((LMOsFeatures & 1) && !(flags & LMInitNoLayered))
        LMProcs::BindLayered();
    // The software blend needs the table whenever AlphaBlend is missing.
    if (!LMProcs::AlphaBlend && !LMAlphaTable)
        LMBuildAlphaTable();
    if (LMOsFeatures == LMOsXPAndLater)
        LMProcs::BindThemeBackground();
}

void FindNamedObjects(int flags)
{
    LMControlWindow = FindWindowW(LMAppDerivedName(L"-Ctrl").c_str(), nullptr);
    LMUpdateScreenMetrics();
    if (!(flags & LMInitNoMutex) && !LMMutex) {
        LMMutex.Reset(CreateMutexW(nullptr, FALSE, LMAppDerivedName(L"Mutex").c_str()));
        LMStartThreadId = GetCurrentThreadId();
    }
}

}  // namespace

int LMInitializeWithVersion(HINSTANCE instance, const wchar_t* appName, int flags,
                            const OSVERSIONINFOW& version)
{
    LMOsFeatures = LMOsFeatureWord(version.dwPlatformId, version.dwMajorVersion,
                                   version.dwMinorVersion, LMOsFeatures);
    if (LMOsFeatures == 0)
        return 0;
    TakeNameAndInstance(instance, appName);
    if (g_initialized) {
        FindNamedObjects(flags);
        return 1;
    }
    LMDrivenFrames = flags & LMInitDrivenFrames;
    LMInitDCCache();
    LMClockInit();
    BindProcedures(flags);
    FindNamedObjects(flags);
    LMScheduler = std::make_unique<LMFrameTimer>(LMDrivenFrames != 0);
    LMRootObj = std::make_unique<LMObj>(LMObjRoot);
    LMRootObj->Shown = 1;
    RootObject = LMRootObj.get();
    g_initialized = true;
    return 1;
}

static_assert(sizeof(OSVERSIONINFOW) == 276, "the version record is read as Windows lays it out");

int LMInitialize(HINSTANCE instance, const wchar_t* appName, int flags)
{
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&version);
#pragma GCC diagnostic pop
    return LMInitializeWithVersion(instance, appName, flags, version);
}
