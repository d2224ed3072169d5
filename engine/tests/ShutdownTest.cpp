// Stopping the engine, in order, against a recorded fake world.

#include "CPointer.h"
#include "CTheme.h"
#include "EngineLifecycle.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"

#include <gtest/gtest.h>

namespace {

int RemoveCalls = 0;
int WINAPI CountingRemove()
{
    ++RemoveCalls;
    return 1;
}

class ShutdownTest : public EngineFixture {
protected:
    // An engine as it runs: enabled, ticking, hooked, with pointer and theme.
    void StartRunningEngine()
    {
        EngineWindow = window_;
        EngineEnabled = 1;
        UpdateTimerId = 7;
        HookLibrary = reinterpret_cast<HMODULE>(0x90);
        HookInstalled = 1;
        world_.Procs["Pvlt0_01"] =
            reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CountingRemove));
        SharedCursorMapping = world_.Mapping;
        SharedCursorView = reinterpret_cast<SharedCursorPair*>(world_.View);
        EngineMutex = world_.NewMutex;
        wcscpy(ProgramFolder, L"C:\\Engine");
        EnginePointer = std::make_unique<CPointer>();
        CurrentTheme = std::make_unique<CTheme>();
        RemoveCalls = 0;
        world_.Calls.clear();
    }

    // The recorded lines, in order, each reduced to its first words.
    std::vector<std::string> Order(const std::vector<std::string>& prefixes) const
    {
        std::vector<std::string> found;
        for (const std::string& call : world_.Calls) {
            for (const std::string& prefix : prefixes) {
                if (call.compare(0, prefix.size(), prefix) == 0) {
                    found.push_back(prefix);
                    break;
                }
            }
        }
        return found;
    }

    HWND window_ = reinterpret_cast<HWND>(0x1000);
};

TEST_F(ShutdownTest, StepsRunInTheirOrder)
{
    StartRunningEngine();
    ShutdownEngine(0);
    const std::vector<std::string> expected = {
        "SetWindowTextW 0x1000 Disabled",  // DisableEngine
        "SetWindowLongPtrW 0x1000 -21 0",
        "timeKillEvent 7",
        "SetWindowTextW 0x1000 Shutdown",
        "SetWindowLongPtrW 0x1000 -21 0",
        "UnregisterHotKey 0x1000 0",
        "GetProcAddress 0x90 Pvlt0_01",
        "PlaySoundW 0x0 0x0 0",
        "UnmapViewOfFile",
        "CloseHandle 0x50",
        "ReleaseMutex 0x40",
        "CloseHandle 0x40",
        "PostQuitMessage 1",
    };
    EXPECT_EQ(expected, Order(expected));
    EXPECT_EQ(1, RemoveCalls);
    EXPECT_FALSE(world_.Called("ShellExecuteExW"));
    EXPECT_EQ(nullptr, EnginePointer);
    EXPECT_EQ(nullptr, CurrentTheme);
    EXPECT_EQ(nullptr, static_cast<HWND>(EngineWindow));
    EXPECT_EQ(0u, UpdateTimerId);
    EXPECT_EQ(nullptr, SharedCursorView);
    EXPECT_EQ(nullptr, EngineMutex);
}

TEST_F(ShutdownTest, ARestartStartsTheProgramAfterTheMutexIsGone)
{
    StartRunningEngine();
    ShutdownEngine(1);
    int released = world_.IndexOf("CloseHandle 0x40");
    int started = world_.IndexOf("ShellExecuteExW");
    int quit = world_.IndexOf("PostQuitMessage 1");
    ASSERT_GE(started, 0);
    EXPECT_LT(released, started);
    EXPECT_LT(started, quit);
    EXPECT_EQ("ShellExecuteExW C:\\Engine\\Trivane.exe C:\\Engine null 0 1 " +
                  std::to_string(sizeof(SHELLEXECUTEINFOW)),
              world_.Calls[started]);
}

TEST_F(ShutdownTest, ASecondCallIsHarmless)
{
    StartRunningEngine();
    ShutdownEngine(1);
    world_.Calls.clear();
    ShutdownEngine(1);
    ShutdownEngine(0);
    EXPECT_EQ(std::vector<std::string>{}, world_.Calls);
    EXPECT_EQ(1, RemoveCalls);
}

TEST_F(ShutdownTest, TheHookIsRemovedOnlyWhenItWasInstalled)
{
    StartRunningEngine();
    HookInstalled = 0;
    ShutdownEngine(0);
    EXPECT_FALSE(world_.Called("GetProcAddress"));
    EXPECT_EQ(0, RemoveCalls);
}

TEST_F(ShutdownTest, AnEngineThatNeverStartedStopsQuietly)
{
    ShutdownEngine(0);
    const std::vector<std::string> expected = {"PlaySoundW 0x0 0x0 0", "PostQuitMessage 1"};
    EXPECT_EQ(expected, world_.Calls);
}

TEST_F(ShutdownTest, ThePlanFollowsTheFacts)
{
    using S = ShutdownStep;
    struct Case {
        ShutdownFacts Facts;
        std::vector<ShutdownStep> Expected;
    };
    const std::vector<S> common = {S::UnloadHook,    S::StopSounds,  S::UnmapShared,
                                   S::DeletePointer, S::DeleteTheme, S::ReleaseMutex};
    auto with = [&](std::vector<S> before, std::vector<S> after) {
        before.insert(before.end(), common.begin(), common.end());
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    const Case cases[] = {
        {{true, true, true, true}, {}},
        {{false, false, false, false}, with({S::StopTimer}, {S::PostQuit})},
        {{false, true, false, false}, with({S::DisableEngine, S::StopTimer}, {S::PostQuit})},
        {{false, false, true, false}, with({S::StopTimer, S::MarkShutdown}, {S::PostQuit})},
        {{false, true, true, true},
         with({S::DisableEngine, S::StopTimer, S::MarkShutdown}, {S::RunSuccessor, S::PostQuit})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "stopped " << c.Facts.AlreadyStopped << " enabled " << c.Facts.Enabled
                     << " pointer " << c.Facts.HasPointer << " restart " << c.Facts.Restart);
        EXPECT_EQ(c.Expected, PlanShutdown(c.Facts));
    }
}

}  // namespace
