// Stopping the engine, and starting its successor on a restart.

#include "EngineLifecycle.h"

#include "CPointer.h"
#include "CTheme.h"
#include "CursorSubstitution.h"
#include "EngineValues.h"
#include "EngineWorld.h"

namespace {

void MarkShutdown()
{
    HWND window = EngineWindow;
    World().SetWindowTextW(window, L"Shutdown");
    World().SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    World().UnregisterHotKey(window, 0);
}

void ReleaseEngineMutex()
{
    if (!EngineMutex)
        return;
    World().ReleaseMutex(EngineMutex);
    World().CloseHandle(EngineMutex);
    EngineMutex = nullptr;
}

void RunSuccessor()
{
    wchar_t path[kPathChars] = {};
    if (GetOwnProgramPath(path))
        RunProgram(path, ProgramFolder, nullptr);
}

void RunShutdownStep(ShutdownStep step)
{
    switch (step) {
    case ShutdownStep::DisableEngine:
        DisableEngine();
        break;
    case ShutdownStep::RestoreCursors:
        RestoreWindowsCursors();
        break;
    case ShutdownStep::StopTimer:
        StopUpdateTimer();
        break;
    case ShutdownStep::MarkShutdown:
        MarkShutdown();
        break;
    case ShutdownStep::UnloadHook:
        UnloadHookLibrary();
        break;
    case ShutdownStep::StopSounds:
        World().PlaySoundW(nullptr, nullptr, 0);
        break;
    case ShutdownStep::UnmapShared:
        CloseSharedCursorRecord();
        break;
    case ShutdownStep::DeletePointer:
        EnginePointer.reset();
        EngineWindow = nullptr;
        break;
    case ShutdownStep::DeleteTheme:
        CurrentTheme.reset();
        break;
    case ShutdownStep::ReleaseMutex:
        ReleaseEngineMutex();
        break;
    case ShutdownStep::RunSuccessor:
        RunSuccessor();
        break;
    case ShutdownStep::PostQuit:
        World().PostQuitMessage(1);
        break;
    }
}

}  // namespace

std::vector<ShutdownStep> PlanShutdown(const ShutdownFacts& facts)
{
    std::vector<ShutdownStep> steps;
    if (facts.AlreadyStopped)
        return steps;
    if (facts.Enabled)
        steps.push_back(ShutdownStep::DisableEngine);
    else if (facts.DummiesInstalled)
        steps.push_back(ShutdownStep::RestoreCursors);
    steps.push_back(ShutdownStep::StopTimer);
    if (facts.HasPointer)
        steps.push_back(ShutdownStep::MarkShutdown);
    steps.insert(steps.end(), {ShutdownStep::UnloadHook, ShutdownStep::StopSounds,
                               ShutdownStep::UnmapShared, ShutdownStep::DeletePointer,
                               ShutdownStep::DeleteTheme, ShutdownStep::ReleaseMutex});
    if (facts.Restart)
        steps.push_back(ShutdownStep::RunSuccessor);
    steps.push_back(ShutdownStep::PostQuit);
    return steps;
}

void ShutdownEngine(int restart)
{
    ShutdownFacts facts;
    facts.AlreadyStopped = EngineStopped != 0;
    facts.Enabled = EngineEnabled != 0;
    facts.HasPointer = EnginePointer != nullptr;
    facts.Restart = restart != 0;
    facts.DummiesInstalled = AnyDummyInstalled();
    EngineStopped = 1;
    for (ShutdownStep step : PlanShutdown(facts))
        RunShutdownStep(step);
}
