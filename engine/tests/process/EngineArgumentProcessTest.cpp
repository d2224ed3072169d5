// Trivane.exe started with a theme file, and with bad input of every kind.

#include "EngineProcessFixture.h"

#include "CTheme.h"
#include "TempFolder.h"
#include "TestThemes.h"

#include <thread>

namespace {

constexpr DWORD kQuietMs = 1000;

class ArgumentTest : public EngineProcessTest {
protected:
    std::unique_ptr<CTheme> LoadCurrent()
    {
        auto theme = std::make_unique<CTheme>();
        EXPECT_EQ(1, theme->Load(currentPath_.c_str(), 0));
        return theme;
    }

    // Runs Trivane.exe with the argument while an engine runs; it must hand
    // the theme over and end with 0.
    void RunWithEngine(const std::wstring& argument)
    {
        HWND window = StartRunningEngine(&engine_);
        ASSERT_NE(nullptr, window);
        EngineProcess forwarder = StartEngineProgram(argument);
        EXPECT_EQ(0u, forwarder.WaitForExit(kEngineExitMs));
    }

    void ExpectEngineRestarted()
    {
        EXPECT_EQ(1u, engine_.WaitForExit(kEngineExitMs)) << "the engine re-applied";
        EXPECT_NE(nullptr, WaitForSuccessor(engine_.Id(), kEngineStartMs).Window);
    }

    // An engine asked to re-apply would end within this time.
    void ExpectEngineUntouched()
    {
        EXPECT_EQ(STILL_ACTIVE, engine_.WaitForExit(kQuietMs));
        ASSERT_EQ(1u, EngineWindows().size());
        EXPECT_EQ(engine_.Id(), EngineWindows()[0].ProcessId);
    }

    TempFolder folder_;
    EngineProcess engine_;
};

TEST_F(ArgumentTest, TheCurrentFileItselfIsMergedIntoItself)
{
    RunWithEngine(L"\"" + currentPath_ + L"\"");
    ExpectEngineRestarted();
    EXPECT_NE(nullptr, LoadCurrent()->FindCursor(0, 1, 1));
}

TEST_F(ArgumentTest, AThemeInTheThemesFolderIsMergedWithoutCopy)
{
    std::wstring inThemes = themesFolder_ + L"\\ProcessTest In Themes.Trivane";
    ASSERT_TRUE(SaveTestTheme(inThemes, {{4, 1}}));
    std::string before;
    ASSERT_TRUE(ReadBytesFromFile(inThemes, &before));
    RunWithEngine(L"\"" + inThemes + L"\"");
    ExpectEngineRestarted();
    auto current = LoadCurrent();
    EXPECT_NE(nullptr, current->FindCursor(4, 1, 1));
    EXPECT_EQ(nullptr, current->FindCursor(0, 1, 1));
    std::string after;
    ASSERT_TRUE(ReadBytesFromFile(inThemes, &after));
    EXPECT_EQ(before, after);
}

TEST_F(ArgumentTest, QuotesAndBlanksOpenTheSameFile)
{
    std::wstring spaced = folder_.File(L"a b");
    ASSERT_TRUE(CreateDirectoryW(spaced.c_str(), nullptr));
    std::wstring theme = spaced + L"\\ProcessTest Quoted.Trivane";
    ASSERT_TRUE(SaveTestTheme(theme, {{7, 1}}));
    RunWithEngine(L"  \"" + theme + L"\"  ");
    ExpectEngineRestarted();
    EXPECT_NE(nullptr, LoadCurrent()->FindCursor(7, 1, 1));
    EXPECT_TRUE(FilesIn(themesFolder_).count(L"ProcessTest Quoted.Trivane")) << "copied";
}

TEST_F(ArgumentTest, AMissingFileIsNeitherMergedNorAnnounced)
{
    std::string before = CurrentThemeBytes();
    RunWithEngine(L"\"" + folder_.File(L"Missing.Trivane") + L"\"");
    EXPECT_EQ(before, CurrentThemeBytes());
    ExpectEngineUntouched();
}

TEST_F(ArgumentTest, AnEffectsOnlyThemeKeepsTheCursors)
{
    auto effects = MakeTestTheme({});
    AddTestEffect(*effects, 0);
    std::wstring path = folder_.File(L"ProcessTest Effects.Trivane");
    ASSERT_TRUE(SaveTestTheme(path, *effects));
    RunWithEngine(L"\"" + path + L"\"");
    ExpectEngineRestarted();
    auto current = LoadCurrent();
    EXPECT_NE(nullptr, current->FindCursor(0, 1, 1));
    EXPECT_NE(nullptr, current->GetEffect(0));
}

TEST_F(ArgumentTest, WithoutRunningEngineTheProcessBecomesTheEngine)
{
    std::wstring path = folder_.File(L"ProcessTest Alone.Trivane");
    ASSERT_TRUE(SaveTestTheme(path, {{2, 1}}));
    EngineProcess engine = StartEngineProgram(L"\"" + path + L"\"");
    ASSERT_TRUE(engine.IsValid());
    EXPECT_NE(nullptr, WaitForEngineWindow(engine.Id(), kEngineStartMs));
    EXPECT_NE(nullptr, LoadCurrent()->FindCursor(2, 1, 1));
}

TEST_F(ArgumentTest, ArgumentsThatAreNoThemeFileChangeNothing)
{
    std::wstring text = folder_.File(L"ProcessTest Notes.txt");
    ASSERT_TRUE(WriteBytesToFile(text, "notes", 5));
    const std::wstring arguments[] = {
        L"\"" + std::wstring(2000, L'x') + L"\"",
        L"\"" + folder_.Path() + L"\"",
        L"\"" + text + L"\"",
    };
    std::string before = CurrentThemeBytes();
    HWND window = StartRunningEngine(&engine_);
    ASSERT_NE(nullptr, window);
    for (const std::wstring& argument : arguments) {
        SCOPED_TRACE(testing::Message() << "argument of " << argument.size() << " characters");
        EngineProcess other = StartEngineProgram(argument);
        EXPECT_EQ(0u, other.WaitForExit(kEngineExitMs));
        EXPECT_EQ(before, CurrentThemeBytes());
        ExpectEngineUntouched();
    }
    EXPECT_FALSE(FilesIn(themesFolder_).count(L"ProcessTest Notes.txt"));
}

using BadInputTest = EngineProcessTest;

TEST_F(BadInputTest, AnyHotKeySettingLeavesAWorkingEngine)
{
    for (DWORD value : {0u, 0xFFFFFFFFu, 0x300u}) {
        SCOPED_TRACE(testing::Message() << "HotKey 0x" << std::hex << value);
        SetSetting(L"HotKey", value);
        EngineProcess engine;
        HWND window = StartRunningEngine(&engine);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_SHUTDOWN"));
        EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
    }
}

TEST_F(BadInputTest, TheEngineRunsWithoutItsSharedRecord)
{
    // Another kind of object holds the name, so no mapping of it can be made.
    ScopedKernelHandle squatter(CreateMutexW(nullptr, FALSE, L"QMWShd0"));
    ASSERT_TRUE(squatter.IsValid());
    EngineProcess engine;
    HWND window = StartRunningEngine(&engine);
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_SHUTDOWN"));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
}

TEST_F(BadInputTest, AForeignEngineWindowThatNeverAnswersDoesNotHoldTheStart)
{
    ScopedKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ScopedKernelHandle created(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread hung([&] {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"Pavolt";
        RegisterClassExW(&windowClass);
        HWND window = CreateWindowExW(0, L"Pavolt", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        SetEvent(created.Get());
        // Never pumps: every message sent to the window waits.
        WaitForSingleObject(release.Get(), INFINITE);
        DestroyWindow(window);
        UnregisterClassW(L"Pavolt", GetModuleHandleW(nullptr));
    });
    WaitForSingleObject(created.Get(), 10000);
    EngineProcess engine = StartEngineProgram();
    HWND window = WaitForEngineWindow(engine.Id(), kEngineStartMs);
    SetEvent(release.Get());
    hung.join();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(PostEngineMessage(window, L"WM_TRV_SHUTDOWN"));
    EXPECT_EQ(1u, engine.WaitForExit(kEngineExitMs));
}

}  // namespace
