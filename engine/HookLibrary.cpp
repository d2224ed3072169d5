// The outside hook library that reports mouse buttons to the engine window.

#include "EngineLifecycle.h"

#include "EngineMessages.h"
#include "EngineValues.h"
#include "EngineWorld.h"
#include "Pvlt0.h"

#include <cwchar>

int LoadHookLibrary()
{
    wchar_t path[kPathChars];
    int length = swprintf(path, kPathChars, L"%ls\\%ls", ProgramFolder, kHookLibraryName);
    if (length <= 0 || length >= kPathChars)
        return 1;
    HookLibrary = World().LoadLibraryW(path);
    if (!HookLibrary)
        return 1;
    auto install = reinterpret_cast<Pvlt0InstallProc>(
        reinterpret_cast<void*>(World().GetProcAddress(HookLibrary, kPvlt0InstallName)));
    if (!install)
        return 1;
    HookInstalled = 1;
    install(EngineWindow, EngineMessages[WM_TRV_MOUSEMSG]);
    return 1;
}

void UnloadHookLibrary()
{
    if (!HookInstalled)
        return;
    HookInstalled = 0;
    auto remove = reinterpret_cast<Pvlt0RemoveProc>(
        reinterpret_cast<void*>(World().GetProcAddress(HookLibrary, kPvlt0RemoveName)));
    if (remove)
        remove();
}
