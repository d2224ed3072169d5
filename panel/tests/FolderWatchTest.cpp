// The Themes folder watcher: every change re-arms the refresh timer from
// the watcher's thread, and the lists are rebuilt once on the dialog's
// thread, a second after the last change.

#include "MainDialogTestSupport.h"

#include "FolderWatch.h"
#include "MessagePump.h"
#include "SoundFixtures.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr DWORD kBetweenWritesMs = 250;

// Rebuilds are the refresh timers the dialog's own thread killed.
int Rebuilds(const ShellWorld& world)
{
    int rebuilds = 0;
    for (const ShellWorld::TimerCall& call : world.TimerCalls())
        rebuilds +=
            !call.Set && call.Id == kRefreshListsTimer && call.Thread == GetCurrentThreadId();
    return rebuilds;
}

int WatcherRearms(const ShellWorld& world)
{
    int rearms = 0;
    for (const ShellWorld::TimerCall& call : world.TimerCalls())
        rearms += call.Set && call.Id == kRefreshListsTimer && call.ElapseMs == 1000 &&
                  call.Thread != GetCurrentThreadId();
    return rearms;
}

}  // namespace

TEST_F(MainDialogTest, ABurstOfChangesRebuildsEveryListOnceASecondAfterTheLast)
{
    ASSERT_NE(nullptr, OpenDialog());
    ASSERT_TRUE(WriteBytesToFile(sounds_.File(L"Click.wav"), MakeWave().data(), MakeWave().size()));
    const std::unique_ptr<CTheme> files[] = {NamedTheme(L"Cedar"), SpriteTheme(L"Spark", {0}, {}),
                                             SpriteTheme(L"Comet", {}, {0}), NamedTheme(L"Larch")};
    DWORD lastWrite = 0;
    for (const auto& theme : files) {
        wchar_t name[MAX_PATH];
        theme->GetDisplayName(name, MAX_PATH);
        ASSERT_TRUE(SaveTestTheme(themes_.File(std::wstring(name) + L".Trivane"), *theme));
        lastWrite = GetTickCount();
        PumpMessagesFor(kBetweenWritesMs);
    }
    EXPECT_EQ(0, Rebuilds(world_)) << "each change put the rebuild off";
    ASSERT_TRUE(PumpMessagesUntil([&] { return Rebuilds(world_) > 0; }, 5000));
    const DWORD after = GetTickCount() - lastWrite;
    EXPECT_GE(after, 900u);
    EXPECT_LE(after, 3000u);
    PumpMessagesFor(1500);
    EXPECT_EQ(1, Rebuilds(world_));
    EXPECT_GE(WatcherRearms(world_), 4);
    EXPECT_EQ((std::vector<size_t>{2, 1, 1, 1}),
              (std::vector<size_t>{Library.Themes.size(), Library.Effects.size(),
                                   Library.Trails.size(), Library.SoundFiles.Rows.size()}));

    // Five hundred changes at once are one more rebuild.
    for (int i = 0; i < 500; ++i) {
        char name[32];
        snprintf(name, sizeof(name), "note%03d.txt", i);
        const std::string file(name);
        ASSERT_TRUE(WriteBytesToFile(themes_.File(std::wstring(file.begin(), file.end())), "x", 1));
    }
    ASSERT_TRUE(PumpMessagesUntil([&] { return Rebuilds(world_) > 1; }, 8000));
    PumpMessagesFor(1500);
    EXPECT_EQ(2, Rebuilds(world_));
    EXPECT_EQ(2u, Library.Themes.size());
}

TEST_F(MainDialogTest, AWatchThatCannotBeMadeEndsItsThread)
{
    for (const std::wstring& folder : {themes_.File(L"missing"), std::wstring()}) {
        SCOPED_TRACE(testing::Message() << folder.c_str());
        ThemesFolderWatch watch;
        watch.Folder = folder;
        watch.Stop.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        ScopedKernelHandle thread(
            CreateThread(nullptr, 0, WatchThemesFolderThread, &watch, 0, nullptr));
        ASSERT_TRUE(thread);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread.Get(), 5000));
    }
    EXPECT_TRUE(world_.TimerCalls().empty());
}
