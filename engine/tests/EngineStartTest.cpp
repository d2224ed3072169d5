// Start-up against a recorded fake world: one engine per session, the shared
// record, the settings and the refusal to run without a window.

#include "CPointer.h"
#include "EngineLifecycle.h"
#include "EngineTestSupport.h"
#include "EngineValues.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class EngineStartTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        // A file that opens at once but is no theme: start-up stops at the peek.
        unreadable_ = folder_.File(L"CurrentTheme.Trivane");
        ASSERT_TRUE(WriteBytesToFile(unreadable_, "not a theme", 11));
        world_.CurrentThemePath = unreadable_;
    }

    TempFolder folder_;
    std::wstring unreadable_;
    HINSTANCE instance_ = GetModuleHandleW(nullptr);
};

TEST_F(EngineStartTest, ARunningEngineEndsTheStart)
{
    world_.ExistingMutex = reinterpret_cast<HANDLE>(0x44);
    EXPECT_EQ(0, InitInstance(instance_));
    EXPECT_TRUE(world_.Called("OpenMutexW 1048576 0 TrivaneMutex"));
    EXPECT_TRUE(world_.Called("CloseHandle 0x44"));
    EXPECT_FALSE(world_.Called("CreateMutexW"));
    EXPECT_FALSE(world_.Called("CreateFileMappingW"));
}

TEST_F(EngineStartTest, AnOldEngineWindowIsAskedToStopWithoutHanging)
{
    world_.WindowsByClass[L"Pavolt"] = reinterpret_cast<HWND>(0x2000);
    InitInstance(instance_);
    int asked = world_.IndexOf("SendMessageTimeoutW 0x2000 1976 0 0 2 2000");
    int paused = world_.IndexOf("Sleep 500");
    int created = world_.IndexOf("CreateMutexW 1 TrivaneMutex");
    ASSERT_GE(asked, 0);
    EXPECT_LT(asked, paused);
    EXPECT_LT(paused, created);
}

TEST_F(EngineStartTest, AMutexTakenMeanwhileEndsTheStart)
{
    world_.LastError = ERROR_ALREADY_EXISTS;
    EXPECT_EQ(0, InitInstance(instance_));
    EXPECT_TRUE(world_.Called("CloseHandle 0x40"));
    EXPECT_EQ(nullptr, EngineMutex);
    EXPECT_FALSE(world_.Called("CreateFileMappingW"));
}

TEST_F(EngineStartTest, DisabledEndsTheStartAndTouchesNothing)
{
    world_.Settings[L"Disabled"] = 1;
    EXPECT_EQ(0, InitInstance(instance_));
    EXPECT_TRUE(world_.Called("CreateMutexW 1 TrivaneMutex"));
    EXPECT_FALSE(world_.Called("CreateFileMappingW"));
    EXPECT_FALSE(world_.Called("SetSystemCursor"));
}

TEST_F(EngineStartTest, TheSharedRecordIsZeroedToItsSize)
{
    memset(world_.View, 0xAB, sizeof(world_.View));
    EXPECT_EQ(0, InitInstance(instance_));
    EXPECT_TRUE(world_.Called("CreateFileMappingW 0xffffffffffffffff 4 0 120 QMWShd0"));
    EXPECT_TRUE(world_.Called("MapViewOfFile 0x50 2 0 0 0"));
    for (int i = 0; i < 120; ++i)
        ASSERT_EQ(0, world_.View[i]) << "byte " << i;
    EXPECT_EQ(0xAB, world_.View[120]) << "nothing is written past the record";
}

TEST_F(EngineStartTest, WithoutAReadableThemeTheRecordIsGivenBack)
{
    EXPECT_EQ(0, StartEngine(instance_));
    EXPECT_TRUE(world_.Called("UnmapViewOfFile"));
    EXPECT_TRUE(world_.Called("CloseHandle 0x50"));
    EXPECT_FALSE(world_.Called("timeSetEvent"));
    EXPECT_EQ(nullptr, EnginePointer);
}

TEST_F(EngineStartTest, ARecordThatCannotBeMadeIsSkipped)
{
    struct Case {
        HANDLE Mapping;
        bool Maps;
    };
    for (const Case& c : {Case{nullptr, true}, Case{world_.Mapping, false}}) {
        SCOPED_TRACE(testing::Message() << "mapping " << c.Mapping << " maps " << c.Maps);
        ResetEngineState();
        world_.Calls.clear();
        world_.Mapping = c.Mapping;
        world_.ViewMaps = c.Maps;
        memset(world_.View, 0xAB, sizeof(world_.View));
        EXPECT_EQ(0, StartEngine(instance_));
        EXPECT_EQ(c.Mapping != nullptr, world_.Called("MapViewOfFile"));
        EXPECT_EQ(0xAB, world_.View[0]);
        EXPECT_EQ(nullptr, SharedCursorView);
        EXPECT_EQ(nullptr, SharedCursorMapping);
    }
}

TEST_F(EngineStartTest, NoEngineWindowMeansNoEngine)
{
    std::wstring readable = folder_.File(L"readable.Trivane");
    ASSERT_TRUE(SaveTestTheme(readable, {{0, 1}}));
    world_.CurrentThemePath = readable;
    world_.CreatedWindow = nullptr;
    EXPECT_EQ(0, StartEngine(instance_));
    EXPECT_EQ(nullptr, EnginePointer);
    EXPECT_FALSE(world_.Called("timeSetEvent"));
    EXPECT_FALSE(world_.Called("LoadLibraryW")) << "the hook would have no window";
    EXPECT_TRUE(world_.Called("CloseHandle 0x50"));
}

TEST_F(EngineStartTest, SettingsAreReadWithTheirDefaultsAndBounded)
{
    EXPECT_EQ(0, ReadSettings(nullptr));
    EXPECT_EQ(0, ShadowSettings.DisableShadow);
    EXPECT_EQ(8, ShadowSettings.ShadowX);
    EXPECT_EQ(8, ShadowSettings.ShadowY);
    EXPECT_EQ(192, ShadowSettings.ShadowDark);
    EXPECT_EQ(8, ShadowSettings.ShadowSharpness);

    world_.Settings[L"ShadowX"] = 100000;
    world_.Settings[L"ShadowDark"] = 9999;
    world_.Settings[L"ShadowSharpness"] = 500;
    ReadSettings(nullptr);
    EXPECT_EQ(512, ShadowSettings.ShadowX);
    EXPECT_EQ(255, ShadowSettings.ShadowDark);
    EXPECT_EQ(100, ShadowSettings.ShadowSharpness);
}

TEST_F(EngineStartTest, AChangedDisableShadowIsReported)
{
    struct Case {
        int32_t Stored;
        int32_t Setting;
        int Changed;
    };
    for (const Case& c : {Case{0, 1, 1}, Case{1, 0, 1}, Case{1, 1, 0}, Case{0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << "stored " << c.Stored << " setting " << c.Setting);
        ShadowSettings.DisableShadow = c.Stored;
        world_.Settings[L"DisableShadow"] = c.Setting;
        int changed = 0;
        ReadSettings(&changed);
        EXPECT_EQ(c.Changed, changed);
        EXPECT_EQ(c.Setting, ShadowSettings.DisableShadow);
    }
}

TEST_F(EngineStartTest, AReadableCurrentThemeIsReported)
{
    std::wstring readable = folder_.File(L"readable.Trivane");
    ASSERT_TRUE(SaveTestTheme(readable, {{0, 1}}));
    world_.CurrentThemePath = readable;
    EXPECT_NE(0, ReadSettings(nullptr));
}

TEST_F(EngineStartTest, TheEngineWritesNoSetting)
{
    InitInstance(instance_);
    ReadSettings(nullptr);
    EXPECT_FALSE(world_.Called("RegSetValueExW"));
    EXPECT_FALSE(world_.Called("RegOpenKeyExW"));
}

}  // namespace
