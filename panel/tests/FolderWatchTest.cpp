// The Themes folder watcher: every change is posted to the dialog, which
// re-arms its refresh timer on its own thread, and the lists are rebuilt
// once, a second after the last change.

#include "MainDialogTestSupport.h"

#include "ArchiveFixtures.h"
#include "FolderWatch.h"
#include "LMMessageBox.h"
#include "MainWindow.h"
#include "MessageBoxRecorder.h"
#include "MessagePump.h"
#include "SoundFixtures.h"
#include "ThemeMessages.h"

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

int Rearms(const ShellWorld& world)
{
    int rearms = 0;
    for (const ShellWorld::TimerCall& call : world.TimerCalls())
        rearms += call.Set && call.Id == kRefreshListsTimer && call.ElapseMs == 1000;
    return rearms;
}

// A timer belongs to its window's thread: the watcher sets none.
bool AllTimersOnThisThread(const ShellWorld& world)
{
    for (const ShellWorld::TimerCall& call : world.TimerCalls()) {
        if (call.Thread != GetCurrentThreadId())
            return false;
    }
    return true;
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
    EXPECT_GE(Rearms(world_), 4);
    EXPECT_TRUE(AllTimersOnThisThread(world_));
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

namespace {

// An archive whose one image is not a PNG: it lists, and every read fails.
void WriteBrokenArchive(const std::wstring& path)
{
    const std::string archive =
        SchemeArchive("[Arrow]\r\nFrames=1\r\nStdCursor=0\r\n", {{"Arrow.png", "not a png"}}).File;
    ASSERT_TRUE(WriteBytesToFile(path, archive.data(), archive.size()));
}

}  // namespace

// A file that cannot be read shows no box of its own: one box after the
// build names it, and it is not read again while it stays as it is.
TEST_F(MainDialogTest, ABrokenFileIsNamedOnceAfterTheBuildAndNotReadAgain)
{
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Cedar.Trivane"), *NamedTheme(L"Cedar")));
    WriteBrokenArchive(themes_.File(L"Broken.PvltTheme"));
    MessageBoxRecorder boxes;
    ASSERT_NE(nullptr, OpenDialog());
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(std::wstring(kUnreadableThemeFiles) + L"\r\n\r\nBroken.PvltTheme",
              boxes.Boxes()[0].Text);
    EXPECT_EQ(dialog_, boxes.Boxes()[0].Owner);
    ASSERT_EQ(2u, Library.Themes.size());
    EXPECT_EQ(nullptr, Library.Themes[0].Preview) << "Broken keeps its row, without a picture";
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Larch.Trivane"), *NamedTheme(L"Larch")));
    RebuildLibraryLists();
    EXPECT_EQ(1u, boxes.Boxes().size()) << "nothing new to say";
    EXPECT_EQ(3u, Library.Themes.size());
    WriteBrokenArchive(themes_.File(L"Broken.PvltTheme"));  // written again: read again
    RebuildLibraryLists();
    EXPECT_EQ(2u, boxes.Boxes().size());
}

// A box inside a build runs a message loop in which the folder's timer
// fires: the rebuild it asks for comes after this one, never inside it.
TEST_F(MainDialogTest, ARebuildAskedForDuringABuildComesAfterIt)
{
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Cedar.Trivane"), *NamedTheme(L"Cedar")));
    ASSERT_NE(nullptr, OpenDialog());
    WriteBrokenArchive(themes_.File(L"Broken.PvltTheme"));
    int nested = 0;
    LMSetMessageBoxHandler([&](HWND, const wchar_t*, const wchar_t*, UINT) {
        // What a user's copy meets while the box is up.
        SaveTestTheme(themes_.File(L"Larch.Trivane"), *NamedTheme(L"Larch"));
        ++nested;
        const size_t calls = world_.TimerCalls().size();
        SendMessageW(dialog_, WM_TIMER, kRefreshListsTimer, 0);
        const std::vector<ShellWorld::TimerCall> made = world_.TimerCalls();
        EXPECT_TRUE(made.size() > calls && made.back().Set && made.back().Id == kRefreshListsTimer)
            << "put off";
        return IDOK;
    });
    RebuildLibraryLists();
    LMSetMessageBoxHandler(nullptr);
    ASSERT_EQ(1, nested);
    EXPECT_EQ(2u, Library.Themes.size()) << "the rows of the files listed when it started";
    SendMessageW(dialog_, WM_TIMER, kRefreshListsTimer, 0);
    EXPECT_EQ(3u, Library.Themes.size());
}

// Two archives without "scheme.ini", one of six 20 MiB entries and one of
// 65,534 entries, cost their first read; after that a change of the folder
// rebuilds without reading them again. Prints both times.
TEST_F(MainDialogTest, ARebuildAfterAChangeSkipsBrokenArchivesThatStayAsTheyWere)
{
    std::vector<ZipEntryPlan> large, many;
    for (int i = 0; i < 6; ++i)
        large.push_back({"big" + std::to_string(i) + ".bin", std::string(20 << 20, '\0')});
    for (int i = 0; i < 65534; ++i)
        many.push_back({"f" + std::to_string(i), "", false});
    for (const auto& [name, entries] :
         {std::pair{L"Large.PvltTheme", &large}, {L"Many.PvltTheme", &many}}) {
        const std::string file = BuildZip(*entries).File;
        ASSERT_TRUE(WriteBytesToFile(themes_.File(name), file.data(), file.size()));
    }
    MessageBoxRecorder boxes;
    LARGE_INTEGER frequency, start, built, rebuilt;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    ASSERT_NE(nullptr, OpenDialog());
    QueryPerformanceCounter(&built);
    ASSERT_TRUE(SaveTestTheme(themes_.File(L"Cedar.Trivane"), *NamedTheme(L"Cedar")));
    RebuildLibraryLists();
    QueryPerformanceCounter(&rebuilt);
    auto ms = [&](LARGE_INTEGER from, LARGE_INTEGER to) {
        return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / frequency.QuadPart;
    };
    std::printf("first build with two broken archives: %.0f ms; rebuild after a change: %.0f ms\n",
                ms(start, built), ms(built, rebuilt));
    EXPECT_EQ(3u, Library.Themes.size());
    EXPECT_EQ(1u, boxes.Boxes().size()) << "the two named once, in the first build";
}
