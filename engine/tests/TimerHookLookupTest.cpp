// The tick timer, the hook library's contract and the small shared helpers.

#include "EngineLifecycle.h"
#include "EngineMessages.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"
#include "RegistryWrites.h"
#include "ThemeImport.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

class TimerTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        RegisterEngineMessages();
        EngineWindow = reinterpret_cast<HWND>(0x1000);
        world_.Calls.clear();
    }

    void Tick(DWORD now)
    {
        world_.Now = now;
        UpdateTimerProc(UpdateTimerId, 0, 0, 0, 0);
    }
    std::string UpdateCall() const
    {
        return "SendNotifyMessageW 0x1000 " + std::to_string(EngineMessages[WM_TRV_UPDATE]) +
               " 0 0";
    }
};

TEST_F(TimerTest, NoTickIsSentWhileAStepRuns)
{
    TickBusy = 1;
    Tick(1000);
    EXPECT_FALSE(world_.Called("SendNotifyMessageW"));
    TickBusy = 0;
    Tick(1010);
    EXPECT_EQ(std::vector<std::string>{UpdateCall()}, world_.CallsOf("SendNotifyMessageW"));
}

TEST_F(TimerTest, PriorityIsCheckedFirstThenAfterMoreThanTwoSeconds)
{
    TickBusy = 1;
    Tick(1000);
    EXPECT_EQ(1, world_.Count("GetThreadPriority"));
    EXPECT_EQ(std::vector<std::string>{"SetThreadPriority 0xf1 2"},
              world_.CallsOf("SetThreadPriority"));
    TickBusy = 0;
    Tick(1010);
    Tick(3000);
    EXPECT_EQ(1, world_.Count("GetThreadPriority")) << "2000 ms is not more than 2000 ms";
    Tick(3001);
    EXPECT_EQ(2, world_.Count("GetThreadPriority"));
    EXPECT_EQ(1, world_.Count("SetThreadPriority")) << "already at the highest";
    EXPECT_LT(world_.IndexOf("GetThreadPriority"), world_.IndexOf("SendNotifyMessageW"));
}

TEST_F(TimerTest, TheTimerStartsAndStopsOnce)
{
    EXPECT_EQ(1, StartUpdateTimer());
    EXPECT_EQ(7u, UpdateTimerId);
    EXPECT_EQ(0, StartUpdateTimer());
    ASSERT_EQ(1, world_.Count("timeSetEvent"));
    EXPECT_EQ(0u, world_.CallsOf("timeSetEvent")[0].find("timeSetEvent 10 2 "));
    EXPECT_NE(std::string::npos, world_.CallsOf("timeSetEvent")[0].find(" 0 1"))
        << "no user value, periodic";
    EXPECT_EQ(1, StopUpdateTimer());
    EXPECT_EQ(0, StopUpdateTimer());
    EXPECT_EQ(std::vector<std::string>{"timeKillEvent 7"}, world_.CallsOf("timeKillEvent"));
}

HWND InstalledWindow = nullptr;
UINT InstalledMessage = 0;
int WINAPI RecordingInstall(HWND window, UINT message)
{
    InstalledWindow = window;
    InstalledMessage = message;
    return 0;
}

class HookLibraryTest : public TimerTest {
protected:
    void SetUp() override
    {
        TimerTest::SetUp();
        wcscpy(ProgramFolder, L"C:\\Engine");
        InstalledWindow = nullptr;
        InstalledMessage = 0;
    }
};

TEST_F(HookLibraryTest, AMissingLibraryIsSilent)
{
    EXPECT_EQ(1, LoadHookLibrary());
    EXPECT_EQ(std::vector<std::string>{"LoadLibraryW C:\\Engine\\Pvlt0.dll"},
              world_.CallsOf("LoadLibraryW"));
    EXPECT_FALSE(world_.Called("GetProcAddress"));
    UnloadHookLibrary();
    EXPECT_FALSE(world_.Called("GetProcAddress"));
}

TEST_F(HookLibraryTest, ALibraryWithoutTheInstallIsSilentAndNotAskedToRemove)
{
    world_.Library = reinterpret_cast<HMODULE>(0x90);
    EXPECT_EQ(1, LoadHookLibrary());
    UnloadHookLibrary();
    EXPECT_EQ(std::vector<std::string>{"GetProcAddress 0x90 Pvlt0_00"},
              world_.CallsOf("GetProcAddress"));
}

TEST_F(HookLibraryTest, TheInstallGetsTheWindowAndTheMouseMessage)
{
    world_.Library = reinterpret_cast<HMODULE>(0x90);
    world_.Procs["Pvlt0_00"] =
        reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordingInstall));
    EXPECT_EQ(1, LoadHookLibrary());
    EXPECT_EQ(reinterpret_cast<HWND>(0x1000), InstalledWindow);
    EXPECT_EQ(EngineMessages[WM_TRV_MOUSEMSG], InstalledMessage);
    UnloadHookLibrary();
    EXPECT_TRUE(world_.Called("GetProcAddress 0x90 Pvlt0_01"));
}

class LookupTest : public EngineFixture {};

TEST_F(LookupTest, TheEngineWindowIsFoundByItsClass)
{
    world_.WindowsByClass[L"Pavolt"] = reinterpret_cast<HWND>(0x2000);
    EXPECT_EQ(reinterpret_cast<HWND>(0x2000), FindEngineWindow());
    EXPECT_EQ(std::vector<std::string>{"FindWindowW Pavolt null"}, world_.Calls);
}

TEST_F(LookupTest, OnlyTheFirstMarkedWindowIsToldToReload)
{
    HWND plain = reinterpret_cast<HWND>(0x10);
    HWND panel = reinterpret_cast<HWND>(0x20);
    HWND second = reinterpret_cast<HWND>(0x30);
    world_.TopWindows = {plain, panel, second};
    world_.UserData[panel] = 0x634DF01A;
    world_.UserData[second] = 0x634DF01A;
    world_.EnumWindows(NotifyThemeListEnumProc, 0);
    EXPECT_EQ(std::vector<std::string>{"PostMessageW 0x20 0 14 0"}, world_.CallsOf("PostMessageW"));
    EXPECT_FALSE(world_.Called("GetWindowLongPtrW 0x30")) << "the enumeration stopped";
}

TEST_F(LookupTest, AWordThatOnlyLooksLikeTheMarkIsNotIt)
{
    HWND window = reinterpret_cast<HWND>(0x10);
    world_.TopWindows = {window};
    world_.UserData[window] = static_cast<LONG_PTR>(0x1634DF01AULL);
    world_.EnumWindows(NotifyThemeListEnumProc, 0);
    EXPECT_FALSE(world_.Called("PostMessageW"));
}

TEST_F(LookupTest, ARunningEngineIsAskedToReapply)
{
    EXPECT_EQ(0, AnnounceTheme()) << "no engine";
    EXPECT_FALSE(world_.Called("PostMessageW"));
    world_.WindowsByClass[L"Pavolt"] = reinterpret_cast<HWND>(0x2000);
    world_.Calls.clear();
    EXPECT_EQ(1, AnnounceTheme());
    UINT reapply = world_.Messages[L"WM_TRV_REAPPLY"];
    EXPECT_EQ(std::vector<std::string>{"PostMessageW 0x2000 " + std::to_string(reapply) + " 0 0"},
              world_.CallsOf("PostMessageW"));
    EXPECT_LT(world_.IndexOf("EnumWindows"), world_.IndexOf("PostMessageW"))
        << "the control panel hears first";
}

TEST_F(LookupTest, WriteRegStringAsksOnlyToSetValues)
{
    WriteRegString(L"abc", HKEY_CURRENT_USER, L"Software\\X", L"V");
    EXPECT_TRUE(world_.Called("RegOpenKeyExW"));
    EXPECT_NE(std::string::npos, world_.CallsOf("RegOpenKeyExW")[0].find("Software\\X 0 2"))
        << "KEY_SET_VALUE only";
    EXPECT_TRUE(world_.Called("RegCloseKey"));
}

// In the real registry, under a key of this test's own.
class WriteRegStringTest : public testing::Test {
protected:
    void SetUp() override
    {
        subkey_ =
            L"Software\\TrivaneTests\\WriteRegString" + std::to_wstring(GetCurrentProcessId());
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, subkey_.c_str(), 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegCloseKey(key);
    }
    void TearDown() override
    {
        RegDeleteKeyW(HKEY_CURRENT_USER, subkey_.c_str());
        // Gone only when no other test still holds a key under it.
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TrivaneTests");
    }

    std::wstring subkey_;
};

TEST_F(WriteRegStringTest, StoresTextWithItsTerminator)
{
    for (const wchar_t* text : {L"C:\\Engine\\Trivane.exe", L""}) {
        SCOPED_TRACE(testing::Message() << "text [" << text << "]");
        EXPECT_EQ(ERROR_SUCCESS,
                  WriteRegString(text, HKEY_CURRENT_USER, subkey_.c_str(), L"Value"));
        DWORD type = 0;
        DWORD bytes = 0;
        wchar_t read[64] = {};
        DWORD size = sizeof(read);
        ASSERT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, subkey_.c_str(), L"Value",
                                              RRF_RT_ANY, &type, read, &size));
        bytes = size;
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
        EXPECT_EQ(2 * (wcslen(text) + 1), bytes);
        EXPECT_STREQ(text, read);
    }
}

TEST_F(WriteRegStringTest, AMissingKeyIsLeftMissing)
{
    std::wstring missing = subkey_ + L"\\Missing";
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              WriteRegString(L"x", HKEY_CURRENT_USER, missing.c_str(), L"Value"));
    HKEY key = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &key));
}

}  // namespace
